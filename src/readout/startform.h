#pragma once

#include <memory>

#include "framework/framework.h"

namespace readout {

using fw::Int32;

// The start window: instructions, picture, the "設　定" button over which the device
// transmits its settings, and the read-out's timer.
class Startform : public fw::Window {
 public:
  // Window events.
  void Layout();
  void CreateControls();
  void CreateControls0();

  // Control getters, in creation order: a registry lookup at every call.
  fw::Ref<fw::PushButton> PushButton1() const { return Get<fw::PushButton>("PushButton1"); }
  fw::Ref<fw::PushButton> PushButton2() const { return Get<fw::PushButton>("PushButton2"); }
  fw::Ref<fw::Label> StaticText1() const { return Get<fw::Label>("StaticText1"); }
  fw::Ref<fw::ImageWell> ImageWell1() const { return Get<fw::ImageWell>("ImageWell1"); }
  fw::Ref<fw::Rectangle> Rectangle1() const { return Get<fw::Rectangle>("Rectangle1"); }
  fw::Ref<fw::ProgressBar> ProgressBar1() const { return Get<fw::ProgressBar>("ProgressBar1"); }
  fw::Ref<fw::Label> StaticText3() const { return Get<fw::Label>("StaticText3"); }
  fw::Ref<fw::Timer> Timer1() const { return Get<fw::Timer>("Timer1"); }
  fw::Ref<fw::Label> StaticText2() const { return Get<fw::Label>("StaticText2"); }

  // Read-out handlers.
  void PushButton1_MouseMove(fw::PushButton& button, Int32 X, Int32 Y);
  void PushButton1_Action(fw::PushButton& button);
  bool PushButton1_MouseDown(fw::PushButton& button, Int32 X, Int32 Y);
  void PushButton2_Action(fw::PushButton& button);
  void Timer1_Action(fw::Timer& timer);
  void Event_Open();

  // The class declaration, built once.
  static void ctblinit();
  static const fw::ClassInfo& Lookup();
};

// The start window's timer class, "Startform.Timer1".
class StartformTimer1 : public fw::Timer {
 public:
  static void ctblinit();
  static const fw::ClassInfo& Lookup();
};

// The accessor of the start window's implicit instance, named like its class.
std::shared_ptr<class Startform> Startform();

// The full name the settings window's class is known by.
inline constexpr const char* kSetformClassName = "Setform.Setform";

}  // namespace readout
