// How the program's table views are laid out: fixed row height and column
// widths, head row and line labels as headers, and text cut off at the
// column edge.
#pragma once

#include <vector>

class QAbstractItemModel;
class QTableView;

struct GridLayout {
  int rowHeight = 24;
  // By column; with line labels, the first width is the labels'.
  std::vector<int> columnWidths;
  bool lineLabels = false;
  bool editable = false;
};

// Sets `model` on `view` and lays it out.
void attachGrid(QTableView* view, QAbstractItemModel* model, const GridLayout& layout);
// Keeps `row` (under the heads) current and in sight whenever it changes.
void followRow(QTableView* view, int row);
