// Read-only tables and labels of figures, as the analysis window's pages
// show them. Each setter leaves a cell alone when its text is already
// there, so that a step repaints only what it changed.
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTableWidget>

// No editing, selection or focus, columns stretched across the box, rows
// of 20 pixels; `scrolls` lets a table of many rows scroll down.
void setUpFigureTable(QTableWidget* table, bool scrolls = false);
// The heads across, and down (none when `down` is empty).
void setHeads(QTableWidget* table, const QStringList& across, const QStringList& down = {});
// `rows` rows, and, unless the table scrolls, as high as they are, so that
// no empty rows show below the last.
void setRows(QTableWidget* table, int rows);

void setCell(QTableWidget* table, int row, int col, const QString& text,
             Qt::Alignment align = Qt::AlignRight);
void setHead(QTableWidget* table, int col, const QString& text);
void setRowHead(QTableWidget* table, int row, const QString& text);
void setLabel(QLabel* label, const QString& text);
