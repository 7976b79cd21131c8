#include <gtest/gtest.h>

#include "design/designs.h"
#include "design/list_writer.h"
#include "list_test_util.h"

namespace {

using design::Bytes;
using design::Encode;
using design::ListWriter;
using designtest::Find;
using designtest::Hex;

TEST(Encode, Timer1IsTwentyBytes) {
  EXPECT_EQ(Encode(design::TimerDesign{0, 1000}),
            Hex("4D 6F 64 65 20 00 00 00 00 50 65 72 69 6F 64 20 00 00 03 E8"));
}

TEST(Encode, ImageWell1NameIndexLockTopHelpTag) {
  const Bytes list = Encode(design::ImageWellDesign{.name = "ImageWell1",
                                                    .left = 8,
                                                    .top = 6,
                                                    .width = 320,
                                                    .height = 265,
                                                    .tabIndex = 0,
                                                    .lockTop = true,
                                                    .parent = ""});
  const Bytes begin =
      Hex("4E 61 6D 65 20 00 00 00 0A \"ImageWell1\" 49 6E 64 65 78 20 80 00 00 00");
  ASSERT_GE(list.size(), begin.size());
  EXPECT_EQ(Bytes(list.begin(), list.begin() + begin.size()), begin);

  EXPECT_LT(Find(list, Hex("4C 6F 63 6B 54 6F 70 20 01")), list.size());
  const std::size_t helpTag = Find(list, Hex("\"HelpTag \""));
  ASSERT_LT(helpTag + 12, list.size());
  EXPECT_EQ(Bytes(list.begin() + helpTag + 8, list.begin() + helpTag + 12), Hex("00 00 00 00"));
}

TEST(Encode, PushButton1CaptionIsNineUtf8Bytes) {
  const Bytes list = Encode(design::PushButtonDesign{.name = "PushButton1",
                                                     .left = 8,
                                                     .top = 415,
                                                     .width = 222,
                                                     .height = 84,
                                                     .tabIndex = 1,
                                                     .caption = "設　定",
                                                     .isDefault = true,
                                                     .parent = ""});
  EXPECT_LT(Find(list, Hex("\"Caption \" 00 00 00 09 E8 A8 AD E3 80 80 E5 AE 9A")), list.size());
}

TEST(Encode, Rectangle1FillColorIsRedGreenBlue) {
  const Bytes list = Encode(design::RectangleDesign{.name = "Rectangle1",
                                                    .left = 8,
                                                    .top = 277,
                                                    .width = 320,
                                                    .height = 103,
                                                    .tabIndex = 6,
                                                    .fillColor = fw::RGB(240, 255, 88),
                                                    .parent = ""});
  EXPECT_LT(Find(list, Hex("46 69 6C 6C 43 6F 6C 6F 72 20 F0 FF 58")), list.size());
}

// The longest list: its length follows from its texts alone, with nothing padded.
TEST(Encode, StaticText2LengthFollowsFromItsText) {
  const std::string text =
      "ヌピレオの設定を行います\rカーソルを「設定」ボタンの中央へ移動して停め\r"
      "ヌピレオ操作スイッチを\r６回続けて長く押してください";
  ASSERT_EQ(text.size(), 180u);
  const Bytes list = Encode(design::LabelDesign{.name = "StaticText2",
                                                .left = 7,
                                                .top = 281,
                                                .width = 320,
                                                .height = 73,
                                                .tabIndex = 2,
                                                .text = text,
                                                .textAlign = 1,
                                                .textColor = {0, 0, 255},
                                                .multiline = true,
                                                .bold = true,
                                                .parent = "Rectangle1"});
  EXPECT_EQ(list.size(), 540u);
  EXPECT_LT(Find(list, Hex("\"Text \" 00 00 00 B4 \"" + text + "\"")), list.size());
}

TEST(ListWriter, EncodesEachType) {
  EXPECT_EQ(ListWriter().Int32("Index", fw::kNoIndex).Get(), Hex("\"Index \" 80 00 00 00"));
  EXPECT_EQ(ListWriter().Int32("Left", -2).Get(), Hex("\"Left \" FF FF FF FE"));
  EXPECT_EQ(ListWriter().Boolean("Bold", true).Boolean("Italic", false).Get(),
            Hex("\"Bold \" 01 \"Italic \" 00"));
  EXPECT_EQ(ListWriter().Color("TextColor", {0x12, 0x34, 0x56}).Get(),
            Hex("\"TextColor \" 12 34 56"));
  // An empty text is its count alone; the next name follows at once.
  EXPECT_EQ(ListWriter().String("HelpTag", "").Boolean("Visible", false).Get(),
            Hex("\"HelpTag \" 00 00 00 00 \"Visible \" 00"));
}

TEST(ListWriter, RefusesNamesThatCouldNotBeReadBack) {
  EXPECT_THROW(ListWriter().Int32("", 0), fw::RuntimeException);
  EXPECT_THROW(ListWriter().Int32("Left Top", 0), fw::RuntimeException);
}

TEST(Encode, PopupRowsJoinedByCarriageReturn) {
  const Bytes list =
      Encode(design::PopupMenuDesign{.name = "PopupMenu1", .rows = {"4", "8"}, .parent = ""});
  EXPECT_LT(Find(list, Hex("\"InitialValue \" 00 00 00 03 \"4\" 0D \"8\" \"ListIndex \"")),
            list.size());
  EXPECT_THROW(
      Encode(design::PopupMenuDesign{.name = "PopupMenu1", .rows = {"a\rb"}, .parent = ""}),
      fw::RuntimeException);
}

}  // namespace
