#include "text_grid.h"

#include "text_convert.h"

namespace {
const std::string kEmpty;
}

const std::string& TextGrid::cell(int col, int row) const {
  if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return kEmpty;
  const auto& line = cells_[row];
  if (col >= static_cast<int>(line.size())) return kEmpty;
  return line[col];
}

void TextGrid::setCell(int col, int row, std::string text) {
  if (row < 0 || col < 0) return;
  if (row >= static_cast<int>(cells_.size())) {
    if (text.empty()) return;  // an unwritten cell already reads as empty
    cells_.resize(row + 1);
  }
  auto& line = cells_[row];
  if (col >= static_cast<int>(line.size())) {
    if (text.empty()) return;
    line.resize(col + 1);
  }
  line[col] = std::move(text);
  if (observer_) observer_->cellChanged(col, row);
}

void TextGrid::setColCount(int cols) {
  cols_ = cols < 0 ? 0 : cols;
  if (observer_) observer_->shapeChanged();
}

void TextGrid::setRowCount(int rows) {
  rows_ = rows < 0 ? 0 : rows;
  if (observer_) observer_->shapeChanged();
}

void TextGrid::setSelectedRow(int row) {
  selectedRow_ = row;
  if (observer_) observer_->selectionChanged();
}

void TextGrid::setRowFromCommaText(int row, std::string_view commaText) {
  int col = 0;
  for (auto& item : splitCommaText(commaText)) setCell(col++, row, std::move(item));
}

void TextGrid::setColFromCommaText(int col, std::string_view commaText) {
  int row = 0;
  for (auto& item : splitCommaText(commaText)) setCell(col, row++, std::move(item));
}

void TextGrid::clear() {
  cells_.clear();
  if (observer_) observer_->shapeChanged();
}
