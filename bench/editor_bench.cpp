#include <chrono>

#include "bench/program.h"
#include "bench/table.h"
#include "model/module1.h"

// The switch-signal decoder and the editor: one short or long press over the description
// panel, the building of the settings window, and a control getter.
namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// A program whose settings window is open, armed, at the finish item with no choice.
bool OpenSettings(benchmark::State& state, Switch& device) {
  StartProgram();
  ReadOut(SomeBits());
  if (!TheSettingsWindow()) {
    state.SkipWithError("the read-out did not open the settings window");
    return false;
  }
  device.Arm();
  return true;
}

bool At(Int32 item, Int32 mode) {
  return Module1::btnindex == item && Module1::btn13 == mode;
}

// On a platform that defers drawing, the drawing the batch caused, outside the timing.
void Untimed(benchmark::State& state) {
  Platform& platform = CurrentPlatform();
  if (!platform.DefersRepaint()) return;
  state.PauseTiming();
  platform.Settle();
  state.ResumeTiming();
}

// Thirteen short presses walk the ring of items once: 1, 2, ..., 12, the finish item.
void ShortPressNextItem(benchmark::State& state) {
  Switch device;
  if (!OpenSettings(state, device)) return;
  for (auto _ : state) {
    for (int n = 0; n < 13; ++n)
      device.ShortPress();
    Untimed(state);
  }
  if (!At(13, 0)) state.SkipWithError("the presses did not walk the ring of items");
  CountOps(state, 13);
  EndProgram();
}

// The revert choice carried out again and again: every value control is set anew.
void ShortPressRevert(benchmark::State& state) {
  Switch device;
  if (!OpenSettings(state, device)) return;
  for (int n = 0; n < 3; ++n)
    device.LongPress();
  for (auto _ : state) {
    for (int n = 0; n < 4; ++n)
      device.ShortPress();
    Untimed(state);
  }
  if (!At(13, 3)) state.SkipWithError("not at the revert choice");
  CountOps(state, 4);
  EndProgram();
}

// Value editing of item 9: each long press steps the slider and its value label; eight
// presses bring the value round to where it was.
void LongPressStepValue(benchmark::State& state) {
  Switch device;
  if (!OpenSettings(state, device)) return;
  for (int n = 0; n < 9; ++n)
    device.ShortPress();
  device.LongPress();
  for (auto _ : state) {
    for (int n = 0; n < 8; ++n)
      device.LongPress();
    Untimed(state);
  }
  if (!At(9, 1)) state.SkipWithError("not in value editing of item 9");
  CountOps(state, 8);
  EndProgram();
}

// At the finish item each long press moves the emphasis to the next finish choice; four
// go round the cycle.
void LongPressNextChoice(benchmark::State& state) {
  Switch device;
  if (!OpenSettings(state, device)) return;
  device.LongPress();
  for (auto _ : state) {
    for (int n = 0; n < 4; ++n)
      device.LongPress();
    Untimed(state);
  }
  if (!At(13, 1)) state.SkipWithError("not back at the continue choice");
  CountOps(state, 4);
  EndProgram();
}

// The settings window as the completion builds it: 46 controls with their lists, the
// window's own list and its Open handler; with `shown`, until the platform has drawn it.
void BuildSettingsWindow(benchmark::State& state, bool shown) {
  StartProgram();
  Platform& platform = CurrentPlatform();
  for (auto _ : state) {
    const Clock::time_point from = Clock::now();
    std::shared_ptr<SettingsWindow> form = editor::Setform();
    if (shown) platform.Settle();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - from).count());
    form->Close();
    form.reset();
    platform.Settle();
  }
  EndProgram();
}

void BuildSettings(benchmark::State& state) {
  BuildSettingsWindow(state, false);
}
void BuildAndDrawSettings(benchmark::State& state) {
  BuildSettingsWindow(state, true);
}

void Getter(benchmark::State& state) {
  Switch device;
  if (!OpenSettings(state, device)) return;
  std::shared_ptr<SettingsWindow> form = TheSettingsWindow();
  for (auto _ : state) {
    benchmark::DoNotOptimize(form->PushButton13().get());
  }
  EndProgram();
}

void GetterAndWrite(benchmark::State& state) {
  Switch device;
  if (!OpenSettings(state, device)) return;
  std::shared_ptr<SettingsWindow> form = TheSettingsWindow();
  bool bold = false;
  for (auto _ : state) {
    bold = !bold;
    form->PushButton13()->SetBold(bold);
  }
  EndProgram();
}

}  // namespace

void AddPressCases() {
  const double goal = CurrentPlatform().Draws() ? 50.0 : 2.0;
  Add({"short_press_next_item", "short press: next item (the ring of 13)", "press", goal},
      ShortPressNextItem);
  Add({"short_press_revert", "short press: revert (all 12 value controls set again)", "press",
       goal},
      ShortPressRevert);
  Add({"long_press_step_value", "long press: step the value of item 9 (slider and label)", "press",
       goal},
      LongPressStepValue);
  Add({"long_press_next_choice", "long press: next finish choice", "press", goal},
      LongPressNextChoice);
}

void AddWindowCases() {
  const bool draws = CurrentPlatform().Draws();
  Add({"settings_window_build", "settings window: 46 controls, 47 lists and the Open handler",
       "window", draws ? 10000.0 : 0.0, true, draws ? 50 : 0},
      BuildSettings);
  if (draws) {
    Add({"settings_window_shown", "settings window: built as above and drawn", "window", 10000.0,
         true, 50},
        BuildAndDrawSettings);
  } else {
    Add({"getter", "control getter `PushButton13()` (name lookup and class test)", "call"}, Getter);
  }
  Add({"getter_write", "getter and one property write `PushButton13()->SetBold(b)`", "call"},
      GetterAndWrite);
}

}  // namespace bench
