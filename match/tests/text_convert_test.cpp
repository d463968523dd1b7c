#include "text_convert.h"

#include <gtest/gtest.h>

#include "text_grid.h"

TEST(StrictInteger, AcceptsOnlyWholeDecimalNumbers) {
  EXPECT_EQ(parseInt("0"), 0);
  EXPECT_EQ(parseInt("17"), 17);
  EXPECT_EQ(parseInt("-3"), -3);
  EXPECT_EQ(parseInt("+5"), 5);
  EXPECT_EQ(parseInt("2147483647"), 2147483647);
  EXPECT_EQ(parseInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "-", " 1", "1 ", "1.0", "abc", "１", "2147483648", "0x10", "3a"})
    EXPECT_FALSE(parseInt(bad).has_value()) << bad;
}

TEST(StrictInteger, FailureCarriesTheCellText) {
  try {
    strToInt("abc");
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' は整数ではありません");
  }
}

TEST(StrictInteger, FormatsDecimal) {
  EXPECT_EQ(intToStr(0), "0");
  EXPECT_EQ(intToStr(-3), "-3");
  EXPECT_EQ(intToStr(120), "120");
}

TEST(CommaText, QuotedBlankAndPlainItems) {
  auto items = splitCommaText("\" \",番号,氏名,得点");
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0], " ");
  EXPECT_EQ(items[1], "番号");
  EXPECT_EQ(items[3], "得点");
}

TEST(CommaText, BlanksEndUnquotedItemsAndQuotesDouble) {
  auto items = splitCommaText("a b,\"c,d\",\"say \"\"hi\"\"\",");
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0], "a");
  EXPECT_EQ(items[1], "b");
  EXPECT_EQ(items[2], "c,d");
  EXPECT_EQ(items[3], "say \"hi\"");
  EXPECT_EQ(items[4], "");
}

TEST(TextGridCells, UnwrittenCellsReadEmptyAndWritesGrowAnywhere) {
  TextGrid grid;
  EXPECT_EQ(grid.cell(30, 400), "");
  grid.setCell(30, 400, "x");
  EXPECT_EQ(grid.cell(30, 400), "x");
  EXPECT_EQ(grid.cell(29, 400), "");
  grid.setCell(-1, 0, "ignored");
  EXPECT_EQ(grid.cell(0, 0), "");
  grid.setRowFromCommaText(2, "when,No.,who");
  EXPECT_EQ(grid.cell(2, 2), "who");
}
