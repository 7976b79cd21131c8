#pragma once

#include "editor/setform.h"

// The controls of the setting items and finish choices, each fetched afresh through the
// window's getter of its name. Outside its range each gives a nil reference, whose use
// raises NilObjectException.
namespace editor {

// The push button of item 1..13 (PushButton1..PushButton13).
fw::Ref<fw::PushButton> ItemButton(const class Setform& form, Int32 item);

// The value control of items 1..8: the pop-up menu of the same number.
fw::Ref<fw::PopupMenu> ItemPopup(const class Setform& form, Int32 item);

// The value control of items 9..12 (Slider1..Slider4) and its value label
// (StaticText2..StaticText5).
fw::Ref<fw::Slider> ItemSlider(const class Setform& form, Int32 item);
fw::Ref<fw::Label> ItemValueLabel(const class Setform& form, Int32 item);

// The button of finish choice 1..4: PushButton20 (continue), PushButton15 (finish with
// change), PushButton16 (revert), PushButton18 (standard values).
fw::Ref<fw::PushButton> ChoiceButton(const class Setform& form, Int32 choice);

// Items 1..8 show their value in a pop-up menu, items 9..12 in a slider.
inline constexpr Int32 kLastPopupItem = 8;
inline constexpr Int32 kLastValueItem = 12;
inline constexpr Int32 kFinishItem = 13;

}  // namespace editor
