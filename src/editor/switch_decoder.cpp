#include <cstdint>

#include "editor/descriptions.h"
#include "editor/setform.h"
#include "model/module1.h"

// The device reports each press of its switch as a small pointer move over the description
// panel: up then down is a short press, left then right a long press. A move of more than
// 20 pixels (sum of both changes) arms the decoder once; after that it is a stray pointer.
namespace editor {

namespace {
constexpr double kJumpSize = 20.0;
}  // namespace

void Setform::StaticText1_MouseMove(fw::Label&, Int32 X, Int32 Y) {
  // Exact differences: a 32-bit subtraction would overflow for far-apart positions.
  const std::int64_t dx = std::int64_t{X} - Module1::mousX;
  const std::int64_t dy = std::int64_t{Y} - Module1::mousY;
  const double d = fw::Abs(static_cast<double>(dx)) + fw::Abs(static_cast<double>(dy));

  if (d > kJumpSize) {
    if (Module1::sphase < 0) {
      Module1::sphase = 0;
      Module1::mousX = X;
      Module1::mousY = Y;
    } else {
      // The reference stays where the last accepted move left it.
      ErrEnd();
    }
    return;
  }

  // Both tests of a state look at the same move; the second one's state wins.
  switch (Module1::sphase) {
    case 0:
      if (dx < 0) Module1::sphase = 1;
      if (dy < 0) Module1::sphase = 2;
      break;
    case 1:
      if (dx > 0) {
        SelItem();
        Module1::sphase = 0;
      }
      if (dy < 0) Module1::sphase = 2;
      break;
    case 2:
      if (dy > 0) {
        SelBtn();
        Module1::sphase = 0;
      }
      if (dx < 0) Module1::sphase = 1;
      break;
    default:
      break;
  }
  Module1::mousX = X;
  Module1::mousY = Y;
}

void Setform::ErrEnd() {
  Rectangle1()->SetFillColor(fw::RGB(255, 80, 160));
  StaticText1()->SetText(kStrayPointerMessage);
}

bool Setform::Event_MouseDown(Int32, Int32) {
  fw::Quit(0);
  return false;
}

}  // namespace editor
