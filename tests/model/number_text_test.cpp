#include "number_text.h"

#include <gtest/gtest.h>

#include "team.h"
#include "user_error.h"

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

TEST(CountCells, RaiseAndLowerKeepATypedOffset) {
  EXPECT_EQ(raisedCount(""), "1");
  EXPECT_EQ(raisedCount("7"), "8");
  EXPECT_EQ(raisedCount("-1"), "0");
  EXPECT_EQ(loweredCount("1"), "0");
  EXPECT_EQ(loweredCount("0"), "-1");
  EXPECT_THROW(raisedCount("x"), ConversionError);
  EXPECT_THROW(loweredCount(""), ConversionError);  // nothing to take back from
  EXPECT_TRUE(countRaisable(""));
  EXPECT_FALSE(countLowerable(""));
}
