#include "log_table_model.h"

#include "views.h"

LogTableModel::LogTableModel(const Match& match, TeamId team, QObject* parent)
    : QAbstractTableModel(parent), match_(match), team_(team) {
  rows_ = logShape(match_, team_).rowCount - 1;
}

int LogTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kLogHeads.size());
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(logCell(match_, team_, index.column(), index.row() + 1));
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return QString::fromStdString(logCell(match_, team_, section, 0));
}

void LogTableModel::refresh() {
  const LogShape shape = logShape(match_, team_);
  const int rows = shape.rowCount - 1;
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
  // Only the rows around the open event change in a step, but a view redraws
  // no more than it shows, so one notice for all rows costs nothing more.
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
  const int selected = shape.selectedRow - 1;
  if (selected != selected_) {
    selected_ = selected;
    emit selectedRowChanged(selected);
  }
}
