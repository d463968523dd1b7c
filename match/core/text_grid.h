// A table of text cells addressed by (column, row), both from 0. A cell never
// written reads as empty text, so the same class serves the visible grids
// (which have a nominal size, fixed head rows and a selected row) and the
// unbounded hidden tables of the export.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TextGrid {
 public:
  // Told about every change so that a view can follow the grid.
  class Observer {
   public:
    virtual ~Observer() = default;
    virtual void cellChanged(int col, int row) = 0;
    virtual void shapeChanged() = 0;
    virtual void selectionChanged() = 0;
  };

  TextGrid() = default;
  TextGrid(int cols, int rows) : cols_(cols), rows_(rows) {}

  const std::string& cell(int col, int row) const;
  // Writes outside the nominal size are kept; negative addresses are ignored.
  void setCell(int col, int row, std::string text);

  int colCount() const { return cols_; }
  int rowCount() const { return rows_; }
  void setColCount(int cols);
  void setRowCount(int rows);

  int fixedRows = 1;
  int fixedCols = 1;

  int selectedRow() const { return selectedRow_; }
  void setSelectedRow(int row);

  // Fills row `row` (or column `col`) from comma text, one item per cell.
  void setRowFromCommaText(int row, std::string_view commaText);
  void setColFromCommaText(int col, std::string_view commaText);

  // Highest row index + 1 that holds any written cell.
  int usedRows() const { return static_cast<int>(cells_.size()); }
  void clear();

  void setObserver(Observer* observer) { observer_ = observer; }

 private:
  int cols_ = 0;
  int rows_ = 0;
  int selectedRow_ = 1;
  std::vector<std::vector<std::string>> cells_;  // [row][col], grown on write
  Observer* observer_ = nullptr;
};
