#include "text_table.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

const std::string& TextTable::cell(int col, int row) const {
  if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return kEmpty;
  const auto& line = cells_[row];
  if (col >= static_cast<int>(line.size())) return kEmpty;
  return line[col];
}

void TextTable::setCell(int col, int row, std::string text) {
  if (row < 0 || col < 0) return;
  if (row >= static_cast<int>(cells_.size())) {
    if (text.empty()) return;  // an unwritten cell already reads as empty
    cells_.resize(row + 1);
  }
  auto& line = cells_[row];
  if (col >= static_cast<int>(line.size())) {
    if (text.empty()) return;
    line.resize(std::max(col + 1, width_));
  }
  line[col] = std::move(text);
}
