#include "figure_table.h"

#include <QHeaderView>

void setUpFigureTable(QTableWidget* table, bool scrolls) {
  table->verticalHeader()->setDefaultSectionSize(20);
  table->horizontalHeader()->setFixedHeight(22);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setProperty("scrolls", scrolls);
}

void setHeads(QTableWidget* table, const QStringList& across, const QStringList& down) {
  table->setColumnCount(static_cast<int>(across.size()));
  table->setHorizontalHeaderLabels(across);
  if (down.isEmpty()) {
    table->verticalHeader()->hide();
    return;
  }
  setRows(table, static_cast<int>(down.size()));
  table->setVerticalHeaderLabels(down);
}

void setRows(QTableWidget* table, int rows) {
  if (table->rowCount() == rows) return;
  table->setRowCount(rows);
  if (table->property("scrolls").toBool()) return;
  const int header =
      table->horizontalHeader()->isHidden() ? 0 : table->horizontalHeader()->height();
  table->setFixedHeight(header + rows * table->verticalHeader()->defaultSectionSize() +
                        2 * table->frameWidth());
}

void setCell(QTableWidget* table, int row, int col, const QString& text, Qt::Alignment align) {
  QTableWidgetItem* item = table->item(row, col);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(align | Qt::AlignVCenter);
    table->setItem(row, col, item);
  }
  if (item->text() != text) item->setText(text);
}

void setHead(QTableWidget* table, int col, const QString& text) {
  QTableWidgetItem* item = table->horizontalHeaderItem(col);
  if (!item) table->setHorizontalHeaderItem(col, item = new QTableWidgetItem);
  if (item->text() != text) item->setText(text);
}

void setRowHead(QTableWidget* table, int row, const QString& text) {
  QTableWidgetItem* item = table->verticalHeaderItem(row);
  if (!item) table->setVerticalHeaderItem(row, item = new QTableWidgetItem);
  if (item->text() != text) item->setText(text);
}

void setLabel(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}
