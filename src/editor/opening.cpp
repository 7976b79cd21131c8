#include "design/implicit.h"
#include "editor/descriptions.h"
#include "editor/setform.h"
#include "model/module1.h"

namespace editor {

void Setform::Event_Open() {
  Module1::maxval(1) = 3;
  Module1::maxval(2) = 3;
  Module1::maxval(3) = 3;
  Module1::maxval(4) = 3;
  Module1::maxval(5) = 1;
  Module1::maxval(6) = 1;
  Module1::maxval(7) = 7;
  Module1::maxval(8) = 7;
  Module1::maxval(9) = 7;
  Module1::maxval(10) = 7;
  Module1::maxval(11) = 7;
  Module1::maxval(12) = 7;

  design::ImplicitInstance(kStartformClassName)->Hide();

  Module1::sphase = -1;
  Module1::btnindex = 13;
  Module1::btn13 = 0;

  Revert();

  PushButton13()->SetDefault(true);
  PushButton13()->SetBold(true);
  PushButton13()->SetUnderline(true);

  PushButton20()->SetEnabled(false);
  PushButton15()->SetEnabled(false);
  PushButton16()->SetEnabled(false);
  PushButton18()->SetEnabled(false);
  PopupMenu1()->SetEnabled(false);
  PopupMenu2()->SetEnabled(false);
  PopupMenu3()->SetEnabled(false);
  PopupMenu4()->SetEnabled(false);
  PopupMenu5()->SetEnabled(false);
  PopupMenu6()->SetEnabled(false);
  PopupMenu7()->SetEnabled(false);
  PopupMenu8()->SetEnabled(false);
  Slider1()->SetEnabled(false);
  StaticText2()->SetEnabled(false);
  Slider2()->SetEnabled(false);
  StaticText3()->SetEnabled(false);
  Slider3()->SetEnabled(false);
  StaticText4()->SetEnabled(false);
  Slider4()->SetEnabled(false);
  StaticText5()->SetEnabled(false);

  StaticText1()->SetText(ItemDescription(13));

  // All of the first eight bits set: the device was switched on with its switch held.
  const Int32 s =
      Module1::setval(13) + Module1::setval(14) + Module1::setval(15) + Module1::setval(16);
  if (s == 16) {
    editor::Setform()->SetTitle(kSwitchOnTitle);
    CheckBox4()->SetValue(false);
    CheckBox1()->SetValue(false);
    CheckBox2()->SetValue(false);
    CheckBox3()->SetValue(false);
  } else {
    editor::Setform()->SetTitle(kVersionTitle + fw::Str(Module1::setval(15)) + "." +
                                fw::Str(Module1::setval(14) + 4));
    CheckBox4()->SetValue(Module1::setval(16) == 1);
    CheckBox1()->SetValue(Module1::setval(17) == 1);
    CheckBox2()->SetValue(Module1::setval(18) == 1);
    CheckBox3()->SetValue(Module1::setval(20) == 1);
  }
}

}  // namespace editor
