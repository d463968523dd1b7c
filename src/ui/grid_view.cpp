#include "grid_view.h"

#include <QHeaderView>
#include <QTableView>

GridModel::GridModel(TextGrid& grid, bool editable, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), editable_(editable) {
  rows_ = bodyRows();
  cols_ = bodyCols();
  grid_.setObserver(this);
}

GridModel::~GridModel() {
  grid_.setObserver(nullptr);
}

int GridModel::bodyRows() const {
  return std::max(0, grid_.rowCount() - grid_.fixedRows);
}
int GridModel::bodyCols() const {
  return std::max(0, grid_.colCount() - grid_.fixedCols);
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}
int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(
      grid_.cell(index.column() + grid_.fixedCols, index.row() + grid_.fixedRows));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!editable_ || !index.isValid() || role != Qt::EditRole) return false;
  grid_.setCell(index.column() + grid_.fixedCols, index.row() + grid_.fixedRows,
                value.toString().toStdString());
  return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal)
    return grid_.fixedRows > 0 ? QString::fromStdString(grid_.cell(section + grid_.fixedCols, 0))
                               : QVariant();
  return grid_.fixedCols > 0 ? QString::fromStdString(grid_.cell(0, section + grid_.fixedRows))
                             : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (editable_) f |= Qt::ItemIsEditable;
  return f;
}

void GridModel::cellChanged(int col, int row) {
  const int r = row - grid_.fixedRows;
  const int c = col - grid_.fixedCols;
  if (r < 0 && c < 0) return;
  if (r < 0) {
    emit headerDataChanged(Qt::Horizontal, c, c);
  } else if (c < 0) {
    emit headerDataChanged(Qt::Vertical, r, r);
  } else if (r < rows_ && c < cols_) {
    const QModelIndex i = index(r, c);
    emit dataChanged(i, i);
  }
}

void GridModel::shapeChanged() {
  const int rows = bodyRows();
  const int cols = bodyCols();
  if (cols != cols_) {
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    endResetModel();
    return;
  }
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
}

void GridModel::selectionChanged() {
  emit selectedRowChanged(grid_.selectedRow() - grid_.fixedRows);
}

GridModel* attachGrid(QTableView* view, TextGrid& grid, const GridLayout& layout) {
  auto* model = new GridModel(grid, layout.editable, view);
  view->setModel(model);
  view->horizontalHeader()->setVisible(grid.fixedRows > 0);
  view->verticalHeader()->setVisible(grid.fixedCols > 0);
  view->horizontalHeader()->setMinimumSectionSize(1);
  view->verticalHeader()->setMinimumSectionSize(1);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(layout.rowHeight);
  view->horizontalHeader()->setFixedHeight(layout.rowHeight);
  for (size_t col = 0; col < layout.columnWidths.size(); ++col) {
    const int width = layout.columnWidths[col];
    const int section = static_cast<int>(col) - grid.fixedCols;
    if (section < 0)
      view->verticalHeader()->setFixedWidth(width);
    else
      view->setColumnWidth(section, width);
  }
  view->setSelectionBehavior(QAbstractItemView::SelectItems);
  view->setTextElideMode(Qt::ElideNone);  // a narrow column cuts its text off
  if (!layout.editable) view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto follow = [view, model](int modelRow) {
    if (modelRow < 0 || modelRow >= model->rowCount()) return;
    const int col = std::max(0, view->currentIndex().column());
    const QModelIndex target = model->index(modelRow, col);
    view->setCurrentIndex(target);
    view->scrollTo(target, QAbstractItemView::EnsureVisible);
  };
  QObject::connect(model, &GridModel::selectedRowChanged, view, follow);
  follow(grid.selectedRow() - grid.fixedRows);
  return model;
}
