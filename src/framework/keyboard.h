#pragma once

#include <vector>

#include "framework/controls.h"

// What the keyboard reaches in a window: its default and cancel buttons and the order in
// which Tab visits its controls. Platform-neutral; the peers carry out the keys.
namespace fw {

class Window;

// Whether the control can be used: it and every container it lies in are enabled and
// visible. A control inside a loop of containers cannot.
bool IsUsable(const RectControl& control);

// The window's default button: the first push button, in creation order, that is marked
// Default and usable; nullptr if there is none.
PushButton* DefaultButton(const Window& window);
// The button that Esc presses: likewise, marked Cancel.
PushButton* CancelButton(const Window& window);
// The button that Return and Enter press: the control that has the keyboard focus (nullptr
// for none) when it is a usable push button, else the default button.
PushButton* ReturnButton(const Window& window, Control* focused);

// Every control of the window in keyboard order: the window's own controls by TabIndex,
// each container directly followed by its own controls in the same way; equal TabIndex
// keep creation order. A control inside a loop of containers has no place.
std::vector<RectControl*> KeyboardOrder(const Window& window);

// Whether Tab stops at the control: its TabStop is on and it is usable. Which controls can
// take the keyboard at all is the platform's.
bool IsTabStop(const RectControl& control);

}  // namespace fw
