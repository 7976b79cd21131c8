#pragma once

#include <memory>

#include "framework/framework.h"

namespace editor {

using fw::Int32;

// The settings window: 13 setting items, their value controls, the finish choices and the
// description panel over which the device reports its switch presses.
class Setform : public fw::Window {
 public:
  // Window events.
  void Layout();
  void CreateControls();
  void CreateControls0();
  void CreateControls1();

  // Control getters, in creation order: a registry lookup at every call.
  fw::Ref<fw::Rectangle> Rectangle1() const { return Get<fw::Rectangle>("Rectangle1"); }
  fw::Ref<fw::Label> StaticText1() const { return Get<fw::Label>("StaticText1"); }
  fw::Ref<fw::GroupBox> GroupBox1() const { return Get<fw::GroupBox>("GroupBox1"); }
  fw::Ref<fw::CheckBox> CheckBox1() const { return Get<fw::CheckBox>("CheckBox1"); }
  fw::Ref<fw::CheckBox> CheckBox2() const { return Get<fw::CheckBox>("CheckBox2"); }
  fw::Ref<fw::CheckBox> CheckBox3() const { return Get<fw::CheckBox>("CheckBox3"); }
  fw::Ref<fw::CheckBox> CheckBox4() const { return Get<fw::CheckBox>("CheckBox4"); }
  fw::Ref<fw::Label> StaticText9() const { return Get<fw::Label>("StaticText9"); }
  fw::Ref<fw::Slider> Slider4() const { return Get<fw::Slider>("Slider4"); }
  fw::Ref<fw::Label> StaticText8() const { return Get<fw::Label>("StaticText8"); }
  fw::Ref<fw::Slider> Slider3() const { return Get<fw::Slider>("Slider3"); }
  fw::Ref<fw::Label> StaticText6() const { return Get<fw::Label>("StaticText6"); }
  fw::Ref<fw::Slider> Slider1() const { return Get<fw::Slider>("Slider1"); }
  fw::Ref<fw::Label> StaticText7() const { return Get<fw::Label>("StaticText7"); }
  fw::Ref<fw::Slider> Slider2() const { return Get<fw::Slider>("Slider2"); }
  fw::Ref<fw::PushButton> PushButton1() const { return Get<fw::PushButton>("PushButton1"); }
  fw::Ref<fw::PushButton> PushButton2() const { return Get<fw::PushButton>("PushButton2"); }
  fw::Ref<fw::PushButton> PushButton3() const { return Get<fw::PushButton>("PushButton3"); }
  fw::Ref<fw::PushButton> PushButton4() const { return Get<fw::PushButton>("PushButton4"); }
  fw::Ref<fw::PushButton> PushButton5() const { return Get<fw::PushButton>("PushButton5"); }
  fw::Ref<fw::PushButton> PushButton6() const { return Get<fw::PushButton>("PushButton6"); }
  fw::Ref<fw::PushButton> PushButton7() const { return Get<fw::PushButton>("PushButton7"); }
  fw::Ref<fw::PushButton> PushButton8() const { return Get<fw::PushButton>("PushButton8"); }
  fw::Ref<fw::PushButton> PushButton9() const { return Get<fw::PushButton>("PushButton9"); }
  fw::Ref<fw::PushButton> PushButton10() const { return Get<fw::PushButton>("PushButton10"); }
  fw::Ref<fw::PushButton> PushButton11() const { return Get<fw::PushButton>("PushButton11"); }
  fw::Ref<fw::PushButton> PushButton12() const { return Get<fw::PushButton>("PushButton12"); }
  fw::Ref<fw::PushButton> PushButton13() const { return Get<fw::PushButton>("PushButton13"); }
  fw::Ref<fw::PushButton> PushButton15() const { return Get<fw::PushButton>("PushButton15"); }
  fw::Ref<fw::PushButton> PushButton16() const { return Get<fw::PushButton>("PushButton16"); }
  fw::Ref<fw::PushButton> PushButton18() const { return Get<fw::PushButton>("PushButton18"); }
  fw::Ref<fw::PopupMenu> PopupMenu1() const { return Get<fw::PopupMenu>("PopupMenu1"); }
  fw::Ref<fw::PopupMenu> PopupMenu2() const { return Get<fw::PopupMenu>("PopupMenu2"); }
  fw::Ref<fw::PopupMenu> PopupMenu3() const { return Get<fw::PopupMenu>("PopupMenu3"); }
  fw::Ref<fw::PopupMenu> PopupMenu4() const { return Get<fw::PopupMenu>("PopupMenu4"); }
  fw::Ref<fw::PopupMenu> PopupMenu5() const { return Get<fw::PopupMenu>("PopupMenu5"); }
  fw::Ref<fw::PopupMenu> PopupMenu6() const { return Get<fw::PopupMenu>("PopupMenu6"); }
  fw::Ref<fw::PopupMenu> PopupMenu7() const { return Get<fw::PopupMenu>("PopupMenu7"); }
  fw::Ref<fw::PopupMenu> PopupMenu8() const { return Get<fw::PopupMenu>("PopupMenu8"); }
  fw::Ref<fw::PushButton> PushButton20() const { return Get<fw::PushButton>("PushButton20"); }
  fw::Ref<fw::Label> StaticText2() const { return Get<fw::Label>("StaticText2"); }
  fw::Ref<fw::Label> StaticText3() const { return Get<fw::Label>("StaticText3"); }
  fw::Ref<fw::Label> StaticText4() const { return Get<fw::Label>("StaticText4"); }
  fw::Ref<fw::Label> StaticText5() const { return Get<fw::Label>("StaticText5"); }
  fw::Ref<fw::Label> StaticText10() const { return Get<fw::Label>("StaticText10"); }
  fw::Ref<fw::Separator> Separator1() const { return Get<fw::Separator>("Separator1"); }

  // The switch-signal decoder and the editor.
  void StaticText1_MouseMove(fw::Label& label, Int32 X, Int32 Y);
  void Event_Open();
  bool Event_MouseDown(Int32 X, Int32 Y);
  void SelBtn();
  void SelItem();
  void Revert();
  void SetListIndex();
  void Dflt();
  void ErrEnd();

  // The class declaration, built once.
  static void ctblinit();
  static const fw::ClassInfo& Lookup();
};

// The accessor of the settings window's implicit instance, named like its class.
std::shared_ptr<class Setform> Setform();

// The full name the start window's class is known by.
inline constexpr const char* kStartformClassName = "Startform.Startform";

}  // namespace editor
