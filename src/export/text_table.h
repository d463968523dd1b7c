// A table of text cells addressed by (column, row), both from 0, as the saved
// files lay them out. A cell never written reads as empty text.
#pragma once

#include <string>
#include <vector>

class TextTable {
 public:
  // `width`: the columns a written row is given at once, so that a row
  // written cell by cell is allocated once.
  explicit TextTable(int width = 0) : width_(width) {}

  const std::string& cell(int col, int row) const;
  // Negative addresses are ignored.
  void setCell(int col, int row, std::string text);

 private:
  int width_;
  std::vector<std::vector<std::string>> cells_;  // [row][col], grown on write
};
