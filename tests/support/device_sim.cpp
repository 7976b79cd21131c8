#include "support/device_sim.h"

#include <stdexcept>
#include <string>

namespace testsupport {

std::ostream& operator<<(std::ostream& out, const Point& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}

Positions BitSteps(const std::vector<int>& bits, Point start, const LineCode& code) {
  if (code.step < 1) throw std::invalid_argument("step " + std::to_string(code.step));
  Positions out;
  Point at = start;
  auto move = [&](fw::Int32 dx, fw::Int32 dy) {
    at.x += dx * code.step;
    at.y += dy * code.step;
    out.push_back(at);
  };
  // A 0 is recognised only by the next left step.
  bool zeroPending = false;
  for (int bit : bits) {
    if (bit != 0 && bit != 1) throw std::invalid_argument("bit value " + std::to_string(bit));
    if (bit == 1 && zeroPending && code.combineLeftUp) {
      move(-1, -1);
      move(0, 1);
      zeroPending = false;
      continue;
    }
    move(-1, 0);
    move(1, 0);
    if (bit == 1) {
      move(0, -1);
      move(0, 1);
    }
    zeroPending = bit == 0;
  }
  if (zeroPending) move(-1, 0);
  return out;
}

Positions ReadoutMoves(const std::vector<int>& bits, Point start, const LineCode& code) {
  Positions out{start};
  Positions steps = BitSteps(bits, start, code);
  out.insert(out.end(), steps.begin(), steps.end());
  const Point last = out.back();
  out.push_back({last.x + code.completion.x, last.y + code.completion.y});
  return out;
}

void MoveOver(fw::RectControl& control, const Positions& positions) {
  for (const Point& p : positions)
    control.MouseMove.Raise(p.x, p.y);
}

void Click(fw::PushButton& button, Point at) {
  button.MouseDown.Raise(at.x, at.y);
  button.Action.Raise();
}

void DriveReadout(fw::PushButton& button, const std::vector<int>& bits, Point start,
                  const LineCode& code) {
  Positions moves = ReadoutMoves(bits, start, code);
  Click(button, start);
  MoveOver(button, moves);
}

std::vector<int> RandomBits(std::mt19937& rng, std::size_t count) {
  // The engine's output is fixed by the standard; a distribution's is not.
  std::vector<int> bits(count);
  for (int& bit : bits)
    bit = static_cast<int>(rng() & 1u);
  return bits;
}

}  // namespace testsupport
