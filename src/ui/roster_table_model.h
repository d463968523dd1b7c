// The team sheet's roster grid for a table view: the column heads and line
// labels as the view's headers, the typed cells editable.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <string>

#include "roster_grid.h"

class RosterTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  RosterTableModel(RosterGrid& grid, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Tells the view about cells the recording changed (counts) since.
  void refresh();
  // Lets go of the grid, which goes away before the view: an editor still
  // open commits as its window closes, and nothing must be written then.
  void detach() { grid_ = nullptr; }

 signals:
  // A cell was typed into.
  void edited();

 private:
  static constexpr int kBodyRows = RosterGrid::kRows - 1;
  static constexpr int kBodyCols = RosterGrid::kColumns - 1;

  RosterGrid* grid_;
  std::array<std::array<std::string, kBodyCols>, kBodyRows> shown_;
};
