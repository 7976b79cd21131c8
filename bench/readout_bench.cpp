#include <chrono>

#include "bench/program.h"
#include "bench/table.h"
#include "model/module1.h"
#include "support/device_sim.h"

// The read-out decoder: one pointer event over the "設　定" button, and whole read-outs.
namespace bench {

namespace {

using Clock = std::chrono::steady_clock;
using testsupport::kButtonCentre;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// 40 bits, steadily: the stream ends with a 1, whose down step leaves the decoder waiting
// for the next bit's left step at the position where the stream began. Storing from index
// 0 again keeps the read-out from completing.
void ReadoutEvent(benchmark::State& state) {
  StartProgram();
  ArmReadout();
  const testsupport::Positions steps = ReadoutEventSteps();
  fw::PushButton* button = TheStartWindow()->PushButton1().get();
  Platform& platform = CurrentPlatform();
  for (auto _ : state) {
    for (const testsupport::Point& p : steps)
      platform.Move(*button, p.x, p.y);
    if (Module1::i != 40 || Module1::phase != 0) {
      state.SkipWithError("the decoder did not record the 40 bits");
      break;
    }
    Module1::i = 0;
    if (platform.DefersRepaint()) {
      state.PauseTiming();
      platform.Settle();
      state.ResumeTiming();
    }
  }
  CountOps(state, static_cast<double>(steps.size()));
  EndProgram();
}

// A fresh program per read-out; the click and the events are timed. With `complete`, the
// completing event too, which converts the bits and opens the settings window.
void Readout(benchmark::State& state, bool complete) {
  const testsupport::Positions moves = testsupport::ReadoutMoves(SomeBits(), kButtonCentre);
  Platform& platform = CurrentPlatform();
  const std::size_t count = complete ? moves.size() : moves.size() - 1;
  for (auto _ : state) {
    StartProgram();
    fw::PushButton* button = TheStartWindow()->PushButton1().get();
    const Clock::time_point from = Clock::now();
    ClickButton();
    for (std::size_t n = 0; n < count; ++n)
      platform.Move(*button, moves[n].x, moves[n].y);
    if (complete) platform.Settle();
    state.SetIterationTime(Seconds(from, Clock::now()));
    if (Module1::phase != (complete ? 6 : 5)) {
      state.SkipWithError("the read-out did not get through");
      break;
    }
  }
  EndProgram();
}

void ReadoutBits(benchmark::State& state) {
  Readout(state, false);
}
void ReadoutWhole(benchmark::State& state) {
  Readout(state, true);
}

}  // namespace

void AddReadoutEventCase() {
  Add({"readout_event", "read-out: one pointer event over the button", "event",
       CurrentPlatform().Draws() ? 50.0 : 0.2},
      ReadoutEvent);
}

void AddReadoutCases() {
  // A fresh program per iteration: with peers that set-up costs milliseconds.
  const int iterations = CurrentPlatform().Draws() ? 200 : 0;
  Add({"readout_41_bits", "read-out: click and 41 bits (about 125 events)", "read-out", 0.0, true,
       iterations},
      ReadoutBits);
  Add({"readout_whole",
       "read-out: click, 41 bits and the completing event, which opens the settings window",
       "read-out", 0.0, true, iterations},
      ReadoutWhole);
}

}  // namespace bench
