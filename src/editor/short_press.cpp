#include "editor/descriptions.h"
#include "editor/item_controls.h"
#include "editor/setform.h"
#include "model/module1.h"

// A short press of the device's switch: the next item, the end of value editing, or the
// finish choice in force carried out.
namespace editor {

namespace {

// The emphasis moves from one item button to another in six writes, in this order.
void MoveEmphasis(const class Setform& form, Int32 from, Int32 to) {
  ItemButton(form, from)->SetDefault(false);
  ItemButton(form, to)->SetBold(true);
  ItemButton(form, to)->SetUnderline(true);
  ItemButton(form, to)->SetDefault(true);
  ItemButton(form, from)->SetBold(false);
  ItemButton(form, from)->SetUnderline(false);
}

void ShowDescription(const class Setform& form, Int32 item) {
  form.StaticText1()->SetText(ItemDescription(item));
}

}  // namespace

void Setform::SelBtn() {
  const Int32 k = Module1::btnindex;

  if (k >= kFinishItem) {
    switch (Module1::btn13) {
      case 0:  // back to item 1
        Module1::btnindex = 1;
        MoveEmphasis(*this, kFinishItem, 1);
        ShowDescription(*this, 1);
        break;
      case 1:  // leave the continue choice
        PushButton13()->SetDefault(true);
        PushButton13()->SetBold(true);
        PushButton13()->SetUnderline(true);
        PushButton20()->SetEnabled(false);
        PushButton15()->SetEnabled(false);
        PushButton16()->SetEnabled(false);
        PushButton18()->SetEnabled(false);
        PushButton20()->SetBold(false);
        PushButton20()->SetUnderline(false);
        Module1::btn13 = 0;
        ShowDescription(*this, kFinishItem);
        break;
      case 2:  // finish with change: the device keeps the values
        fw::Quit(0);
        break;
      case 3:
        Revert();
        break;
      case 4:
        Dflt();
        break;
      default:
        break;
    }
    return;
  }
  if (k < 1) return;  // no item: nothing to move from

  if (Module1::btn13 == 0) {
    Module1::btnindex = k + 1;
    MoveEmphasis(*this, k, k + 1);
    ShowDescription(*this, k + 1);
    return;
  }

  Module1::btn13 = 0;
  if (k <= kLastPopupItem) {
    ItemPopup(*this, k)->SetEnabled(false);
  } else {
    ItemSlider(*this, k)->SetEnabled(false);
    ItemValueLabel(*this, k)->SetEnabled(false);
  }
}

}  // namespace editor
