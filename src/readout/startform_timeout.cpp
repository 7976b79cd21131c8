#include "design/implicit.h"
#include "model/module1.h"
#include "readout/readout_state.h"
#include "readout/startform.h"

// The read-out's timer: after the completion its first tick stops it; without a bit start
// for 10 ticks the read-out gives up.
namespace readout {

void Startform::Timer1_Action(fw::Timer&) {
  // A tick between the 41st bit and the completing pointer event (phase 5) does nothing here:
  // only that event converts the bits and opens the settings window.
  if (Module1::phase == kReadoutDone) {
    design::ImplicitInstance(kSetformClassName)->Show();
    Timer1()->SetPeriod(500);
    Timer1()->SetMode(fw::kTimerModeOff);
  }

  Module1::tm = Module1::tm + 1;

  if (Module1::tm == 10) {
    StaticText3()->SetText("応答がありません。中断します。");
    Rectangle1()->SetFillColor(fw::RGB(255, 80, 240));
    Timer1()->SetPeriod(2000);
  } else if (Module1::tm > 10) {
    Timer1()->SetPeriod(500);
    Timer1()->SetMode(fw::kTimerModeOff);
    fw::Quit(0);
  }
}

}  // namespace readout
