#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/descriptions.h"
#include "editor/setform_fixture.h"
#include "model/module1.h"

namespace editortest {
namespace {

using fw::Int32;

// One row of the switch-signal decoder: the state and pointer moves it starts from (the
// reference at (100, 100)), what the moves decode to and where the decoder ends up.
struct DecoderCase {
  const char* name;
  Int32 state;
  std::vector<Point> moves;
  int longPresses;
  int shortPresses;
  int strays;
  Int32 stateAfter;
  Point referenceAfter;
};

std::ostream& operator<<(std::ostream& out, const DecoderCase& c) {
  return out << c.name;
}

constexpr Int32 kUnarmed = -1, kIdle = 0, kLeftSeen = 1, kUpSeen = 2;

const DecoderCase kDecoderCases[] = {
    // Unarmed: small moves only move the reference; the first jump arms and decodes nothing.
    {"UnarmedSmallMoves", kUnarmed, {{103, 98}, {115, 98}, {95, 98}}, 0, 0, 0, kUnarmed, {95, 98}},
    {"UnarmedJump21LeftUp", kUnarmed, {{90, 89}}, 0, 0, 0, kIdle, {90, 89}},
    {"UnarmedJump300", kUnarmed, {{-200, 100}}, 0, 0, 0, kIdle, {-200, 100}},
    {"ArmThenPress", kUnarmed, {{400, 100}, {400, 97}, {400, 100}}, 0, 1, 0, kIdle, {400, 100}},
    // Idle.
    {"IdleLeft", kIdle, {{97, 100}}, 0, 0, 0, kLeftSeen, {97, 100}},
    {"IdleUp", kIdle, {{100, 97}}, 0, 0, 0, kUpSeen, {100, 97}},
    {"IdleLeftUp", kIdle, {{97, 97}}, 0, 0, 0, kUpSeen, {97, 97}},
    {"IdleRight", kIdle, {{103, 100}}, 0, 0, 0, kIdle, {103, 100}},
    {"IdleDown", kIdle, {{100, 103}}, 0, 0, 0, kIdle, {100, 103}},
    {"IdleNoStep", kIdle, {{100, 100}}, 0, 0, 0, kIdle, {100, 100}},
    {"IdleLeftOfSize20", kIdle, {{80, 100}}, 0, 0, 0, kLeftSeen, {80, 100}},
    {"IdleLeftOfSize21", kIdle, {{79, 100}}, 0, 0, 1, kIdle, {100, 100}},
    {"IdleMixedSize20", kIdle, {{90, 90}}, 0, 0, 0, kUpSeen, {90, 90}},
    // Left step seen.
    {"LeftSeenRight", kLeftSeen, {{103, 100}}, 1, 0, 0, kIdle, {103, 100}},
    {"LeftSeenRightUp", kLeftSeen, {{102, 98}}, 1, 0, 0, kUpSeen, {102, 98}},
    {"LeftSeenUp", kLeftSeen, {{100, 96}}, 0, 0, 0, kUpSeen, {100, 96}},
    {"LeftSeenDown", kLeftSeen, {{100, 104}}, 0, 0, 0, kLeftSeen, {100, 104}},
    {"LeftSeenLeft", kLeftSeen, {{97, 100}}, 0, 0, 0, kLeftSeen, {97, 100}},
    {"LeftSeenNoStep", kLeftSeen, {{100, 100}}, 0, 0, 0, kLeftSeen, {100, 100}},
    {"LeftSeenJump", kLeftSeen, {{150, 100}}, 0, 0, 1, kLeftSeen, {100, 100}},
    // Up step seen.
    {"UpSeenDown", kUpSeen, {{100, 103}}, 0, 1, 0, kIdle, {100, 103}},
    {"UpSeenDownLeft", kUpSeen, {{98, 102}}, 0, 1, 0, kLeftSeen, {98, 102}},
    {"UpSeenRight", kUpSeen, {{104, 100}}, 0, 0, 0, kUpSeen, {104, 100}},
    {"UpSeenUp", kUpSeen, {{100, 97}}, 0, 0, 0, kUpSeen, {100, 97}},
    {"UpSeenLeft", kUpSeen, {{97, 100}}, 0, 0, 0, kLeftSeen, {97, 100}},
    {"UpSeenNoStep", kUpSeen, {{100, 100}}, 0, 0, 0, kUpSeen, {100, 100}},
    {"UpSeenJump", kUpSeen, {{100, 50}}, 0, 0, 1, kUpSeen, {100, 100}},
    // Whole presses and jumps.
    {"ShortPress", kIdle, {{100, 97}, {100, 100}}, 0, 1, 0, kIdle, {100, 100}},
    {"LongPress", kIdle, {{97, 100}, {100, 100}}, 1, 0, 0, kIdle, {100, 100}},
    {"PressOfSize20", kIdle, {{100, 80}, {100, 100}}, 0, 1, 0, kIdle, {100, 100}},
    {"PressOfSize21", kIdle, {{100, 79}, {100, 100}}, 0, 0, 1, kIdle, {100, 100}},
    {"TwoJumpsInARow", kIdle, {{130, 100}, {100, 60}}, 0, 0, 2, kIdle, {100, 100}},
    {"JumpMidPress", kIdle, {{97, 100}, {160, 100}, {100, 100}}, 1, 0, 1, kIdle, {100, 100}},
};

class DecoderTable : public SetformTest, public ::testing::WithParamInterface<DecoderCase> {};

int Count(const testsupport::TraceRecorder& trace, const std::string& control,
          const std::string& prop, const std::string& value = "") {
  int n = 0;
  for (const auto& w : trace.writes) {
    if (w.control == control && w.prop == prop && (value.empty() || w.value == value)) ++n;
  }
  return n;
}

// Every row runs in value editing of item 7: a long press steps PopupMenu7, a short press
// ends the editing by disabling it, and a stray pointer repaints the panel.
TEST_P(DecoderTable, DecodesMoves) {
  const DecoderCase& c = GetParam();
  OpenSettings();
  Module1::btnindex = 7;
  Module1::btn13 = 1;
  Module1::sphase = c.state;
  Module1::mousX = 100;
  Module1::mousY = 100;

  testsupport::TraceRecorder trace;
  Move(c.moves);

  EXPECT_EQ(Count(trace, "PopupMenu7", "ListIndex"), c.longPresses);
  EXPECT_EQ(Count(trace, "PopupMenu7", "Enabled", "False"), c.shortPresses);
  EXPECT_EQ(Count(trace, "Rectangle1", "FillColor", "#FF50A0"), c.strays);
  EXPECT_EQ(
      Count(trace, "StaticText1", "Text", "\"" + std::string(editor::kStrayPointerMessage) + "\""),
      c.strays);
  EXPECT_EQ(Module1::sphase, c.stateAfter);
  EXPECT_EQ((Point{Module1::mousX, Module1::mousY}), c.referenceAfter);
}

INSTANTIATE_TEST_SUITE_P(Moves, DecoderTable, ::testing::ValuesIn(kDecoderCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the signs count: presses of any step up to 20 pixels decode alike.
class PressStep : public SetformTest, public ::testing::WithParamInterface<Int32> {};

TEST_P(PressStep, DecodesPressesOfThisStep) {
  OpenSettings();
  Arm();
  sim.SetStep(GetParam());
  LongPress();  // the finish choices open at continue
  EXPECT_EQ(Module1::btn13, 1);
  LongPress();
  EXPECT_EQ(Module1::btn13, 2);
  ShortPress();  // finish with change
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(Module1::sphase, 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, PressStep, ::testing::Values(1, 15, 20),
                         [](const auto& info) { return "Step" + fw::Str(info.param); });

TEST_F(SetformTest, StrayPointerPaintsThePanelUntilTheEnd) {
  OpenSettings();
  Arm();
  Move(sim.Stray());
  EXPECT_EQ(form->Rectangle1()->FillColor(), fw::RGB(255, 80, 160));
  EXPECT_EQ(form->StaticText1()->Text(),
            "設定中はヌピレオ以外のマウスを使わないでください。スイッチを長く３回押して終了し、"
            "設定ソフト起動からやり直してください。");
  EXPECT_EQ(Module1::btnindex, 13);
  EXPECT_EQ(Module1::btn13, 0);
  EXPECT_FALSE(fw::QuitRequested());

  ShortPress();  // decoded from the reference held before the jump
  EXPECT_EQ(Module1::btnindex, 1);
  EXPECT_EQ(form->StaticText1()->Text(), editor::ItemDescription(1));
  EXPECT_EQ(form->Rectangle1()->FillColor(), fw::RGB(255, 80, 160));
}

TEST_F(SetformTest, ClickOnTheWindowQuitsAndIsNotHandled) {
  OpenSettings();
  EXPECT_FALSE(form->RaiseMouseDown(12, 34));
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
}  // namespace editortest
