#pragma once

#include <memory>
#include <vector>

#include "editor/setform.h"
#include "framework/framework.h"
#include "readout/startform.h"
#include "support/device_sim.h"

// The program under measurement: its real windows and handlers, started the way its course
// starts them, on the platform the benchmark executable chose.
namespace bench {

using fw::Int32;
using StartWindow = class readout::Startform;
using SettingsWindow = class editor::Setform;

// Where input comes from and where the windows are drawn.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual const char* Name() const = 0;
  // Installs a fresh event loop and the peer factory for a new run.
  virtual void Install() = 0;
  // A pointer move with no button held over the control, at (x, y) in its own pixels.
  virtual void Move(fw::RectControl& control, Int32 x, Int32 y) = 0;
  // A left click on the button at (x, y) in its own pixels: press, then release.
  virtual void Click(fw::PushButton& button, Int32 x, Int32 y) = 0;
  // Runs whatever the platform left pending (layout, painting, deferred deletes).
  virtual void Settle() {}
  // Whether windows are drawn.
  virtual bool Draws() const { return false; }
  // Whether the drawing that events cause waits for Settle instead of following each event.
  virtual bool DefersRepaint() const { return false; }
};

// Without peers: events are raised on the framework objects directly.
class HeadlessPlatform : public Platform {
 public:
  const char* Name() const override { return "headless"; }
  void Install() override;
  void Move(fw::RectControl& control, Int32 x, Int32 y) override;
  void Click(fw::PushButton& button, Int32 x, Int32 y) override;
};

void SetPlatform(Platform& platform);
Platform& CurrentPlatform();

// A fresh run of the program up to its shown start window: module initialisation and the
// start-up routine, as the program's course runs them. Ends the run before, if any.
void StartProgram();
// Module finalisation: the windows and their controls go.
void EndProgram();

std::shared_ptr<StartWindow> TheStartWindow();
// The settings window, or nullptr while none is open.
std::shared_ptr<SettingsWindow> TheSettingsWindow();

// The device's click on the "設　定" button (the pointer parked on it first).
void ClickButton();
// The click and the reference event after it, at the button's centre: the decoder waits
// for the first bit.
void ArmReadout();
// A whole read-out: the click, the bits and the completing event, which opens the
// settings window.
void ReadOut(const std::vector<int>& bits);

// The device's switch over the settings window's description panel.
class Switch {
 public:
  // Arms the decoder with a jump to the middle of the panel.
  void Arm();
  void ShortPress();
  void LongPress();

 private:
  void Move(Int32 x, Int32 y);
  fw::Label* panel_ = nullptr;
  Int32 x_ = 0;
  Int32 y_ = 0;
};

// 41 bits, the same at every call.
std::vector<int> SomeBits();

// The steps of 40 of those bits, the last a 1, after the reference event at the button's
// centre. They end where they began, so the decoder, its count of bits set back, takes them
// again and again.
testsupport::Positions ReadoutEventSteps();

// The benchmark cases, registered for the current platform: the cost of single events and
// presses, and of whole read-outs and windows.
void AddReadoutEventCase();
void AddPressCases();
void AddReadoutCases();
void AddWindowCases();

}  // namespace bench
