#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "readout_fixture.h"
#include "support/case_name.h"

namespace readouttest {
namespace {

using testsupport::PrintTo;

constexpr const char* kReading = "データ読み込み中";
constexpr const char* kNoResponse = "応答がありません。中断します。";

class TimeoutTest : public ReadoutTest {
 protected:
  void ExpectNoResponseShown() {
    EXPECT_EQ(Status(), kNoResponse);
    EXPECT_EQ(form->Rectangle1()->FillColor(), kNoResponseColour);
    EXPECT_EQ(Timer().Period(), 2000);
    EXPECT_EQ(Timer().Mode(), fw::kTimerModeMultiple);
    EXPECT_FALSE(fw::QuitRequested());
  }
  void ExpectQuitWithZero() {
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(Timer().Mode(), fw::kTimerModeOff);
    EXPECT_EQ(Timer().Period(), 500);
    EXPECT_EQ(fw::RuntimeExit(), 0);
  }
  // The bit steps that record `bits` from the current reference; the first is a bit start.
  void SendBits(const std::vector<int>& bits) {
    MoveOver(testsupport::BitSteps(bits, {Module1::mousX, Module1::mousY}));
  }
};

TEST_F(TimeoutTest, TenthTickWithoutABitStartShowsTheMessageAndTheNextQuits) {
  Click();
  Clock().Advance(400 * 9);
  EXPECT_EQ(Status(), kReading);
  EXPECT_EQ(form->Rectangle1()->FillColor(), kPanelColour);
  Clock().Advance(400);
  ExpectNoResponseShown();
  Clock().Advance(1999);
  EXPECT_FALSE(fw::QuitRequested());
  Clock().Advance(1);
  EXPECT_EQ(Module1::tm, 11);
  ExpectQuitWithZero();
}

// The count runs from the last bit start: a 1's down step does not reset it.
TEST_F(TimeoutTest, CountRunsFromTheLastBitStart) {
  Arm();
  Clock().Advance(400 * 8);
  SendBits({1});
  EXPECT_EQ(Module1::tm, 0);
  Clock().Advance(400 * 9);
  EXPECT_EQ(Status(), kReading);
  Clock().Advance(400);
  ExpectNoResponseShown();
}

TEST_F(TimeoutTest, BitStartAfterTheMessageLetsTheReadoutGoOnAtTheSlowPeriod) {
  Arm();
  Clock().Advance(400 * 10);
  ExpectNoResponseShown();
  Clock().Advance(1000);
  SendBits({0, 1});
  EXPECT_EQ(Module1::tm, 0);
  Clock().Advance(2000 * 9);
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_EQ(Timer().Period(), 2000);
  EXPECT_EQ(Status(), kNoResponse);
  EXPECT_EQ(form->Rectangle1()->FillColor(), kNoResponseColour);

  // The rest of the read-out completes; its next tick opens nothing new and stops the timer.
  std::vector<int> rest(39, 1);
  testsupport::Positions moves = testsupport::BitSteps(rest, {Module1::mousX, Module1::mousY});
  moves.push_back({moves.back().x + 1, moves.back().y});
  MoveOver(moves);
  EXPECT_EQ(Module1::phase, readout::kReadoutDone);
  EXPECT_EQ(Recorded(2), (std::vector<int>{0, 1}));
  Clock().Advance(500);
  EXPECT_EQ(SettingsShown(), 2);
  EXPECT_EQ(Timer().Mode(), fw::kTimerModeOff);
  EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(TimeoutTest, SecondSilenceAtTheSlowPeriodEndsTheApplication) {
  Arm();
  Clock().Advance(400 * 10);
  SendBits({1});
  Clock().Advance(2000 * 9);
  EXPECT_FALSE(fw::QuitRequested());
  Clock().Advance(2000);
  ExpectNoResponseShown();
  Clock().Advance(2000);
  ExpectQuitWithZero();
}

// A click after the message: fast ticks and the reading text again, the panel keeps its
// colour and the count stays at 10.
TEST_F(TimeoutTest, ClickAfterTheMessageArmsAgainButKeepsTheCount) {
  Click();
  Clock().Advance(400 * 10);
  Click();
  EXPECT_EQ(Timer().Period(), 400);
  EXPECT_EQ(Status(), kReading);
  EXPECT_EQ(form->Rectangle1()->FillColor(), kNoResponseColour);
  EXPECT_EQ(Module1::tm, 10);
  Clock().Advance(400);
  ExpectQuitWithZero();
}

TEST_F(TimeoutTest, ClickAfterTheMessageThenABitStartGoesOn) {
  Click();
  Clock().Advance(400 * 10);
  Arm();
  SendBits({1});
  Clock().Advance(400 * 9);
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_EQ(Timer().Period(), 400);
  EXPECT_EQ(Status(), kReading);
}

struct AfterMessageCase {
  const char* name;
  int ticksBeforeCompletion;  // ticks after the last bit start, before the completing event
  bool quits;
};

class CompletionAfterSilence : public TimeoutTest,
                               public ::testing::WithParamInterface<AfterMessageCase> {};

// The tick after the completion shows the settings window and stops the timer; at a count of
// 11 it also quits, at exactly 10 it writes the message on the hidden start window and the
// program goes on.
TEST_P(CompletionAfterSilence, FirstTickAfterCompletion) {
  testsupport::Positions moves = testsupport::ReadoutMoves(std::vector<int>(41, 1));
  const testsupport::Point completing = moves.back();
  moves.pop_back();
  Click();
  MoveOver(moves);
  Clock().Advance(400 * GetParam().ticksBeforeCompletion);
  EXPECT_EQ(Probe().created, 0);
  Move(completing.x, completing.y);
  ASSERT_EQ(Probe().created, 1);
  Clock().Advance(500);
  EXPECT_EQ(SettingsShown(), 2);
  EXPECT_EQ(Timer().Mode(), fw::kTimerModeOff);
  EXPECT_EQ(fw::QuitRequested(), GetParam().quits);
  if (GetParam().quits) {
    EXPECT_EQ(fw::RuntimeExit(), 0);
  } else {
    EXPECT_EQ(Status(), kNoResponse);
    EXPECT_EQ(Timer().Period(), 2000);
    Clock().Advance(60000);
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(SettingsShown(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CompletionAfterSilence,
                         ::testing::Values(AfterMessageCase{"AfterTheMessage", 10, true},
                                           AfterMessageCase{"CountReachesTen", 9, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CancelCase {
  const char* name;
  int bitsBefore;  // -1: before the click
  int ticksBefore;
};

class Cancel : public ReadoutTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(Cancel, QuitsWithZeroAtAnyMoment) {
  if (GetParam().bitsBefore >= 0) {
    Arm();
    MoveOver(testsupport::BitSteps(std::vector<int>(GetParam().bitsBefore, 1),
                                   testsupport::kButtonCentre));
    Clock().Advance(400 * GetParam().ticksBefore);
  }
  form->PushButton2()->Action.Raise();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Moments, Cancel,
                         ::testing::Values(CancelCase{"Idle", -1, 0}, CancelCase{"Armed", 0, 0},
                                           CancelCase{"Receiving", 12, 3},
                                           CancelCase{"AfterTheMessage", 3, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace readouttest
