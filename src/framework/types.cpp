#include "framework/types.h"

#include <cmath>

namespace fw {

namespace {
std::uint8_t Component(Int32 v) {
  if (v < 0 || v > 255) throw RuntimeException("colour component out of range: " + Str(v));
  return static_cast<std::uint8_t>(v);
}
}  // namespace

Color RGB(Int32 red, Int32 green, Int32 blue, Int32 alpha) {
  if (alpha != 0) throw RuntimeException("only opaque colours are supported");
  return Color{Component(red), Component(green), Component(blue)};
}

std::string Str(Int32 value) { return std::to_string(value); }

const std::string& EndOfLine() {
  static const std::string kLineEnd = "\n";
  return kLineEnd;
}

double Abs(double value) { return std::fabs(value); }

}  // namespace fw
