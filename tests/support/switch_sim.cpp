#include "support/switch_sim.h"

namespace testsupport {

Positions SwitchSim::ShortPress(fw::Int32 step) const {
  return {{at_.x, at_.y - step}, at_};
}

Positions SwitchSim::LongPress(fw::Int32 step) const {
  return {{at_.x - step, at_.y}, at_};
}

Point SwitchSim::JumpTo(fw::Int32 size) {
  at_.x += size;
  return at_;
}

Point SwitchSim::Stray(fw::Int32 size) const {
  return {at_.x + size, at_.y};
}

}  // namespace testsupport
