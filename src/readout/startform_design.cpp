#include "readout/startform_design.h"

#include "design/designs.h"

namespace readout {

namespace {

constexpr fw::Color kBlack{0x00, 0x00, 0x00};
constexpr fw::Color kPanelColor{0xF0, 0xFF, 0x58};
constexpr fw::Color kHighlightText{0x00, 0x00, 0xFF};

// Design lines are joined by CR.
const char* const kInstructions =
    "ヌピレオの設定を行います\r"
    "カーソルを「設定」ボタンの中央へ移動して停め\r"
    "ヌピレオ操作スイッチを\r"
    "６回続けて長く押してください";

StartformLists Encoded() {
  using namespace design;
  StartformLists lists;
  lists.window = Encode(WindowDesign{
      .width = 339, .height = 508, .title = "ヌピレオ設定 Ver.5.0", .minimizeButton = false});

  // One row per control in creation order. Positions are window-content coordinates, also
  // inside Rectangle1.
  // clang-format off
  lists.PushButton1 = Encode(PushButtonDesign{
      .name = "PushButton1", .left = 8, .top = 415, .width = 222, .height = 84, .tabIndex = 1,
      .caption = "設　定", .isDefault = true, .cancel = false, .parent = ""});
  lists.PushButton2 = Encode(PushButtonDesign{
      .name = "PushButton2", .left = 242, .top = 415, .width = 86, .height = 84, .tabIndex = 2,
      .caption = "キャンセル", .isDefault = false, .cancel = true, .parent = ""});
  lists.StaticText1 = Encode(LabelDesign{
      .name = "StaticText1", .left = 8, .top = 386, .width = 320, .height = 29, .tabIndex = 3,
      .text = "スイッチを３回長く押せばどこからでも中断できます", .textAlign = 1,
      .textColor = kBlack, .multiline = false, .transparent = false, .bold = false, .parent = ""});
  lists.ImageWell1 = Encode(ImageWellDesign{
      .name = "ImageWell1", .left = 8, .top = 6, .width = 320, .height = 265, .tabIndex = 0,
      .lockTop = true, .parent = ""});
  lists.Rectangle1 = Encode(RectangleDesign{
      .name = "Rectangle1", .left = 8, .top = 277, .width = 320, .height = 103, .tabIndex = 6,
      .fillColor = kPanelColor, .parent = ""});
  lists.ProgressBar1 = Encode(ProgressBarDesign{
      .name = "ProgressBar1", .left = 19, .top = 294, .width = 299, .height = 19,
      .value = 0, .maximum = 40, .parent = "Rectangle1"});
  lists.StaticText3 = Encode(LabelDesign{
      .name = "StaticText3", .left = 8, .top = 362, .width = 320, .height = 18, .tabIndex = 1,
      .text = "操作はすべてヌピレオで行ってください", .textAlign = 1,
      .textColor = kHighlightText, .multiline = true, .transparent = true, .bold = true,
      .parent = "Rectangle1"});
  lists.Timer1 = Encode(TimerDesign{.mode = fw::kTimerModeOff, .period = 1000});
  lists.StaticText2 = Encode(LabelDesign{
      .name = "StaticText2", .left = 7, .top = 281, .width = 320, .height = 73, .tabIndex = 2,
      .text = kInstructions, .textAlign = 1,
      .textColor = kHighlightText, .multiline = true, .transparent = false, .bold = true,
      .parent = "Rectangle1"});
  // clang-format on
  return lists;
}

}  // namespace

const StartformLists& StartformDesign() {
  static const StartformLists lists = Encoded();
  return lists;
}

}  // namespace readout
