#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "editor/setform.h"
#include "editor/setform_design.h"
#include "framework/framework.h"
#include "support/headless.h"

namespace {

using SettingsWindow = class editor::Setform;
using testsupport::TracedWrite;

// The scale labels' ends with nine ideographic spaces between them.
const std::string kNineSpaces = "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000";
const std::string kLongShort = "長" + kNineSpaces + "短";
const std::string kSlowFast = "遅" + kNineSpaces + "速";

// The settings window built without an Open handler, so that the design state shows, or
// with neither CreateControls nor Open, so that the creation operations can be called one
// at a time.
class SetformBuild : public testsupport::HeadlessTest {
 protected:
  std::shared_ptr<SettingsWindow> Build(bool createControls = true) {
    info_ = SettingsWindow::Lookup();
    info_.events.Open = nullptr;
    if (!createControls) info_.events.CreateControls = nullptr;
    auto window = fw::CreateWindowObject<SettingsWindow>(info_);
    window->Constructor();
    return window;
  }

 private:
  fw::ClassInfo info_;
};

struct ControlRow {
  const char* name;
  const std::type_info& type;
  const char* container;  // "" is the window
  fw::Int32 left, top, width, height;
  fw::Int32 tabIndex;
  std::string text;  // Caption or Text; "" where the class has none
};

const std::vector<ControlRow>& Table() {
  static const std::vector<ControlRow> rows = {
      {"Rectangle1", typeid(fw::Rectangle), "", 19, 409, 680, 111, 0, ""},
      {"StaticText1", typeid(fw::Label), "Rectangle1", 20, 409, 679, 111, 0, "Untitled"},
      {"GroupBox1", typeid(fw::GroupBox), "", 20, 343, 679, 54, 1,
       "拡張機能（Ver.4.5以降）　　変更は通常使用状態で［　］のスイッチ操作"},
      {"CheckBox1", typeid(fw::CheckBox), "GroupBox1", 147, 367, 251, 20, 0,
       "スピード微調整［長長短長、長短長長］"},
      {"CheckBox2", typeid(fw::CheckBox), "GroupBox1", 401, 367, 164, 20, 1,
       "長押しリピート［長8］"},
      {"CheckBox3", typeid(fw::CheckBox), "GroupBox1", 569, 367, 129, 20, 2, "Mac用［長7短1］"},
      {"CheckBox4", typeid(fw::CheckBox), "GroupBox1", 27, 367, 121, 20, 3, "第２設定［長5］"},
      {"StaticText9", typeid(fw::Label), "", 555, 242, 148, 30, 2, kLongShort},
      {"Slider4", typeid(fw::Slider), "StaticText9", 573, 243, 104, 28, 0, ""},
      {"StaticText8", typeid(fw::Label), "", 555, 203, 148, 30, 3, kLongShort},
      {"Slider3", typeid(fw::Slider), "StaticText8", 573, 203, 104, 28, 0, ""},
      {"StaticText6", typeid(fw::Label), "", 555, 119, 148, 30, 4, kSlowFast},
      {"Slider1", typeid(fw::Slider), "StaticText6", 573, 119, 104, 28, 0, ""},
      {"StaticText7", typeid(fw::Label), "", 555, 159, 148, 30, 5, kLongShort},
      {"Slider2", typeid(fw::Slider), "StaticText7", 573, 159, 104, 28, 0, ""},
      {"PushButton1", typeid(fw::PushButton), "", 19, 34, 168, 22, 6, "４方向／８方向／回転"},
      {"PushButton2", typeid(fw::PushButton), "", 19, 76, 168, 22, 7, "スタート時の方向"},
      {"PushButton3", typeid(fw::PushButton), "", 19, 119, 168, 22, 8, "音を鳴らす"},
      {"PushButton4", typeid(fw::PushButton), "", 19, 160, 168, 22, 9, "左ボタンロック"},
      {"PushButton5", typeid(fw::PushButton), "", 19, 204, 168, 22, 10, "右クリック後シフト"},
      {"PushButton6", typeid(fw::PushButton), "", 19, 242, 168, 22, 11, "長押し２回"},
      {"PushButton7", typeid(fw::PushButton), "", 360, 33, 168, 22, 12, "長押し３回"},
      {"PushButton8", typeid(fw::PushButton), "", 360, 73, 168, 22, 13, "長押し４回"},
      {"PushButton9", typeid(fw::PushButton), "", 360, 119, 168, 22, 14, "カーソルスピード"},
      {"PushButton10", typeid(fw::PushButton), "", 360, 159, 168, 22, 15, "長／短切り分け時間"},
      {"PushButton11", typeid(fw::PushButton), "", 360, 204, 168, 22, 16, "短押し後連続操作時間"},
      {"PushButton12", typeid(fw::PushButton), "", 360, 244, 168, 22, 17, "長押し後連続操作時間"},
      {"PushButton13", typeid(fw::PushButton), "", 19, 301, 168, 22, 18, "終了／変更"},
      {"PushButton15", typeid(fw::PushButton), "", 327, 301, 115, 22, 19, "変更して終了"},
      {"PushButton16", typeid(fw::PushButton), "", 450, 301, 115, 22, 20, "変更前に戻す"},
      {"PushButton18", typeid(fw::PushButton), "", 578, 301, 115, 22, 21, "標準値に戻す"},
      {"PopupMenu1", typeid(fw::PopupMenu), "", 195, 34, 153, 30, 22, ""},
      {"PopupMenu2", typeid(fw::PopupMenu), "", 195, 76, 153, 30, 23, ""},
      {"PopupMenu3", typeid(fw::PopupMenu), "", 195, 119, 153, 30, 24, ""},
      {"PopupMenu4", typeid(fw::PopupMenu), "", 195, 160, 153, 30, 25, ""},
      {"PopupMenu5", typeid(fw::PopupMenu), "", 195, 204, 153, 30, 26, ""},
      {"PopupMenu6", typeid(fw::PopupMenu), "", 195, 244, 153, 30, 27, ""},
      {"PopupMenu7", typeid(fw::PopupMenu), "", 540, 34, 153, 30, 28, ""},
      {"PopupMenu8", typeid(fw::PopupMenu), "", 540, 76, 153, 30, 29, ""},
      {"PushButton20", typeid(fw::PushButton), "", 199, 301, 115, 22, 30, "設定を続ける"},
      {"StaticText2", typeid(fw::Label), "", 540, 120, 21, 30, 31, "Untitled"},
      {"StaticText3", typeid(fw::Label), "", 540, 160, 21, 30, 32, "Untitled"},
      {"StaticText4", typeid(fw::Label), "", 540, 204, 21, 30, 33, "Untitled"},
      {"StaticText5", typeid(fw::Label), "", 540, 244, 21, 30, 34, "Untitled"},
      {"StaticText10", typeid(fw::Label), "", 19, 12, 679, 19, 35,
       "スイッチ操作方法　　項目選択：短１回　　設定変更：長１回　　中断／終了：長３回"},
      {"Separator1", typeid(fw::Separator), "", 38, 284, 637, 3, 36, ""},
  };
  return rows;
}

std::string TextOf(const fw::Control& control) {
  if (auto* label = dynamic_cast<const fw::Label*>(&control)) return label->Text();
  if (auto* button = dynamic_cast<const fw::PushButton*>(&control)) return button->Caption();
  if (auto* box = dynamic_cast<const fw::CheckBox*>(&control)) return box->Caption();
  if (auto* group = dynamic_cast<const fw::GroupBox*>(&control)) return group->Caption();
  return "";
}

std::vector<std::string> Names(const fw::Window& window) {
  std::vector<std::string> names;
  for (const auto& control : window.Controls())
    names.push_back(control->RegisteredName());
  return names;
}

TEST_F(SetformBuild, FortySixControlsInCreationOrderWithTheirClassesPlacesAndTexts) {
  auto window = Build();
  std::vector<std::string> expected;
  for (const ControlRow& row : Table())
    expected.push_back(row.name);
  EXPECT_EQ(Names(*window), expected);

  for (const ControlRow& row : Table()) {
    SCOPED_TRACE(row.name);
    fw::Control* control = window->ControlByName(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(typeid(*control), row.type);
    EXPECT_EQ(control->Name(), row.name);
    auto& rect = fw::Cast<fw::RectControl>(*control);
    EXPECT_EQ(rect.Parent() ? rect.Parent()->RegisteredName() : "", row.container);
    EXPECT_EQ(rect.Left(), row.left);
    EXPECT_EQ(rect.Top(), row.top);
    EXPECT_EQ(rect.Width(), row.width);
    EXPECT_EQ(rect.Height(), row.height);
    EXPECT_EQ(rect.TabIndex(), row.tabIndex);
    EXPECT_EQ(TextOf(*control), row.text);
    EXPECT_TRUE(rect.Visible());
    if (auto* label = dynamic_cast<fw::Label*>(control)) {
      EXPECT_EQ(label->TextAlign(), row.name == std::string("StaticText10") ? 1 : 0);
      EXPECT_EQ(label->MultiLine(), row.name == std::string("StaticText1"));
    }
    if (auto* button = dynamic_cast<fw::PushButton*>(control)) {
      EXPECT_FALSE(button->Bold());
      EXPECT_FALSE(button->Underline());
      EXPECT_FALSE(button->Default());
      EXPECT_FALSE(button->Cancel());
    }
  }
}

TEST_F(SetformBuild, DesignStateBeforeOpen) {
  auto window = Build();
  EXPECT_EQ(window->Title(), "ヌピレオ設定");
  EXPECT_EQ(window->Width(), 724);
  EXPECT_EQ(window->Height(), 540);
  EXPECT_TRUE(window->MinimizeButton());
  EXPECT_FALSE(window->MaximizeButton());
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->GetMenuBar(), nullptr);

  for (auto label : {window->StaticText1(), window->StaticText2(), window->StaticText3(),
                     window->StaticText4(), window->StaticText5()}) {
    EXPECT_EQ(label->Text(), "Untitled");
  }
  for (auto slider : {window->Slider1(), window->Slider2(), window->Slider3(), window->Slider4()}) {
    EXPECT_EQ(slider->Minimum(), 0);
    EXPECT_EQ(slider->Value(), 0);
    EXPECT_EQ(slider->Maximum(), 7);
    EXPECT_TRUE(slider->Enabled());
  }
  for (auto box :
       {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(), window->CheckBox4()}) {
    EXPECT_FALSE(box->Value());
    EXPECT_FALSE(box->Enabled());
  }
  EXPECT_FALSE(window->GroupBox1()->Enabled());
  EXPECT_EQ(window->Rectangle1()->FillColor(), (fw::Color{0xFF, 0xFF, 0xFF}));
  EXPECT_TRUE(window->PushButton13()->Enabled());
}

TEST_F(SetformBuild, PopupsHoldTheirRowsWithRowZeroSelected) {
  auto window = Build();
  const std::vector<std::string> manyLong = {
      "右クリック",     "ダブルクリック", "中ボタン（スクロール）", "ワープ（直前方向）",
      "左上へジャンプ", "左下へジャンプ", "右下へジャンプ",         "右上へジャンプ"};
  const std::vector<std::pair<fw::Ref<fw::PopupMenu>, std::vector<std::string>>> popups = {
      {window->PopupMenu1(),
       {"４方向時計回り", "４方向反時計回り", "８方向時計回り", "８方向反時計回り"}},
      {window->PopupMenu2(), {"上", "下", "右", "左"}},
      {window->PopupMenu3(), {"なし", "長押", "押始め＋長押", "押始め＋長押＋確定"}},
      {window->PopupMenu4(), {"なし", "長", "中", "短"}},
      {window->PopupMenu5(), {"なし", "右下へ移動"}},
      {window->PopupMenu6(), {"右クリック", "ダブルクリック"}},
      {window->PopupMenu7(), manyLong},
      {window->PopupMenu8(), manyLong},
  };
  std::vector<std::size_t> counts;
  for (const auto& [popup, rows] : popups) {
    SCOPED_TRACE(popup->RegisteredName());
    EXPECT_EQ(popup->Rows(), rows);
    EXPECT_EQ(popup->ListIndex(), 0);
    counts.push_back(popup->Rows().size());
  }
  EXPECT_EQ(counts, (std::vector<std::size_t>{4, 4, 4, 4, 2, 2, 8, 8}));
  // Rows are joined by CR in the design, never by LF.
  EXPECT_EQ(window->PopupMenu2()->InitialValue(), "上\r下\r右\r左");
}

TEST_F(SetformBuild, OnlyTheDescriptionPanelsMouseMoveIsBound) {
  auto window = Build();
  EXPECT_EQ(window->StaticText1()->MouseMove.Signature(), "( Label, Int32, Int32 )");
  for (const auto& control : window->Controls()) {
    SCOPED_TRACE(control->RegisteredName());
    auto& rect = fw::Cast<fw::RectControl>(*control);
    EXPECT_EQ(rect.MouseMove.IsBound(), control->RegisteredName() == "StaticText1");
    EXPECT_FALSE(rect.MouseDown.IsBound());
    if (auto* button = dynamic_cast<fw::PushButton*>(control.get())) {
      EXPECT_FALSE(button->Action.IsBound());
    }
  }
}

// Font unit before the list for the controls that draw text, never for the rectangle, the
// sliders and the separator; the one binding right after the panel's list.
TEST_F(SetformBuild, CreationStepsInOrder) {
  testsupport::TraceRecorder trace;
  Build();
  std::vector<std::string> steps;
  for (const TracedWrite& w : trace.writes) {
    if (w.control.empty()) continue;
    std::string step = w.prop == "TextUnit" || w.prop == "Binding" ? w.prop : "list";
    std::string entry = w.control + " " + step;
    if (steps.empty() || steps.back() != entry) steps.push_back(entry);
  }
  std::vector<std::string> expected;
  for (const ControlRow& row : Table()) {
    const std::string name = row.name;
    const bool noText = row.type == typeid(fw::Rectangle) || row.type == typeid(fw::Slider) ||
                        row.type == typeid(fw::Separator);
    if (!noText) expected.push_back(name + " TextUnit");
    expected.push_back(name + " list");
    if (name == "StaticText1") expected.push_back(name + " Binding");
  }
  EXPECT_EQ(steps, expected);
}

TEST_F(SetformBuild, FirstCreationOperationMakesThirtyControlsTheSecondTheRest) {
  auto window = Build(/*createControls=*/false);
  EXPECT_TRUE(window->Controls().empty());
  window->CreateControls0();
  std::vector<std::string> names = Names(*window);
  ASSERT_EQ(names.size(), 30u);
  EXPECT_EQ(names.back(), "PushButton16");
  window->CreateControls1();
  names = Names(*window);
  ASSERT_EQ(names.size(), 46u);
  EXPECT_EQ(names[30], "PushButton18");
}

}  // namespace
