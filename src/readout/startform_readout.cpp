#include <cstdint>

#include "design/implicit.h"
#include "model/module1.h"
#include "readout/readout_state.h"
#include "readout/startform.h"

// The read-out: the device clicks the "設　定" button and then sends its 41 setting bits as
// pointer steps over it. A bit is left, right (a 0, recognised by the next left step) or
// left, right, up, down (a 1).
namespace readout {

namespace {

void RecordBit(class Startform& form, Int32 bit) {
  Module1::bits(Module1::i) = bit;
  Module1::i = Module1::i + 1;
  form.ProgressBar1()->SetValue(Module1::i);
}

}  // namespace

void Startform::Event_Open() {
  Module1::i = kIdle;
  Module1::tm = 0;
  Module1::phase = kWaitLeft;
  ProgressBar1()->SetVisible(false);
}

bool Startform::PushButton1_MouseDown(fw::PushButton&, Int32 X, Int32 Y) {
  Module1::mousX = X;
  Module1::mousY = Y;
  return false;
}

void Startform::PushButton1_Action(fw::PushButton&) {
  Module1::i = kArmed;
  Timer1()->SetPeriod(400);
  Timer1()->SetMode(fw::kTimerModeMultiple);
  StaticText2()->SetVisible(false);
  StaticText3()->SetText("データ読み込み中");
  ProgressBar1()->SetVisible(true);
  ProgressBar1()->SetValue(1);
}

void Startform::PushButton1_MouseMove(fw::PushButton&, Int32 X, Int32 Y) {
  // Only the signs count; the difference is taken wide so that no position can overflow it.
  const std::int64_t dx = std::int64_t{X} - Module1::mousX;
  const std::int64_t dy = std::int64_t{Y} - Module1::mousY;

  if (Module1::i >= 0) {
    // Only the current phase's row is evaluated, even when it changes the phase.
    switch (Module1::phase) {
      case kWaitLeft:
        if (dx < 0) {
          Module1::tm = 0;
          Module1::phase = kWaitRight;
        }
        break;
      case kWaitRight:
        if (dx > 0) Module1::phase = kWaitBit;
        break;
      case kWaitBit:
        // Both tests: a left step and up at once records the 0 and goes on to await a down step.
        if (dx < 0) {
          RecordBit(*this, 0);
          if (Module1::i >= kBitCount) {
            Module1::phase = kBitsComplete;
          } else {
            Module1::tm = 0;
            Module1::phase = kWaitRight;
          }
        }
        if (dy < 0) Module1::phase = kWaitDown;
        break;
      case kWaitDown:
        if (dy > 0) {
          RecordBit(*this, 1);
          Module1::phase = Module1::i >= kBitCount ? kBitsComplete : kWaitLeft;
        }
        break;
      case kBitsComplete:
        Timer1()->SetPeriod(500);
        Timer1()->SetMode(fw::kTimerModeMultiple);
        Module1::cfgconv();
        // The first reference creates and opens the settings window; its switch decoder starts
        // from the position stored at the end of this event.
        design::ImplicitInstance(kSetformClassName)->Show();
        for (Module1::i = 0; Module1::i <= 40; Module1::i = Module1::i + 1) {
          StaticText1()->SetText(StaticText1()->Text() + fw::Str(Module1::bits(Module1::i)));
          if (Module1::i % 8 == 7) StaticText1()->SetText(StaticText1()->Text() + " ");
        }
        Module1::phase = kReadoutDone;
        break;
      default:
        break;
    }
  } else if (Module1::i == kArmed) {
    Module1::i = 0;
  }

  Module1::mousX = X;
  Module1::mousY = Y;
}

void Startform::PushButton2_Action(fw::PushButton&) {
  fw::Quit(0);
}

}  // namespace readout
