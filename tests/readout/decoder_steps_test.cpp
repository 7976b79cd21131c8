#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "readout_fixture.h"
#include "support/case_name.h"

namespace readouttest {
namespace {

using testsupport::PrintTo;

using testsupport::LineCode;
using testsupport::Point;

// One pointer event in one phase, with 5 bits in and a tick count of 7.
struct StepCase {
  const char* name;
  Int32 phase;
  int dx, dy;
  Int32 phaseAfter;
  int bitRecorded;  // -1: none
  Int32 tmAfter;
};

class DecoderStep : public ReadoutTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(DecoderStep, MakesOnlyTheTransitionOfItsPhase) {
  const StepCase& c = GetParam();
  Arm();
  Module1::i = 5;
  Module1::phase = c.phase;
  Module1::tm = 7;
  Module1::bits(5) = 9;
  const Int32 x = Module1::mousX + c.dx * 3;
  const Int32 y = Module1::mousY + c.dy * 3;
  Move(x, y);

  EXPECT_EQ(Module1::phase, c.phaseAfter);
  EXPECT_EQ(Module1::tm, c.tmAfter);
  if (c.bitRecorded < 0) {
    EXPECT_EQ(Module1::i, 5);
    EXPECT_EQ(Module1::bits(5), 9);
  } else {
    EXPECT_EQ(Module1::i, 6);
    EXPECT_EQ(Module1::bits(5), c.bitRecorded);
    EXPECT_EQ(form->ProgressBar1()->Value(), 6);
  }
  EXPECT_EQ(Module1::mousX, x);
  EXPECT_EQ(Module1::mousY, y);
}

// Phases 0 wait-left, 1 wait-right, 2 wait-bit, 3 wait-down; each of the nine directions.
INSTANTIATE_TEST_SUITE_P(
    Table, DecoderStep,
    ::testing::Values(
        StepCase{"WaitLeft_Left", 0, -1, 0, 1, -1, 0},
        StepCase{"WaitLeft_LeftUp", 0, -1, -1, 1, -1, 0},
        StepCase{"WaitLeft_LeftDown", 0, -1, 1, 1, -1, 0},
        StepCase{"WaitLeft_None", 0, 0, 0, 0, -1, 7}, StepCase{"WaitLeft_Up", 0, 0, -1, 0, -1, 7},
        StepCase{"WaitLeft_Down", 0, 0, 1, 0, -1, 7}, StepCase{"WaitLeft_Right", 0, 1, 0, 0, -1, 7},
        StepCase{"WaitLeft_RightUp", 0, 1, -1, 0, -1, 7},
        StepCase{"WaitLeft_RightDown", 0, 1, 1, 0, -1, 7},
        StepCase{"WaitRight_Right", 1, 1, 0, 2, -1, 7},
        StepCase{"WaitRight_RightUp", 1, 1, -1, 2, -1, 7},
        StepCase{"WaitRight_RightDown", 1, 1, 1, 2, -1, 7},
        StepCase{"WaitRight_None", 1, 0, 0, 1, -1, 7}, StepCase{"WaitRight_Up", 1, 0, -1, 1, -1, 7},
        StepCase{"WaitRight_Down", 1, 0, 1, 1, -1, 7},
        StepCase{"WaitRight_Left", 1, -1, 0, 1, -1, 7},
        StepCase{"WaitRight_LeftUp", 1, -1, -1, 1, -1, 7},
        StepCase{"WaitRight_LeftDown", 1, -1, 1, 1, -1, 7},
        StepCase{"WaitBit_Left", 2, -1, 0, 1, 0, 0},
        StepCase{"WaitBit_LeftDown", 2, -1, 1, 1, 0, 0},
        StepCase{"WaitBit_LeftUp", 2, -1, -1, 3, 0, 0}, StepCase{"WaitBit_Up", 2, 0, -1, 3, -1, 7},
        StepCase{"WaitBit_RightUp", 2, 1, -1, 3, -1, 7},
        StepCase{"WaitBit_None", 2, 0, 0, 2, -1, 7}, StepCase{"WaitBit_Down", 2, 0, 1, 2, -1, 7},
        StepCase{"WaitBit_Right", 2, 1, 0, 2, -1, 7},
        StepCase{"WaitBit_RightDown", 2, 1, 1, 2, -1, 7},
        StepCase{"WaitDown_Down", 3, 0, 1, 0, 1, 7},
        StepCase{"WaitDown_LeftDown", 3, -1, 1, 0, 1, 7},
        StepCase{"WaitDown_RightDown", 3, 1, 1, 0, 1, 7},
        StepCase{"WaitDown_None", 3, 0, 0, 3, -1, 7}, StepCase{"WaitDown_Up", 3, 0, -1, 3, -1, 7},
        StepCase{"WaitDown_Left", 3, -1, 0, 3, -1, 7},
        StepCase{"WaitDown_Right", 3, 1, 0, 3, -1, 7},
        StepCase{"WaitDown_LeftUp", 3, -1, -1, 3, -1, 7},
        StepCase{"WaitDown_RightUp", 3, 1, -1, 3, -1, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadoutTest, OpenResetsTheReadoutButKeepsTheBits) {
  Module1::i = 17;
  Module1::tm = 4;
  Module1::phase = 3;
  Module1::bits(2) = 1;
  form->ProgressBar1()->SetVisible(true);
  form->Event_Open();
  EXPECT_EQ(Module1::i, readout::kIdle);
  EXPECT_EQ(Module1::tm, 0);
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
  EXPECT_EQ(Module1::bits(2), 1);
  EXPECT_FALSE(form->ProgressBar1()->Visible());
}

TEST_F(ReadoutTest, ClickArmsStartsTheTimerAndShowsTheStatus) {
  Module1::tm = 4;
  Module1::phase = 2;
  Click({30, 20});
  EXPECT_EQ(Module1::i, readout::kArmed);
  EXPECT_EQ(Module1::tm, 4);
  EXPECT_EQ(Module1::phase, 2);
  EXPECT_EQ(Module1::mousX, 30);
  EXPECT_EQ(Module1::mousY, 20);
  const std::vector<testsupport::TracedWrite> expected{
      {"Startform.Startform", "Timer1", "Period", "400"},
      {"Startform.Startform", "Timer1", "Mode", "2"},
      {"Startform.Startform", "StaticText2", "Visible", "False"},
      {"Startform.Startform", "StaticText3", "Text", "\"データ読み込み中\""},
      {"Startform.Startform", "ProgressBar1", "Visible", "True"},
      {"Startform.Startform", "ProgressBar1", "Value", "1"}};
  EXPECT_EQ(trace->writes, expected);
  EXPECT_EQ(Clock().NextTickIn(Timer()), 400);
  EXPECT_FALSE(Button().MouseDown.Raise(1, 1));
}

TEST_F(ReadoutTest, EventsBeforeTheClickOnlyMoveTheReference) {
  MoveOver(testsupport::ReadoutMoves(std::vector<int>(41, 1)));
  MoveOver({{-4, 3}, {100, -7}});
  EXPECT_TRUE(trace->writes.empty());
  EXPECT_EQ(Module1::i, readout::kIdle);
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
  EXPECT_EQ(Module1::bits(0), 0);
  EXPECT_EQ(Module1::mousX, 100);
  EXPECT_EQ(Module1::mousY, -7);
}

TEST_F(ReadoutTest, FirstEventAfterTheClickOnlySetsTheReference) {
  Click({100, 40});
  Move(50, 40);  // left of the press: still no step
  EXPECT_EQ(Module1::i, 0);
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
  Move(60, 40);  // left of the press, right of the reference: a right step, ignored
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
  Move(59, 40);
  EXPECT_EQ(Module1::phase, readout::kWaitRight);
}

TEST_F(ReadoutTest, LineCodeExampleRecordsOneZeroOne) {
  Arm();
  const testsupport::Positions moves = testsupport::BitSteps({1, 0, 1}, testsupport::kButtonCentre);
  MoveOver(moves);
  EXPECT_EQ(Recorded(3), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(Module1::i, 3);
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
}

TEST_F(ReadoutTest, LeftUpInWaitBitRecordsAZeroThenWaitsForDown) {
  Arm();
  MoveOver({{110, 42}, {111, 42}, {110, 41}});  // left, right, left+up
  EXPECT_EQ(Recorded(1), std::vector<int>{0});
  EXPECT_EQ(Module1::i, 1);
  EXPECT_EQ(Module1::phase, readout::kWaitDown);
  Move(110, 42);
  EXPECT_EQ(Recorded(2), (std::vector<int>{0, 1}));
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
}

// The 41st bit is a 0 recognised by a left+up step: the decoder waits for a down step that
// stores a 42nd bit. Only bits 0..39 are converted and 0..40 traced.
TEST_F(ReadoutTest, LeftUpOnTheFortyFirstBitStoresAFortySecond) {
  std::mt19937 rng(7);
  std::vector<int> bits = testsupport::RandomBits(rng, 40);
  bits.push_back(0);
  bits.push_back(1);
  LineCode code;
  code.combineLeftUp = true;
  testsupport::Positions moves = testsupport::ReadoutMoves(bits, testsupport::kButtonCentre, code);
  Click();
  // The reference, the steps up to the left+up that records the 41st bit.
  MoveOver({moves.begin(), moves.end() - 2});
  EXPECT_EQ(Module1::i, 41);
  EXPECT_EQ(Module1::phase, readout::kWaitDown);
  Move(moves[moves.size() - 2].x, moves[moves.size() - 2].y);
  EXPECT_EQ(Module1::i, 42);
  EXPECT_EQ(Module1::phase, readout::kBitsComplete);
  EXPECT_EQ(form->ProgressBar1()->Value(), 42);
  EXPECT_EQ(Probe().created, 0);
  Move(moves.back().x, moves.back().y);

  EXPECT_EQ(Recorded(42), bits);
  EXPECT_EQ(Probe().created, 1);
  EXPECT_EQ(Probe().setval, FieldValues(bits));
  EXPECT_EQ(form->StaticText1()->Text(), kHint + BitTrace(bits));
  EXPECT_EQ(Module1::i, 41);
}

struct LastBitCase {
  const char* name;
  int lastBit;
};

class LastBit : public ReadoutTest, public ::testing::WithParamInterface<LastBitCase> {};

// A 1 as 41st bit is in with its down step, a 0 with one more left step; neither resets the
// tick count, and one more event of any kind completes.
TEST_P(LastBit, IsRecordedByItsOwnStepThenOneEventCompletes) {
  std::vector<int> bits(40, 1);
  bits.push_back(GetParam().lastBit);
  LineCode code;
  code.completion = {0, 0};
  testsupport::Positions moves = testsupport::ReadoutMoves(bits, testsupport::kButtonCentre, code);
  const std::size_t recordAt = moves.size() - 2;
  Click();
  MoveOver({moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(recordAt)});
  EXPECT_EQ(Module1::i, 40);
  Clock().Advance(400 * 3);
  Move(moves[recordAt].x, moves[recordAt].y);
  EXPECT_EQ(Module1::i, 41);
  EXPECT_EQ(Module1::bits(40), GetParam().lastBit);
  EXPECT_EQ(Module1::phase, readout::kBitsComplete);
  EXPECT_EQ(Module1::tm, 3);
  EXPECT_EQ(moves.back(), moves[recordAt]);
  Move(moves.back().x, moves.back().y);
  EXPECT_EQ(Module1::phase, readout::kReadoutDone);
  EXPECT_EQ(Probe().created, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, LastBit,
                         ::testing::Values(LastBitCase{"One", 1}, LastBitCase{"Zero", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the signs count, however far apart two positions are.
TEST_F(ReadoutTest, ExtremePositionsAreClassifiedBySign) {
  constexpr Int32 kMin = std::numeric_limits<Int32>::min();
  constexpr Int32 kMax = std::numeric_limits<Int32>::max();
  Click();
  Move(kMax, 0);
  Move(kMin, 0);  // left
  EXPECT_EQ(Module1::phase, readout::kWaitRight);
  Move(kMax, 0);  // right
  EXPECT_EQ(Module1::phase, readout::kWaitBit);
  Move(kMax, kMin);  // up
  EXPECT_EQ(Module1::phase, readout::kWaitDown);
  Move(kMax, kMax);  // down
  EXPECT_EQ(Module1::phase, readout::kWaitLeft);
  EXPECT_EQ(Recorded(1), std::vector<int>{1});
}

// A click during a read-out arms again: bits are stored from index 0, in the current phase.
TEST_F(ReadoutTest, ClickDuringTheReadoutStoresAgainFromIndexZero) {
  Arm();
  testsupport::Positions steps = testsupport::BitSteps({1, 0}, testsupport::kButtonCentre);
  steps.pop_back();  // the 0 is not yet recognised
  MoveOver(steps);
  ASSERT_EQ(Module1::i, 1);
  ASSERT_EQ(Module1::phase, readout::kWaitBit);
  Click();
  Move(50, 50);
  EXPECT_EQ(Module1::i, 0);
  EXPECT_EQ(Module1::phase, readout::kWaitBit);
  MoveOver(testsupport::BitSteps({1}, {50, 50}));
  // The first left step recognises the pending 0, stored at index 0.
  EXPECT_EQ(Module1::i, 2);
  EXPECT_EQ(Recorded(2), (std::vector<int>{0, 1}));
  const std::vector<std::string> bar = ValuesOf("ProgressBar1", "Value");
  EXPECT_EQ(bar, (std::vector<std::string>{"1", "1", "1", "1", "2"}));
}

// Random pointer streams with clicks in between never leave the bit array's bounds.
TEST_F(ReadoutTest, RandomStreamsStayInBounds) {
  std::mt19937 rng(99);
  for (int run = 0; run < 200; ++run) {
    if (run > 0) Restart();
    Int32 x = 111;
    Int32 y = 42;
    for (int event = 0; event < 600; ++event) {
      const unsigned pick = rng() % 40;
      if (pick == 0) {
        Click({x, y});
        continue;
      }
      x += static_cast<Int32>(rng() % 5) - 2;
      y += static_cast<Int32>(rng() % 5) - 2;
      ASSERT_NO_THROW(Move(x, y));
      ASSERT_GE(Module1::i, -2);
      ASSERT_LE(Module1::i, 42);
    }
    EXPECT_LE(Probe().created, 1);
  }
}

}  // namespace
}  // namespace readouttest
