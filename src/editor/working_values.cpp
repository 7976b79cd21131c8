#include "editor/item_controls.h"
#include "editor/setform.h"
#include "model/module1.h"

namespace editor {

void Setform::Revert() {
  // Counts in the model's shared loop counter, which it leaves at 16.
  for (Module1::i = 0; Module1::i <= 15; Module1::i = Module1::i + 1) {
    Module1::tempval(Module1::i) = Module1::setval(Module1::i);
  }
  SetListIndex();
}

void Setform::Dflt() {
  Module1::tempval(1) = 0;
  Module1::tempval(2) = 2;
  Module1::tempval(3) = 2;
  Module1::tempval(4) = 2;
  Module1::tempval(5) = 0;
  Module1::tempval(6) = 0;
  Module1::tempval(7) = 1;
  Module1::tempval(8) = 3;
  Module1::tempval(9) = 3;
  Module1::tempval(10) = 3;
  Module1::tempval(11) = 3;
  Module1::tempval(12) = 3;
  SetListIndex();
}

void Setform::SetListIndex() {
  for (Int32 k = 1; k <= kLastPopupItem; ++k) {
    ItemPopup(*this, k)->SetListIndex(Module1::tempval(k));
  }
  for (Int32 k = kLastPopupItem + 1; k <= kLastValueItem; ++k) {
    ItemSlider(*this, k)->SetValue(Module1::tempval(k));
    ItemValueLabel(*this, k)->SetText(fw::Str(Module1::tempval(k) + 1));
  }
}

}  // namespace editor
