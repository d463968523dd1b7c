// A team's event log for a table view: the heads as the view's header, a row
// per event and the open event's row, read from the match cell by cell.
#pragma once

#include <QAbstractTableModel>

#include "team_id.h"

class Match;

class LogTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  LogTableModel(const Match& match, TeamId team, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Brings rows and cells in line with the match after a step.
  void refresh();
  // The row of the next event, counted under the heads.
  int selectedRow() const { return selected_; }

 signals:
  // The row of the next event, counted under the heads.
  void selectedRowChanged(int row);

 private:
  const Match& match_;
  TeamId team_;
  int rows_ = 0;
  int selected_ = -1;
};
