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

// Received values of items 1..12, each within its largest value.
const std::vector<Int32> kReceived = {1, 3, 0, 1, 1, 0, 6, 2, 5, 0, 7, 4};
const std::vector<Int32> kStandard = {0, 2, 2, 2, 0, 0, 1, 3, 3, 3, 3, 3};

class WorkingValuesTest : public SetformTest {
 protected:
  void SetUp() override {
    SetformTest::SetUp();
    for (Int32 k = 1; k <= 12; ++k)
      Module1::setval(k) = kReceived[k - 1];
    OpenSettings();
    Arm();
  }

  std::vector<Int32> Working() const {
    std::vector<Int32> values;
    for (Int32 k = 1; k <= 12; ++k)
      values.push_back(Module1::tempval(k));
    return values;
  }

  // What the value controls show, read back as values.
  std::vector<Int32> Shown() const {
    std::vector<Int32> values;
    for (Int32 k = 1; k <= 8; ++k) {
      values.push_back(form->Get<fw::PopupMenu>("PopupMenu" + fw::Str(k))->ListIndex());
    }
    for (Int32 n = 1; n <= 4; ++n) {
      const Int32 value = form->Get<fw::Slider>("Slider" + fw::Str(n))->Value();
      EXPECT_EQ(form->Get<fw::Label>("StaticText" + fw::Str(n + 1))->Text(), fw::Str(value + 1));
      values.push_back(value);
    }
    return values;
  }

  // Steps items 1 and 11 away from their received values, ending at the finish item.
  void EditTwoItems() {
    ShortPress();      // item 1
    LongPresses(3);    // value editing, 1 -> 2 -> 3
    ShortPresses(11);  // item selection, on to item 11
    LongPresses(2);    // value editing, 7 -> 0
    ShortPresses(3);   // item selection, item 12, finish item
    ASSERT_EQ(Module1::btnindex, 13);
    ASSERT_EQ(Module1::btn13, 0);
  }
};

TEST_F(WorkingValuesTest, OpeningShowsTheReceivedValues) {
  EXPECT_EQ(Working(), kReceived);
  EXPECT_EQ(Shown(), kReceived);
  EXPECT_EQ(Module1::i, 16);
}

TEST_F(WorkingValuesTest, RevertIsCarriedOutByTheShortPressOnly) {
  EditTwoItems();
  std::vector<Int32> edited = kReceived;
  edited[0] = 3;
  edited[10] = 0;
  ASSERT_EQ(Working(), edited);

  LongPresses(3);  // revert choice
  ASSERT_EQ(Module1::btn13, 3);
  EXPECT_EQ(Working(), edited);
  EXPECT_EQ(Shown(), edited);

  const std::string description = form->StaticText1()->Text();
  for (int press = 0; press < 2; ++press) {
    ShortPress();
    EXPECT_EQ(Working(), kReceived);
    EXPECT_EQ(Shown(), kReceived);
    EXPECT_EQ(Module1::btnindex, 13);
    EXPECT_EQ(Module1::btn13, 3);
    EXPECT_EQ(Marks(), (Marked{{"PushButton16", "DBU"}}));
    EXPECT_EQ(form->StaticText1()->Text(), description);
  }
}

TEST_F(WorkingValuesTest, StandardValuesAreCarriedOutByTheShortPressOnly) {
  LongPresses(4);  // standard values choice
  ASSERT_EQ(Module1::btn13, 4);
  EXPECT_EQ(Working(), kReceived);

  ShortPress();
  EXPECT_EQ(Working(), kStandard);
  EXPECT_EQ(Shown(), kStandard);
  EXPECT_EQ(Module1::btn13, 4);
  EXPECT_EQ(Marks(), (Marked{{"PushButton18", "DBU"}}));
  EXPECT_EQ(form->StaticText1()->Text(), editor::FinishChoiceDescription(4));

  LongPresses(3);  // continue, finish with change, revert
  ShortPress();
  EXPECT_EQ(Working(), kReceived);
  EXPECT_EQ(Shown(), kReceived);
}

TEST_F(WorkingValuesTest, FinishCycleRunsThroughAllChoicesAndBackToTheItems) {
  EditTwoItems();
  LongPresses(5);  // continue, finish with change, revert, standard values, continue
  ASSERT_EQ(Module1::btn13, 1);
  EXPECT_NE(Working(), kReceived);  // nothing was carried out on the way

  ShortPress();  // leave continue
  EXPECT_EQ(Module1::btn13, 0);
  ShortPress();
  EXPECT_EQ(Module1::btnindex, 1);
  EXPECT_EQ(Module1::btn13, 0);
  EXPECT_FALSE(fw::QuitRequested());
}

}  // namespace
}  // namespace editortest
