#include "grid_view.h"

#include <QHeaderView>
#include <QTableView>

void attachGrid(QTableView* view, QAbstractItemModel* model, const GridLayout& layout) {
  view->setModel(model);
  view->horizontalHeader()->setVisible(true);
  view->verticalHeader()->setVisible(layout.lineLabels);
  view->horizontalHeader()->setMinimumSectionSize(1);
  view->verticalHeader()->setMinimumSectionSize(1);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(layout.rowHeight);
  view->horizontalHeader()->setFixedHeight(layout.rowHeight);
  for (size_t col = 0; col < layout.columnWidths.size(); ++col) {
    const int width = layout.columnWidths[col];
    const int section = static_cast<int>(col) - (layout.lineLabels ? 1 : 0);
    if (section < 0)
      view->verticalHeader()->setFixedWidth(width);
    else
      view->setColumnWidth(section, width);
  }
  view->setSelectionBehavior(QAbstractItemView::SelectItems);
  // A cell shows one line, cut off at the column edge, never part of a second.
  view->setWordWrap(false);
  view->setTextElideMode(Qt::ElideNone);
  if (!layout.editable) view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void followRow(QTableView* view, int row) {
  if (row < 0 || row >= view->model()->rowCount()) return;
  const int col = std::max(0, view->currentIndex().column());
  const QModelIndex target = view->model()->index(row, col);
  view->setCurrentIndex(target);
  view->scrollTo(target, QAbstractItemView::EnsureVisible);
}
