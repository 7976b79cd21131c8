#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/menu_bar1.h"
#include "framework/framework.h"
#include "support/headless.h"

namespace {

using Bar = class app::MenuBar1;

class MenuBarTest : public testsupport::HeadlessTest {
 protected:
  void TearDown() override {
    Bar::_implicitInstance.Exit();
    HeadlessTest::TearDown();
  }
};

struct ItemRow {
  const char* name;
  const char* text;
  const char* shortcut;
  bool quitItem;
};

void ExpectItems(const fw::MenuItem& menu, const std::vector<ItemRow>& rows) {
  ASSERT_EQ(menu.Count(), rows.size());
  for (std::size_t n = 0; n < rows.size(); ++n) {
    const fw::MenuItem& item = menu.Item(n);
    SCOPED_TRACE(rows[n].name);
    EXPECT_EQ(item.Name(), rows[n].name);
    EXPECT_EQ(item.Text(), rows[n].text);
    EXPECT_EQ(item.KeyboardShortcut(), rows[n].shortcut);
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_EQ(dynamic_cast<const fw::QuitMenuItem*>(&item) != nullptr, rows[n].quitItem);
  }
}

TEST_F(MenuBarTest, TwoCallsGiveOneBarOfTwoMenusAndNineItems) {
  std::shared_ptr<Bar> first = app::MenuBar1();
  std::shared_ptr<Bar> second = app::MenuBar1();
  EXPECT_EQ(first, second);
  EXPECT_EQ(Bar::_implicitInstance.Get(), first);

  ExpectItems(*first, {{"FileMenu", "ファイル", "", false}, {"EditMenu", "編集", "", false}});
  ExpectItems(first->Item(0), {{"FileQuit", "終了", "Cmd+Q", true}});
  ExpectItems(first->Item(1), {
                                  {"EditUndo", "取り消し", "Cmd+Z", false},
                                  {"UntitledMenu1", "-", "", false},
                                  {"EditCut", "カット", "Cmd+X", false},
                                  {"EditCopy", "コピー", "Cmd+C", false},
                                  {"EditPaste", "ペースト", "Cmd+V", false},
                                  {"EditClear", "削除", "", false},
                                  {"UntitledMenu0", "-", "", false},
                                  {"EditSelectAll", "すべてを選択", "Cmd+A", false},
                              });
  const fw::MenuItem& edit = first->Item(1);
  std::vector<std::size_t> separators;
  for (std::size_t n = 0; n < edit.Count(); ++n) {
    if (edit.Item(n).IsSeparator()) separators.push_back(n + 1);
  }
  EXPECT_EQ(separators, (std::vector<std::size_t>{2, 7}));
}

// Each row: Name, AutoEnable, Text, then the shortcut, which the separators skip; the rows in
// table order.
TEST_F(MenuBarTest, RowsAreBuiltStepByStepAndSeparatorsGetNoShortcut) {
  testsupport::TraceRecorder trace;
  app::MenuBar1();
  std::vector<std::string> steps;
  for (const auto& w : trace.writes) {
    steps.push_back(w.prop == "Name" ? w.value : w.prop);
  }
  std::vector<std::string> expected;
  for (const char* name :
       {"FileMenu", "FileQuit", "EditMenu", "EditUndo", "UntitledMenu1", "EditCut", "EditCopy",
        "EditPaste", "EditClear", "UntitledMenu0", "EditSelectAll"}) {
    expected.insert(expected.end(), {std::string("\"") + name + "\"", "AutoEnable", "Text"});
    if (std::string(name).rfind("UntitledMenu", 0) != 0) expected.push_back("KeyboardShortcut");
  }
  EXPECT_EQ(steps, expected);
}

TEST_F(MenuBarTest, ExitEmptiesTheReferenceAndDropsTheBar) {
  std::weak_ptr<Bar> bar = app::MenuBar1();
  EXPECT_FALSE(bar.expired());
  Bar::_implicitInstance.Exit();
  EXPECT_EQ(Bar::_implicitInstance.Get(), nullptr);
  EXPECT_TRUE(bar.expired());
  // The next call builds a fresh bar.
  EXPECT_EQ(app::MenuBar1()->Count(), 2u);
}

TEST_F(MenuBarTest, EditItemsDoNothingAndTheQuitItemEndsTheApplication) {
  std::shared_ptr<Bar> bar = app::MenuBar1();
  fw::MenuItem& edit = fw::Nil(bar->Child("EditMenu"));
  for (std::size_t n = 0; n < edit.Count(); ++n) {
    EXPECT_FALSE(fw::ChooseMenuItem(edit.Item(n)));
  }
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_TRUE(fw::ChooseMenuItem(fw::Nil(fw::Nil(bar->Child("FileMenu")).Child("FileQuit"))));
  EXPECT_TRUE(fw::QuitRequested());
}

}  // namespace
