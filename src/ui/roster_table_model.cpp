#include "roster_table_model.h"

RosterTableModel::RosterTableModel(RosterGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid) {
  for (int r = 0; r < kBodyRows; ++r)
    for (int c = 0; c < kBodyCols; ++c) shown_[r][c] = grid_->cell(c + 1, r + 1);
}

int RosterTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kBodyRows;
}

int RosterTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kBodyCols;
}

QVariant RosterTableModel::data(const QModelIndex& index, int role) const {
  if (!grid_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(grid_->cell(index.column() + 1, index.row() + 1));
}

bool RosterTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!grid_ || !index.isValid() || role != Qt::EditRole) return false;
  const std::string text = value.toString().toStdString();
  grid_->setCell(index.column() + 1, index.row() + 1, text);
  shown_[index.row()][index.column()] = text;
  emit dataChanged(index, index);
  emit edited();
  return true;
}

QVariant RosterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!grid_ || role != Qt::DisplayRole) return {};
  const std::string text =
      orientation == Qt::Horizontal ? grid_->cell(section + 1, 0) : grid_->cell(0, section + 1);
  return QString::fromStdString(text);
}

Qt::ItemFlags RosterTableModel::flags(const QModelIndex& index) const {
  return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void RosterTableModel::refresh() {
  if (!grid_) return;
  for (int r = 0; r < kBodyRows; ++r)
    for (int c = 0; c < kBodyCols; ++c) {
      std::string text = grid_->cell(c + 1, r + 1);
      if (text == shown_[r][c]) continue;
      shown_[r][c] = std::move(text);
      const QModelIndex i = index(r, c);
      emit dataChanged(i, i);
    }
}
