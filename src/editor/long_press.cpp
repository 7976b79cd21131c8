#include "editor/descriptions.h"
#include "editor/item_controls.h"
#include "editor/setform.h"
#include "model/module1.h"

// A long press of the device's switch: value editing starts or steps the value, or the next
// finish choice is offered.
namespace editor {

namespace {

// The choice before `choice` in the cycle continue, finish with change, revert, standard
// values: its button is the one the emphasis leaves.
Int32 PreviousChoice(Int32 choice) {
  return choice == 1 ? 4 : choice - 1;
}

}  // namespace

void Setform::SelItem() {
  const Int32 k = Module1::btnindex;

  if (k == kFinishItem) {
    if (Module1::btn13 == 0) {
      PushButton13()->SetDefault(false);
      PushButton13()->SetBold(false);
      PushButton13()->SetUnderline(false);
      PushButton20()->SetEnabled(true);
      PushButton15()->SetEnabled(true);
      PushButton16()->SetEnabled(true);
      PushButton18()->SetEnabled(true);
    }
    // After standard values comes continue; so does it after a choice outside the cycle,
    // which the handlers never set.
    if (Module1::btn13 < 0 || Module1::btn13 >= 4) {
      Module1::btn13 = 1;
    } else {
      Module1::btn13 = Module1::btn13 + 1;
    }

    const Int32 c = Module1::btn13;
    ChoiceButton(*this, PreviousChoice(c))->SetDefault(false);
    ChoiceButton(*this, PreviousChoice(c))->SetBold(false);
    ChoiceButton(*this, PreviousChoice(c))->SetUnderline(false);
    ChoiceButton(*this, c)->SetDefault(true);
    ChoiceButton(*this, c)->SetBold(true);
    ChoiceButton(*this, c)->SetUnderline(true);
    StaticText1()->SetText(FinishChoiceDescription(c));
    return;
  }
  if (k < 1 || k > kLastValueItem) return;  // no item with a value

  if (Module1::btn13 == 0) {
    Module1::btn13 = 1;
    if (k <= kLastPopupItem) {
      ItemPopup(*this, k)->SetEnabled(true);
    } else {
      ItemSlider(*this, k)->SetEnabled(true);
      ItemValueLabel(*this, k)->SetEnabled(true);
    }
    // Setting the speed here cancels the device's speed fine adjustment.
    if (k == 9) CheckBox1()->SetValue(false);
    return;
  }

  Module1::tempval(k) = Module1::tempval(k) + 1;
  if (Module1::tempval(k) > Module1::maxval(k)) Module1::tempval(k) = 0;
  if (k <= kLastPopupItem) {
    ItemPopup(*this, k)->SetListIndex(Module1::tempval(k));
  } else {
    ItemSlider(*this, k)->SetValue(Module1::tempval(k));
    ItemValueLabel(*this, k)->SetText(fw::Str(Module1::tempval(k) + 1));
  }
}

}  // namespace editor
