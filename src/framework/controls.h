#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/event.h"
#include "framework/object.h"

namespace fw {

class Picture;
class Window;

// Timer modes.
inline constexpr Int32 kTimerModeOff = 0;
inline constexpr Int32 kTimerModeMultiple = 2;

// The marker of a control that belongs to no numbered set.
inline constexpr Int32 kNoIndex = -2147483647 - 1;

// The base of every control: its window, its registered name and the Control properties.
class Control : public Object {
 public:
  ~Control() override = default;

  Window* GetWindow() const { return window_; }
  // The name the control is registered under in its window.
  const std::string& RegisteredName() const { return registered_name_; }
  // Called by the window's registry.
  void Attach(Window& window, std::string name);

  // Tells the peer that a handler was bound.
  void BindingChanged() { Changed(Prop::Binding, true); }

  FW_PROPERTY(std::string, Name, "")
  FW_PROPERTY(Int32, Index, kNoIndex)
  FW_PROPERTY(Int32, TabPanelIndex, 0)

 protected:
  std::string TraceWindow() const override;
  std::string TraceControl() const override { return registered_name_; }

 private:
  Window* window_ = nullptr;
  std::string registered_name_;
};

template <class R, class... A>
void Event<R(A...)>::Bind(std::string signature, Handler handler) {
  signature_ = std::move(signature);
  handler_ = std::move(handler);
  owner_.BindingChanged();
}

// The base of every visible control. Left and Top are window-content coordinates, also for
// a control inside a container.
class RectControl : public Control {
 public:
  RectControl() : MouseMove(*this), MouseDown(*this) {}

  void Constructor() {}

  // The container the control lies in, or nullptr for the window itself.
  RectControl* Parent() const { return parent_; }
  // Puts the control into the named container of its window ("" is the window). Raises
  // RuntimeException if the window holds no such control.
  void SetInitialParent(std::string name);
  const std::string& InitialParent() const { return initial_parent_; }

  // A pointer move with no button held, in the control's own pixels.
  Event<void(Int32, Int32)> MouseMove;
  // A press on the control, in the control's own pixels; the result says whether it was handled.
  Event<bool(Int32, Int32)> MouseDown;

  FW_PROPERTY(Int32, Left, 0)
  FW_PROPERTY(Int32, Top, 0)
  FW_PROPERTY(Int32, Width, 0)
  FW_PROPERTY(Int32, Height, 0)
  FW_PROPERTY(Int32, TabIndex, 0)
  FW_PROPERTY(bool, LockLeft, false)
  FW_PROPERTY(bool, LockTop, false)
  FW_PROPERTY(bool, LockRight, false)
  FW_PROPERTY(bool, LockBottom, false)
  FW_PROPERTY(bool, Visible, true)
  FW_PROPERTY(bool, Enabled, true)
  FW_PROPERTY(bool, AutoDeactivate, true)
  FW_PROPERTY(bool, TabStop, true)
  FW_PROPERTY(std::string, HelpTag, "")

 private:
  RectControl* parent_ = nullptr;
  std::string initial_parent_;
};

// Text attributes shared by the controls that draw text.
class TextControl : public RectControl {
 public:
  FW_PROPERTY(std::string, TextFont, "System")
  FW_PROPERTY(Int32, TextSize, 0)
  FW_PROPERTY(Int32, TextUnit, 0)
  FW_PROPERTY(bool, Bold, false)
  FW_PROPERTY(bool, Italic, false)
  FW_PROPERTY(bool, Underline, false)
};

class PushButton : public TextControl {
 public:
  PushButton() : Action(*this) {}

  // A completed click.
  Event<void()> Action;

  FW_PROPERTY(std::string, Caption, "")
  // Drawn as the default button. Nothing keeps a single default button per window: the
  // flag is exactly what was last set on this button.
  FW_PROPERTY(bool, Default, false)
  FW_PROPERTY(bool, Cancel, false)
  FW_PROPERTY(Int32, ButtonStyle, 0)
};

class Label : public TextControl {
 public:
  FW_PROPERTY(std::string, Text, "")
  FW_PROPERTY(Int32, TextAlign, 0)
  FW_PROPERTY(Color, TextColor, Color{})
  FW_PROPERTY(bool, MultiLine, false)
  FW_PROPERTY(bool, Selectable, false)
  FW_PROPERTY(bool, Transparent, false)
  FW_PROPERTY(std::string, DataSource, "")
  FW_PROPERTY(std::string, DataField, "")
};

class Rectangle : public RectControl {
 public:
  FW_PROPERTY(Color, FillColor, (Color{255, 255, 255}))
  FW_PROPERTY(Int32, BorderWidth, 0)
  FW_PROPERTY(Color, TopLeftColor, Color{})
  FW_PROPERTY(Color, BottomRightColor, Color{})
};

class ImageWell : public RectControl {
 public:
  FW_PROPERTY(std::shared_ptr<Picture>, Image, nullptr)
};

class Separator : public RectControl {};

class ProgressBar : public RectControl {
 public:
  // A value above Maximum is kept as it is; only the peer draws it clamped.
  FW_PROPERTY(Int32, Value, 0)
  FW_PROPERTY(Int32, Maximum, 100)
};

class GroupBox : public TextControl {
 public:
  FW_PROPERTY(std::string, Caption, "")
};

class CheckBox : public TextControl {
 public:
  FW_PROPERTY(std::string, Caption, "")
  FW_PROPERTY(Int32, State, 0)
  FW_PROPERTY(bool, Value, false)
  FW_PROPERTY(std::string, DataSource, "")
  FW_PROPERTY(std::string, DataField, "")
};

class Slider : public RectControl {
 public:
  FW_PROPERTY(Int32, Minimum, 0)
  FW_PROPERTY(Int32, Value, 0)
  FW_PROPERTY(Int32, Maximum, 100)
  FW_PROPERTY(Int32, LineStep, 1)
  FW_PROPERTY(Int32, PageStep, 20)
  FW_PROPERTY(bool, LiveScroll, false)
  FW_PROPERTY(Int32, TickStyle, 0)
};

class PopupMenu : public TextControl {
 public:
  // The rows, joined by CR; row i is the one that ListIndex i selects.
  const std::string& InitialValue() const { return initial_value_; }
  void SetInitialValue(std::string rows);
  const std::vector<std::string>& Rows() const { return rows_; }

  // The selected row; a value outside the rows is kept, the peer shows no row for it.
  FW_PROPERTY(Int32, ListIndex, 0)
  FW_PROPERTY(std::string, DataSource, "")
  FW_PROPERTY(std::string, DataField, "")

 private:
  std::string initial_value_;
  std::vector<std::string> rows_;
};

// A timer: Mode 0 stopped, 2 one Action per Period (ms). Writing Period or Mode while the
// resulting mode is 2 starts a fresh interval from that moment.
class Timer : public Control {
 public:
  Timer() : Action(*this) {}
  ~Timer() override;

  void Constructor() {}

  Int32 Mode() const { return mode_; }
  void SetMode(Int32 mode);
  Int32 Period() const { return period_; }
  void SetPeriod(Int32 period);

  // One tick.
  Event<void()> Action;

 private:
  Int32 mode_ = kTimerModeMultiple;
  Int32 period_ = 1000;
};

}  // namespace fw
