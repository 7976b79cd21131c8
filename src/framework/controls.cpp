#include "framework/controls.h"

#include "framework/event_loop.h"
#include "framework/window.h"

namespace fw {

void Control::Attach(Window& window, std::string name) {
  window_ = &window;
  registered_name_ = std::move(name);
}

std::string Control::TraceWindow() const {
  return window_ ? window_->Class().fullName : std::string();
}

void RectControl::SetInitialParent(std::string name) {
  RectControl* container = nullptr;
  if (!name.empty()) {
    Control* found = GetWindow() ? GetWindow()->ControlByName(name) : nullptr;
    container = dynamic_cast<RectControl*>(found);
    if (container == nullptr || container == this) {
      throw RuntimeException("no container " + name + " for control " + RegisteredName());
    }
  }
  parent_ = container;
  Write(initial_parent_, std::move(name), Prop::InitialParent);
}

void PopupMenu::SetInitialValue(std::string rows) {
  rows_.clear();
  std::size_t start = 0;
  while (!rows.empty()) {
    std::size_t end = rows.find('\r', start);
    rows_.push_back(rows.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  Write(initial_value_, std::move(rows), Prop::InitialValue);
}

Timer::~Timer() { Loop().TimerGone(*this); }

void Timer::SetMode(Int32 mode) {
  Write(mode_, mode, Prop::Mode);
  Loop().TimerChanged(*this);
}

void Timer::SetPeriod(Int32 period) {
  Write(period_, period, Prop::Period);
  Loop().TimerChanged(*this);
}

}  // namespace fw
