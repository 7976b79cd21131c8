#pragma once

#include "framework/framework.h"
#include "support/device_sim.h"

namespace testsupport {

// The device's side of the switch-signal code (the read-out's side is device_sim.h): the pointer
// positions it produces over the settings window's description panel, in the panel's pixels. A
// press is two steps away from the current position and back; a jump moves more than 20 pixels at
// once.
class SwitchSim {
 public:
  explicit SwitchSim(Point start = {300, 50}, fw::Int32 step = 3) : at_(start), step_(step) {}

  Point Position() const { return at_; }
  void SetStep(fw::Int32 step) { step_ = step; }

  // Short press: an up step, then a down step back.
  Positions ShortPress() const { return ShortPress(step_); }
  Positions ShortPress(fw::Int32 step) const;
  // Long press: a left step, then a right step back.
  Positions LongPress() const { return LongPress(step_); }
  Positions LongPress(fw::Int32 step) const;
  // A jump of `size` pixels to the right; the pointer stays there (the jump that arms the
  // decoder after the window opens).
  Point JumpTo(fw::Int32 size = 300);
  // A stray position `size` pixels to the right of the current one; the pointer is back
  // where it was afterwards.
  Point Stray(fw::Int32 size = 21) const;

 private:
  Point at_;
  fw::Int32 step_;
};

}  // namespace testsupport
