// Shows a TextGrid in a QTableView: the grid's fixed head rows and columns
// become the view's headers, and the view follows the grid's selected row.
#pragma once

#include <QAbstractTableModel>

#include "text_grid.h"

class QTableView;

class GridModel : public QAbstractTableModel, public TextGrid::Observer {
  Q_OBJECT

 public:
  GridModel(TextGrid& grid, bool editable, QObject* parent);
  ~GridModel() override;

  TextGrid& grid() { return grid_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void cellChanged(int col, int row) override;
  void shapeChanged() override;
  void selectionChanged() override;

 signals:
  void selectedRowChanged(int modelRow);

 private:
  int bodyRows() const;
  int bodyCols() const;

  TextGrid& grid_;
  bool editable_;
  int rows_;
  int cols_;
};

struct GridLayout {
  int rowHeight = 24;
  std::vector<int> columnWidths;  // by grid column, fixed columns included
  bool editable = false;
};

// Attaches `grid` to `view` with the given sizes.
GridModel* attachGrid(QTableView* view, TextGrid& grid, const GridLayout& layout);
