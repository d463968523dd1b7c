// The bytes of the exported files: encoding, separators, line ends and the
// list file's short words.
#include "table_file.h"

#include <gtest/gtest.h>

#include <string>

#include "cp932_text.h"
#include "file_compare.h"
#include "match_script.h"
#include "scratch_folder.h"

namespace {

TEST(TableFile, EmptyTablesKeepEveryLineAndField) {
  ScratchFolder folder;
  const TextTable empty;
  writeTableFile("shot.xls", empty, 401, 31, CellWords::Full);
  writeTableFile("list.xls", empty, 201, 21, CellWords::Abbreviated);
  const std::string shot = readFileBytes("shot.xls");
  const std::string list = readFileBytes("list.xls");
  EXPECT_EQ(shot.size(), 13233u);
  EXPECT_EQ(list.size(), 4623u);
  std::string shotFile;
  for (int line = 0; line < 401; ++line) shotFile += std::string(31, '\t') + "\r\n";
  EXPECT_EQ(shot, shotFile);
}

TEST(TableFile, Cp932BytesAndAQuestionMarkForWhatItCannotHold) {
  EXPECT_EQ(toCp932("～"), "\x81\x60");
  EXPECT_EQ(toCp932("ｶﾀ"), "\xb6\xc0");  // half-width katakana take one byte
  EXPECT_EQ(toCp932("😀😀試合"), "??\x8e\x8e\x8d\x87");
  EXPECT_EQ(toCp932("a\xff"
                    "b"),
            "a?b");  // not UTF-8
  EXPECT_EQ(toCp932("a\xe8\xa9"
                    "b"),
            "a?b");                     // a character cut short
  EXPECT_EQ(toCp932("\xe8\xa9"), "?");  // cut short at the end
}

TEST(TableFile, SeparatorsInsideACellBecomeBlanks) {
  TextTable grid;
  grid.setCell(0, 0, "A\tB");
  grid.setCell(1, 0, "C\r\nD");
  grid.setCell(2, 0, "😀");
  EXPECT_EQ(tableLine(grid, 0, 4, CellWords::Full), "A B\tC  D\t?\t\t\r\n");
}

TEST(TableFile, ListFileShortensFourWholeCells) {
  EXPECT_EQ(listFileText("シュートミス"), "Sミス");
  EXPECT_EQ(listFileText("保持ミス"), "Kミス");
  EXPECT_EQ(listFileText("PT(獲得)"), "PT得");
  EXPECT_EQ(listFileText("作戦タイム"), "Time");
  EXPECT_EQ(listFileText("シュートミス "), "シュートミス ");
  EXPECT_EQ(listFileText("得点"), "得点");
  EXPECT_EQ(listFileText("PT（獲得）"), "PT（獲得）");

  TextTable grid;
  grid.setCell(0, 0, "作戦タイム");
  EXPECT_EQ(tableLine(grid, 0, 1, CellWords::Abbreviated), "Time\t\r\n");
  EXPECT_EQ(tableLine(grid, 0, 1, CellWords::Full), toCp932("作戦タイム") + "\t\r\n");
}

}  // namespace
