#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editor/descriptions.h"
#include "editor/setform_fixture.h"
#include "model/module1.h"

namespace editortest {
namespace {

using fw::Int32;
using Marked = std::map<std::string, std::string>;

// Value editing of one item: its received value and the values that the long presses after
// the first one step it through.
struct SteppingCase {
  Int32 item;
  Int32 received;
  std::vector<Int32> steps;
};

std::ostream& operator<<(std::ostream& out, const SteppingCase& c) {
  return out << "Item" << c.item;
}

const SteppingCase kSteppingCases[] = {
    {5, 1, {0, 1, 0}},                 // largest value 1
    {6, 0, {1, 0}},                    // largest value 1
    {4, 2, {3, 0, 1, 2}},              // largest value 3
    {7, 5, {6, 7, 0, 1, 2, 3, 4, 5}},  // largest value 7
    {9, 7, {0, 1, 2, 3, 4, 5, 6, 7}},  // slider
    {12, 6, {7, 0, 1}},                // slider
};

class ValueStepping : public SetformTest, public ::testing::WithParamInterface<SteppingCase> {
 protected:
  // The item's value as its control shows it.
  std::string Shown(Int32 item) const {
    if (item <= 8)
      return fw::Str(form->Get<fw::PopupMenu>("PopupMenu" + fw::Str(item))->ListIndex());
    const std::string n = fw::Str(item - 8);
    return fw::Str(form->Get<fw::Slider>("Slider" + n)->Value()) + " " +
           form->Get<fw::Label>("StaticText" + fw::Str(item - 7))->Text();
  }
  static std::string Expected(Int32 item, Int32 value) {
    return item <= 8 ? fw::Str(value) : fw::Str(value) + " " + fw::Str(value + 1);
  }
  std::vector<std::string> ValueControls(Int32 item) const {
    if (item <= 8) return {"PopupMenu" + fw::Str(item)};
    return {"Slider" + fw::Str(item - 8), "StaticText" + fw::Str(item - 7)};
  }
};

TEST_P(ValueStepping, StepsAndWrapsPastTheLargestValue) {
  const SteppingCase& c = GetParam();
  for (Int32 k = 1; k <= 12; ++k)
    Module1::setval(k) = k % 2;
  Module1::setval(c.item) = c.received;
  OpenSettings();
  Arm();
  ShortPresses(c.item);
  ASSERT_EQ(Module1::btnindex, c.item);

  LongPress();  // only starts value editing
  EXPECT_EQ(Module1::btn13, 1);
  EXPECT_EQ(Enabled(ValueControls(c.item)), ValueControls(c.item));
  EXPECT_EQ(Module1::tempval(c.item), c.received);
  EXPECT_EQ(Shown(c.item), Expected(c.item, c.received));

  for (Int32 value : c.steps) {
    LongPress();
    EXPECT_EQ(Module1::tempval(c.item), value);
    EXPECT_EQ(Shown(c.item), Expected(c.item, value));
  }
  EXPECT_EQ(Module1::btnindex, c.item);
  EXPECT_EQ(Module1::btn13, 1);
  EXPECT_EQ(Marks(), (Marked{{"PushButton" + fw::Str(c.item), "DBU"}}));
  EXPECT_EQ(form->StaticText1()->Text(), editor::ItemDescription(c.item));
  for (Int32 k = 1; k <= 12; ++k) {
    if (k == c.item) continue;
    EXPECT_EQ(Module1::tempval(k), k % 2) << "item " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Items, ValueStepping, ::testing::ValuesIn(kSteppingCases),
                         [](const auto& info) { return "Item" + fw::Str(info.param.item); });

TEST_F(SetformTest, OnlySpeedEditingClearsTheFineAdjustmentBox) {
  Module1::setval(16) = 1;
  Module1::setval(17) = 1;
  Module1::setval(18) = 1;
  Module1::setval(20) = 1;
  OpenSettings();
  Arm();
  const std::vector<std::string> boxes = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"};
  auto ticked = [&] {
    std::vector<std::string> names;
    for (const auto& box : boxes) {
      if (form->Get<fw::CheckBox>(box)->Value()) names.push_back(box);
    }
    return names;
  };
  ASSERT_EQ(ticked(), boxes);

  ShortPresses(10);
  for (Int32 item = 10; item <= 12; ++item) {
    LongPresses(2);   // value editing, one step
    ShortPresses(2);  // item selection, the next item
  }
  EXPECT_EQ(ticked(), boxes);

  ShortPresses(9);  // item 13, then round to item 9
  ASSERT_EQ(Module1::btnindex, 9);
  LongPress();
  EXPECT_EQ(ticked(), (std::vector<std::string>{"CheckBox2", "CheckBox3", "CheckBox4"}));
}

TEST_F(SetformTest, LongPressesCycleTheFinishChoices) {
  OpenSettings();
  Arm();
  const struct {
    Int32 choice;
    const char* button;
    const char* text;
  } kCycle[] = {
      {1, "PushButton20",
       "説明：　短く押すと設定項目の選択に移ります。長く押すと「変更して終了」操作に移ります。"},
      {2, "PushButton15",
       "説明：　短く押すと現在の設定値を記憶して終了します。長く押すと「変更前に戻す」操作に移りま"
       "す。"},
      {3, "PushButton16",
       "説明：　短く押すと設定値を変更前の値に戻します。長く押すと「標準値に戻す」操作に移ります"
       "。"},
      {4, "PushButton18",
       "説明：　短く押すと設定値を標準的な値に戻します。長く押すと「設定を続ける」操作に移ります"
       "。"},
      {1, "PushButton20",
       "説明：　短く押すと設定項目の選択に移ります。長く押すと「変更して終了」操作に移ります。"},
  };
  for (const auto& step : kCycle) {
    LongPress();
    SCOPED_TRACE(step.button);
    EXPECT_EQ(Module1::btnindex, 13);
    EXPECT_EQ(Module1::btn13, step.choice);
    EXPECT_EQ(Marks(), (Marked{{step.button, "DBU"}}));
    EXPECT_EQ(form->StaticText1()->Text(), step.text);
    EXPECT_EQ(Enabled({"PushButton20", "PushButton15", "PushButton16", "PushButton18"}).size(), 4u);
  }
  EXPECT_FALSE(fw::QuitRequested());
}

}  // namespace
}  // namespace editortest
