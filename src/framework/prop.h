#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "framework/types.h"

namespace fw {

class Picture;

// Every property an object of the framework can carry. A peer is told which one changed.
#define FW_PROPS(X)                                                                           \
  X(Name) X(Index) X(TabPanelIndex) X(Left) X(Top) X(Width) X(Height) X(TabIndex) X(LockLeft) \
  X(LockTop) X(LockRight) X(LockBottom) X(Visible) X(Enabled) X(AutoDeactivate) X(TabStop)    \
  X(HelpTag) X(InitialParent) X(TextFont) X(TextSize) X(TextUnit) X(Bold) X(Italic)           \
  X(Underline) X(Caption) X(Default) X(Cancel) X(ButtonStyle) X(Text) X(TextAlign)            \
  X(TextColor) X(MultiLine) X(Selectable) X(Transparent) X(DataSource) X(DataField) X(Image)  \
  X(FillColor) X(BorderWidth) X(TopLeftColor) X(BottomRightColor) X(Value) X(Maximum)         \
  X(State) X(Minimum) X(LineStep) X(PageStep) X(LiveScroll) X(TickStyle) X(InitialValue)      \
  X(ListIndex) X(Mode) X(Period) X(Placement) X(MinWidth) X(MinHeight) X(MaxWidth)            \
  X(MaxHeight) X(Frame) X(Composite) X(HasBackColor) X(BackColor) X(Title) X(FullScreen)      \
  X(MenuBarVisible) X(CloseButton) X(Resizeable) X(LiveResize) X(MaximizeButton)              \
  X(MinimizeButton) X(MacProcId) X(MenuBar) X(KeyboardShortcut) X(AutoEnable)

enum class Prop {
#define FW_PROP_ENUM(name) name,
  FW_PROPS(FW_PROP_ENUM)
#undef FW_PROP_ENUM
      // Not a property: an event handler was bound to the object.
      Binding,
};

std::string_view PropName(Prop prop);

using PropValue = std::variant<Int32, bool, Color, std::string, std::shared_ptr<Picture>>;

// Text form of a written value, for traces and messages: 42, True, #FF50F0, "text", picture.
std::string PropValueText(const PropValue& value);

// An observer of property writes. `window` is the full class name of the window the object
// belongs to, `control` the control's registered name ("" for the window itself).
class WriteTrace {
 public:
  virtual ~WriteTrace() = default;
  virtual void Record(const std::string& window, const std::string& control, Prop prop,
                      const PropValue& value) = 0;
};

// Installs the observer of all property writes (nullptr: none). The caller keeps it alive.
void SetWriteTrace(WriteTrace* trace);
WriteTrace* ActiveWriteTrace();

}  // namespace fw
