#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "design/implicit.h"
#include "editor/descriptions.h"
#include "editor/setform_fixture.h"
#include "model/module1.h"

namespace editortest {
namespace {

using fw::Int32;
using Marked = std::map<std::string, std::string>;

// Received values 13..20 that choose the title and tick the indicator boxes.
struct TitleCase {
  const char* name;
  std::map<Int32, Int32> received;
  const char* title;
  std::vector<std::string> ticked;
};

std::ostream& operator<<(std::ostream& out, const TitleCase& c) {
  return out << c.name;
}

const TitleCase kTitleCases[] = {
    {"SwitchOn",
     {{13, 3}, {14, 7}, {15, 5}, {16, 1}, {17, 1}, {18, 1}, {20, 1}},
     "ヌピレオ設定 Ver.5.0    スイッチオン状態で起動（設定値 = 規定値）",
     {}},
    {"Hard45",
     {{13, 0}, {14, 1}, {15, 4}, {16, 0}, {17, 1}},
     "ヌピレオ設定 Ver.5.0      Hard: Ver.4.5",
     {"CheckBox1"}},
    {"Hard511",
     {{13, 3}, {14, 7}, {15, 5}, {16, 0}, {18, 1}, {20, 1}},
     "ヌピレオ設定 Ver.5.0      Hard: Ver.5.11",
     {"CheckBox2", "CheckBox3"}},
    {"SecondSetting",
     {{15, 4}, {16, 1}, {19, 1}},
     "ヌピレオ設定 Ver.5.0      Hard: Ver.4.4",
     {"CheckBox4"}},
    {"AllZero", {}, "ヌピレオ設定 Ver.5.0      Hard: Ver.0.4", {}},
};

class OpeningTitle : public SetformTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(OpeningTitle, ShowsTitleAndIndicatorBoxes) {
  for (const auto& [index, value] : GetParam().received)
    Module1::setval(index) = value;
  OpenSettings();

  EXPECT_EQ(form->Title(), GetParam().title);
  std::vector<std::string> ticked;
  for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"}) {
    if (form->Get<fw::CheckBox>(box)->Value()) ticked.push_back(box);
  }
  EXPECT_EQ(ticked, GetParam().ticked);
}

INSTANTIATE_TEST_SUITE_P(Received, OpeningTitle, ::testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetformTest, OpeningPreparesTheEditor) {
  for (Int32 k = 0; k <= 32; ++k)
    Module1::setval(k) = k % 2;
  ASSERT_TRUE(start->Visible());
  OpenSettings();

  for (Int32 k = 1; k <= 12; ++k) {
    const Int32 largest[] = {3, 3, 3, 3, 1, 1, 7, 7, 7, 7, 7, 7};
    EXPECT_EQ(Module1::maxval(k), largest[k - 1]) << "item " << k;
  }
  for (Int32 k : {0, 13, 14, 15, 16})
    EXPECT_EQ(Module1::maxval(k), 0) << "index " << k;
  for (Int32 k = 0; k <= 15; ++k)
    EXPECT_EQ(Module1::tempval(k), k % 2) << "index " << k;
  EXPECT_EQ(Module1::tempval(16), 0);

  EXPECT_EQ(Module1::sphase, -1);
  EXPECT_EQ(Module1::btnindex, 13);
  EXPECT_EQ(Module1::btn13, 0);
  EXPECT_FALSE(start->Visible());

  EXPECT_EQ(Marks(), (Marked{{"PushButton13", "DBU"}}));
  EXPECT_TRUE(Enabled(DisabledOnOpen()).empty());
  std::vector<std::string> items;
  for (Int32 k = 1; k <= 13; ++k)
    items.push_back("PushButton" + fw::Str(k));
  EXPECT_EQ(Enabled(items), items);
  EXPECT_EQ(form->StaticText1()->Text(),
            "説明：　短く押すと設定項目の選択に移ります。\n"
            "長く押すと「変更して終了」「変更前に戻す」「標準値に戻す」操作に移ります。");
}

TEST_F(SetformTest, TitleGoesToTheWindowBeingOpened) {
  OpenSettings();
  int settingsWindows = 0;
  for (const auto& window : fw::Windows()) {
    if (window->Class().fullName == kSetform) ++settingsWindows;
  }
  EXPECT_EQ(settingsWindows, 1);
  EXPECT_EQ(form->Title(), "ヌピレオ設定 Ver.5.0      Hard: Ver.0.4");
  EXPECT_EQ(editor::Setform(), form);
  EXPECT_EQ(design::ImplicitInstance(kSetform), form);
}

TEST_F(SetformTest, OpeningDisablesInItsOrder) {
  OpenSettings();
  testsupport::TraceRecorder trace;
  form->Event_Open();

  std::vector<std::string> disabled;
  for (const auto& w : trace.writes) {
    if (w.prop != "Enabled") continue;
    EXPECT_EQ(w.value, "False") << w.control;
    disabled.push_back(w.control);
  }
  EXPECT_EQ(disabled, DisabledOnOpen());
}

}  // namespace
}  // namespace editortest
