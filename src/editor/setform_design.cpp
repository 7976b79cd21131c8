#include "editor/setform_design.h"

#include <utility>

#include "design/designs.h"

namespace editor {

namespace {

using Kind = SetformControl::Kind;
using Rows = std::vector<std::string>;

constexpr fw::Color kWhite{0xFF, 0xFF, 0xFF};

// Scale labels: the two ends with nine ideographic spaces between them.
const char* const kLongShort = "長　　　　　　　　　短";
const char* const kSlowFast = "遅　　　　　　　　　速";

// Pop-up rows: row i is the one that ListIndex i selects.
const Rows kMovementRows = {"４方向時計回り", "４方向反時計回り", "８方向時計回り",
                            "８方向反時計回り"};
const Rows kDirectionRows = {"上", "下", "右", "左"};
const Rows kBuzzerRows = {"なし", "長押", "押始め＋長押", "押始め＋長押＋確定"};
const Rows kLockRows = {"なし", "長", "中", "短"};
const Rows kShiftRows = {"なし", "右下へ移動"};
const Rows kTwoLongRows = {"右クリック", "ダブルクリック"};
const Rows kManyLongRows = {"右クリック",         "ダブルクリック", "中ボタン（スクロール）",
                            "ワープ（直前方向）", "左上へジャンプ", "左下へジャンプ",
                            "右下へジャンプ",     "右上へジャンプ"};

SetformControl Row(const design::RectangleDesign& d) {
  return {Kind::Rectangle, d.name, design::Encode(d)};
}
SetformControl Row(const design::LabelDesign& d) {
  return {Kind::Label, d.name, design::Encode(d)};
}
SetformControl Row(const design::GroupBoxDesign& d) {
  return {Kind::GroupBox, d.name, design::Encode(d)};
}
SetformControl Row(const design::CheckBoxDesign& d) {
  return {Kind::CheckBox, d.name, design::Encode(d)};
}
SetformControl Row(const design::SliderDesign& d) {
  return {Kind::Slider, d.name, design::Encode(d)};
}
SetformControl Row(const design::PushButtonDesign& d) {
  return {Kind::PushButton, d.name, design::Encode(d)};
}
SetformControl Row(const design::PopupMenuDesign& d) {
  return {Kind::PopupMenu, d.name, design::Encode(d)};
}
SetformControl Row(const design::SeparatorDesign& d) {
  return {Kind::Separator, d.name, design::Encode(d)};
}

// A plain label: left-aligned, one line, black.
design::LabelDesign Label(std::string name, fw::Int32 left, fw::Int32 top, fw::Int32 width,
                          fw::Int32 height, fw::Int32 tabIndex, std::string text,
                          std::string parent = "") {
  return {.name = std::move(name),
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .tabIndex = tabIndex,
          .text = std::move(text),
          .textAlign = 0,
          .textColor = {},
          .multiline = false,
          .transparent = false,
          .bold = false,
          .parent = std::move(parent)};
}

// An item or finish-choice button: not default, not cancel, in the window.
design::PushButtonDesign Button(std::string name, fw::Int32 left, fw::Int32 top, fw::Int32 width,
                                fw::Int32 tabIndex, std::string caption) {
  return {.name = std::move(name),
          .left = left,
          .top = top,
          .width = width,
          .height = 22,
          .tabIndex = tabIndex,
          .caption = std::move(caption),
          .isDefault = false,
          .cancel = false,
          .parent = ""};
}

design::PopupMenuDesign Popup(std::string name, fw::Int32 left, fw::Int32 top, fw::Int32 tabIndex,
                              Rows rows) {
  return {.name = std::move(name),
          .left = left,
          .top = top,
          .width = 153,
          .height = 30,
          .tabIndex = tabIndex,
          .rows = std::move(rows),
          .parent = ""};
}

design::SliderDesign Slider(std::string name, fw::Int32 left, fw::Int32 top,
                            std::string scaleLabel) {
  return {.name = std::move(name),
          .left = left,
          .top = top,
          .width = 104,
          .height = 28,
          .tabIndex = 0,
          .parent = std::move(scaleLabel)};
}

design::CheckBoxDesign Indicator(std::string name, fw::Int32 left, fw::Int32 width,
                                 fw::Int32 tabIndex, std::string caption) {
  return {.name = std::move(name),
          .left = left,
          .top = 367,
          .width = width,
          .height = 20,
          .tabIndex = tabIndex,
          .caption = std::move(caption),
          .enabled = false,
          .parent = "GroupBox1"};
}

std::vector<SetformControl> Encoded() {
  design::LabelDesign panelText =
      Label("StaticText1", 20, 409, 679, 111, 0, "Untitled", "Rectangle1");
  panelText.multiline = true;
  design::LabelDesign heading =
      Label("StaticText10", 19, 12, 679, 19, 35,
            "スイッチ操作方法　　項目選択：短１回　　設定変更：長１回　　中断／終了：長３回");
  heading.textAlign = 1;

  // One row per control in creation order. Positions are window-content coordinates, also
  // inside a container.
  // clang-format off
  return {
      // CreateControls0
      Row(design::RectangleDesign{
          .name = "Rectangle1", .left = 19, .top = 409, .width = 680, .height = 111,
          .tabIndex = 0, .fillColor = kWhite, .parent = ""}),
      Row(panelText),
      Row(design::GroupBoxDesign{
          .name = "GroupBox1", .left = 20, .top = 343, .width = 679, .height = 54, .tabIndex = 1,
          .caption = "拡張機能（Ver.4.5以降）　　変更は通常使用状態で［　］のスイッチ操作",
          .enabled = false, .parent = ""}),
      Row(Indicator("CheckBox1", 147, 251, 0, "スピード微調整［長長短長、長短長長］")),
      Row(Indicator("CheckBox2", 401, 164, 1, "長押しリピート［長8］")),
      Row(Indicator("CheckBox3", 569, 129, 2, "Mac用［長7短1］")),
      Row(Indicator("CheckBox4",  27, 121, 3, "第２設定［長5］")),
      Row(Label("StaticText9", 555, 242, 148, 30, 2, kLongShort)),
      Row(Slider("Slider4", 573, 243, "StaticText9")),
      Row(Label("StaticText8", 555, 203, 148, 30, 3, kLongShort)),
      Row(Slider("Slider3", 573, 203, "StaticText8")),
      Row(Label("StaticText6", 555, 119, 148, 30, 4, kSlowFast)),
      Row(Slider("Slider1", 573, 119, "StaticText6")),
      Row(Label("StaticText7", 555, 159, 148, 30, 5, kLongShort)),
      Row(Slider("Slider2", 573, 159, "StaticText7")),
      Row(Button("PushButton1",   19,  34, 168,  6, "４方向／８方向／回転")),
      Row(Button("PushButton2",   19,  76, 168,  7, "スタート時の方向")),
      Row(Button("PushButton3",   19, 119, 168,  8, "音を鳴らす")),
      Row(Button("PushButton4",   19, 160, 168,  9, "左ボタンロック")),
      Row(Button("PushButton5",   19, 204, 168, 10, "右クリック後シフト")),
      Row(Button("PushButton6",   19, 242, 168, 11, "長押し２回")),
      Row(Button("PushButton7",  360,  33, 168, 12, "長押し３回")),
      Row(Button("PushButton8",  360,  73, 168, 13, "長押し４回")),
      Row(Button("PushButton9",  360, 119, 168, 14, "カーソルスピード")),
      Row(Button("PushButton10", 360, 159, 168, 15, "長／短切り分け時間")),
      Row(Button("PushButton11", 360, 204, 168, 16, "短押し後連続操作時間")),
      Row(Button("PushButton12", 360, 244, 168, 17, "長押し後連続操作時間")),
      Row(Button("PushButton13",  19, 301, 168, 18, "終了／変更")),
      Row(Button("PushButton15", 327, 301, 115, 19, "変更して終了")),
      Row(Button("PushButton16", 450, 301, 115, 20, "変更前に戻す")),
      // CreateControls1
      Row(Button("PushButton18", 578, 301, 115, 21, "標準値に戻す")),
      Row(Popup("PopupMenu1", 195,  34, 22, kMovementRows)),
      Row(Popup("PopupMenu2", 195,  76, 23, kDirectionRows)),
      Row(Popup("PopupMenu3", 195, 119, 24, kBuzzerRows)),
      Row(Popup("PopupMenu4", 195, 160, 25, kLockRows)),
      Row(Popup("PopupMenu5", 195, 204, 26, kShiftRows)),
      Row(Popup("PopupMenu6", 195, 244, 27, kTwoLongRows)),
      Row(Popup("PopupMenu7", 540,  34, 28, kManyLongRows)),
      Row(Popup("PopupMenu8", 540,  76, 29, kManyLongRows)),
      Row(Button("PushButton20", 199, 301, 115, 30, "設定を続ける")),
      Row(Label("StaticText2", 540, 120, 21, 30, 31, "Untitled")),
      Row(Label("StaticText3", 540, 160, 21, 30, 32, "Untitled")),
      Row(Label("StaticText4", 540, 204, 21, 30, 33, "Untitled")),
      Row(Label("StaticText5", 540, 244, 21, 30, 34, "Untitled")),
      Row(heading),
      Row(design::SeparatorDesign{
          .name = "Separator1", .left = 38, .top = 284, .width = 637, .height = 3,
          .tabIndex = 36, .parent = ""}),
  };
  // clang-format on
}

}  // namespace

const design::Bytes& SetformWindowList() {
  static const design::Bytes list = design::Encode(design::WindowDesign{
      .width = 724, .height = 540, .title = "ヌピレオ設定", .minimizeButton = true});
  return list;
}

const std::vector<SetformControl>& SetformControls() {
  static const std::vector<SetformControl> controls = Encoded();
  return controls;
}

}  // namespace editor
