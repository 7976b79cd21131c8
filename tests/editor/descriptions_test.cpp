#include <gtest/gtest.h>

#include <string>

#include "editor/descriptions.h"

namespace {

using fw::Int32;

TEST(Descriptions, ItemsHaveTheirLinesAndNoLineEndAfterTheLast) {
  const std::size_t kLines[] = {2, 2, 2, 1, 2, 2, 4, 4, 3, 1, 2, 2, 2};
  for (Int32 item = 1; item <= 13; ++item) {
    SCOPED_TRACE("item " + fw::Str(item));
    const auto& lines = editor::ItemDescriptionLines(item);
    EXPECT_EQ(lines.size(), kLines[item - 1]);
    std::string joined;
    for (const std::string& line : lines) {
      EXPECT_EQ(line.find('\n'), std::string::npos);
      EXPECT_EQ(line.find('\r'), std::string::npos);
      joined += (joined.empty() ? "" : "\n") + line;
    }
    const std::string text = editor::ItemDescription(item);
    EXPECT_EQ(text, joined);
    EXPECT_NE(text.back(), '\n');
  }
  EXPECT_THROW(editor::ItemDescription(0), std::out_of_range);
  EXPECT_THROW(editor::ItemDescription(14), std::out_of_range);
}

TEST(Descriptions, OpeningWordsAsWritten) {
  for (Int32 item : {1, 2, 3, 4, 11, 13}) {
    EXPECT_EQ(editor::ItemDescription(item).rfind("説明：　", 0), 0u) << item;
  }
  for (Int32 item : {5, 6, 7, 8, 9, 10}) {
    const std::string text = editor::ItemDescription(item);
    EXPECT_EQ(text.rfind("説明：", 0), 0u) << item;
    EXPECT_NE(text.rfind("説明：　", 0), 0u) << item;
  }
  EXPECT_EQ(editor::ItemDescription(12).rfind("説明　スイッチ", 0), 0u);
  EXPECT_NE(editor::ItemDescriptionLines(9)[1].find("（Hard Ver.4.5以降）"), std::string::npos);
  EXPECT_EQ(editor::ItemDescription(4), "説明：　このバージョンでは設定は無効です。");
  // Items 7 and 8 differ in their first line only.
  EXPECT_NE(editor::ItemDescriptionLines(7)[0], editor::ItemDescriptionLines(8)[0]);
  EXPECT_EQ(editor::ItemDescriptionLines(7)[3],
            "（画面の）右下へジャンプ、（画面の）右上へジャンプ");
}

TEST(Descriptions, FinishChoicesAreSingleLines) {
  for (Int32 choice = 1; choice <= 4; ++choice) {
    const std::string& text = editor::FinishChoiceDescription(choice);
    EXPECT_EQ(text.rfind("説明：　短く押すと", 0), 0u) << choice;
    EXPECT_EQ(text.find('\n'), std::string::npos) << choice;
  }
  EXPECT_THROW(editor::FinishChoiceDescription(0), std::out_of_range);
  EXPECT_THROW(editor::FinishChoiceDescription(5), std::out_of_range);
}

}  // namespace
