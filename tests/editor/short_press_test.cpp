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

const std::vector<std::string> kChoiceButtons = {"PushButton20", "PushButton15", "PushButton16",
                                                 "PushButton18"};

std::string Button(Int32 item) {
  return "PushButton" + fw::Str(item);
}

TEST_F(SetformTest, ShortPressesWalkTheThirteenItems) {
  OpenSettings();
  Arm();
  ShortPress();  // from the finish item, where the window opens, to item 1
  ASSERT_EQ(Module1::btnindex, 1);

  for (Int32 item : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1}) {
    ShortPress();
    SCOPED_TRACE("item " + fw::Str(item));
    EXPECT_EQ(Module1::btnindex, item);
    EXPECT_EQ(Module1::btn13, 0);
    EXPECT_EQ(Marks(), (Marked{{Button(item), "DBU"}}));
    EXPECT_EQ(form->StaticText1()->Text(), editor::ItemDescription(item));
    EXPECT_TRUE(Enabled(kChoiceButtons).empty());
  }
}

TEST_F(SetformTest, EmphasisMoveWritesInTheDeviceOrder) {
  OpenSettings();
  Arm();
  ShortPress();  // item 1

  testsupport::TraceRecorder trace;
  ShortPress();

  const std::string w = kSetform;
  const std::vector<testsupport::TracedWrite> expected = {
      {w, "PushButton1", "Default", "False"},
      {w, "PushButton2", "Bold", "True"},
      {w, "PushButton2", "Underline", "True"},
      {w, "PushButton2", "Default", "True"},
      {w, "PushButton1", "Bold", "False"},
      {w, "PushButton1", "Underline", "False"},
      {w, "StaticText1", "Text", "\"" + editor::ItemDescription(2) + "\""},
  };
  EXPECT_EQ(trace.writes, expected);
}

TEST_F(SetformTest, ShortPressEndsValueEditingAtTheSameItem) {
  Module1::setval(17) = 1;  // speed fine adjustment on
  OpenSettings();
  Arm();
  ShortPresses(9);  // item 9
  LongPress();      // value editing
  ASSERT_EQ(Module1::btn13, 1);
  ASSERT_EQ(Enabled({"Slider1", "StaticText2"}),
            (std::vector<std::string>{"Slider1", "StaticText2"}));
  ASSERT_FALSE(form->CheckBox1()->Value());

  ShortPress();
  EXPECT_EQ(Module1::btnindex, 9);
  EXPECT_EQ(Module1::btn13, 0);
  EXPECT_TRUE(Enabled({"Slider1", "StaticText2"}).empty());
  EXPECT_EQ(Marks(), (Marked{{"PushButton9", "DBU"}}));
  EXPECT_EQ(form->StaticText1()->Text(), editor::ItemDescription(9));
  EXPECT_FALSE(form->CheckBox1()->Value());

  ShortPress();
  EXPECT_EQ(Module1::btnindex, 10);
}

TEST_F(SetformTest, ShortPressLeavesTheContinueChoice) {
  OpenSettings();
  Arm();
  LongPress();  // continue
  ASSERT_EQ(Module1::btn13, 1);

  ShortPress();
  EXPECT_EQ(Module1::btnindex, 13);
  EXPECT_EQ(Module1::btn13, 0);
  // PushButton20 keeps its Default: leaving the choice does not write it.
  EXPECT_EQ(Marks(), (Marked{{"PushButton13", "DBU"}, {"PushButton20", "D"}}));
  EXPECT_TRUE(Enabled(kChoiceButtons).empty());
  EXPECT_EQ(form->StaticText1()->Text(), editor::ItemDescription(13));

  LongPress();  // the finish choices open again at continue
  EXPECT_EQ(Module1::btn13, 1);
  EXPECT_EQ(Marks(), (Marked{{"PushButton20", "DBU"}}));
  EXPECT_EQ(Enabled(kChoiceButtons), kChoiceButtons);
}

TEST_F(SetformTest, FinishWithChangeQuitsBeforeAnyWrite) {
  OpenSettings();
  Arm();
  LongPresses(2);  // finish with change
  ASSERT_EQ(Module1::btn13, 2);

  testsupport::TraceRecorder trace;
  ShortPress();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_TRUE(trace.writes.empty());
  EXPECT_EQ(fw::RuntimeExit(), 0);

  LongPress();  // nothing reaches the handlers any more
  EXPECT_EQ(Module1::btn13, 2);
}

}  // namespace
}  // namespace editortest
