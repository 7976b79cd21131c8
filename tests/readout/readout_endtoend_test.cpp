#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "readout_fixture.h"

namespace readouttest {
namespace {

using testsupport::LineCode;
using testsupport::Point;

TEST_F(ReadoutTest, RandomReadoutsRecordEveryBitAndOpenTheSettingsWindowOnce) {
  std::mt19937 rng(20240517);
  for (int run = 0; run < 1000; ++run) {
    if (run > 0) Restart();
    const std::vector<int> bits = testsupport::RandomBits(rng);
    LineCode code;
    code.step = 1 + static_cast<Int32>(rng() % 6);
    code.combineLeftUp = run % 2 == 1;
    const Point start{static_cast<Int32>(rng() % 222), static_cast<Int32>(rng() % 84)};
    SCOPED_TRACE("run " + std::to_string(run) + " step " + std::to_string(code.step) +
                 (code.combineLeftUp ? " combined" : ""));

    testsupport::DriveReadout(Button(), bits, start, code);

    ASSERT_EQ(Recorded(41), bits);
    EXPECT_EQ(Module1::phase, readout::kReadoutDone);
    EXPECT_EQ(Module1::i, 41);
    EXPECT_EQ(form->ProgressBar1()->Value(), 41);
    EXPECT_EQ(Probe().setval, FieldValues(bits));
    EXPECT_EQ(Probe().created, 1);
    EXPECT_EQ(SettingsShown(), 1);
    EXPECT_EQ(form->StaticText1()->Text(), kHint + BitTrace(bits));
  }
}

TEST_F(ReadoutTest, ProgressBarFollowsTheBitCount) {
  const std::vector<int> bits(41, 1);
  testsupport::DriveReadout(Button(), bits);
  std::vector<std::string> expected{"1"};
  for (int n = 1; n <= 41; ++n)
    expected.push_back(std::to_string(n));
  EXPECT_EQ(ValuesOf("ProgressBar1", "Value"), expected);
}

TEST_F(ReadoutTest, CompletionConvertsShowsThenAppendsTheTraceAndStoresThePositionLast) {
  std::vector<int> bits(41, 0);
  bits[40] = 1;
  bits[7] = 1;
  testsupport::Positions moves = testsupport::ReadoutMoves(bits);
  const Point completing{5, 70};
  moves.back() = completing;
  const Point beforeLast = moves[moves.size() - 2];
  Click();
  MoveOver(moves);

  const SettingsWindowProbe& seen = Probe();
  EXPECT_EQ(seen.phase, readout::kBitsComplete);
  EXPECT_EQ(seen.timerPeriod, 500);
  EXPECT_EQ(seen.timerMode, fw::kTimerModeMultiple);
  EXPECT_EQ(seen.setval, FieldValues(bits));
  EXPECT_EQ(seen.hintText, kHint);
  EXPECT_EQ(seen.mousX, beforeLast.x);
  EXPECT_EQ(seen.mousY, beforeLast.y);
  EXPECT_EQ(Module1::mousX, completing.x);
  EXPECT_EQ(Module1::mousY, completing.y);

  const std::string appended = form->StaticText1()->Text().substr(std::string(kHint).size());
  EXPECT_EQ(appended, "00000001 00000000 00000000 00000000 00000000 1");
  EXPECT_EQ(appended.size(), 46u);
  EXPECT_EQ(Clock().NextTickIn(Timer()), 500);
}

TEST_F(ReadoutTest, EventsAfterCompletionAreIgnored) {
  testsupport::DriveReadout(Button(), std::vector<int>(41, 1));
  const std::string text = form->StaticText1()->Text();
  trace->writes.clear();
  MoveOver(testsupport::ReadoutMoves(std::vector<int>(41, 0)));
  EXPECT_TRUE(trace->writes.empty());
  EXPECT_EQ(Probe().created, 1);
  EXPECT_EQ(Module1::phase, readout::kReadoutDone);
  EXPECT_EQ(form->StaticText1()->Text(), text);
}

TEST_F(ReadoutTest, TickAfterCompletionShowsTheSettingsWindowAgainAndStopsTheTimer) {
  testsupport::DriveReadout(Button(), std::vector<int>(41, 1));
  Clock().Advance(499);
  EXPECT_EQ(SettingsShown(), 1);
  Clock().Advance(1);
  EXPECT_EQ(Probe().created, 1);
  EXPECT_EQ(SettingsShown(), 2);
  EXPECT_EQ(Timer().Mode(), fw::kTimerModeOff);
  EXPECT_EQ(Timer().Period(), 500);
  EXPECT_EQ(Clock().NextTickIn(Timer()), -1);
  EXPECT_EQ(Module1::tm, 1);
  EXPECT_FALSE(fw::QuitRequested());
}

// Ticks between the 41st bit and the completing event neither convert nor open anything.
TEST_F(ReadoutTest, TicksBeforeTheCompletingEventLeaveTheSettingsWindowAlone) {
  const std::vector<int> bits(41, 1);
  testsupport::Positions moves = testsupport::ReadoutMoves(bits);
  const Point completing = moves.back();
  moves.pop_back();
  Click();
  MoveOver(moves);
  ASSERT_EQ(Module1::phase, readout::kBitsComplete);
  Clock().Advance(400 * 3);
  EXPECT_EQ(Module1::tm, 3);
  EXPECT_EQ(Probe().created, 0);
  EXPECT_EQ(Module1::setval(1), 0);
  EXPECT_EQ(Module1::phase, readout::kBitsComplete);

  Move(completing.x, completing.y);
  EXPECT_EQ(Probe().created, 1);
  EXPECT_EQ(Module1::setval(1), 3);
}

}  // namespace
}  // namespace readouttest
