#include "gui_test.h"

#include <stdexcept>

#include "fonts.h"
#include "grid_view.h"

void GuiTest::SetUp() {
  windows = std::make_unique<WindowSet>();
  model().timeOfDay = [this] { return clockSeconds / 86400.0; };
  windows->setQuitAction([] {});
  windows->start();
}

void GuiTest::TearDown() {
  windows.reset();
}

QPushButton* GuiTest::button(Window w, const char* name) const {
  auto* found = windows->window(w)->findChild<QPushButton*>(QString::fromLatin1(name));
  if (!found) throw std::invalid_argument(std::string("no button ") + name);
  return found;
}

void GuiTest::click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

void GuiTest::settle(int ms) {
  QTest::qWait(ms);
}

std::string shown(QTableView* view, int col, int row) {
  auto* model = static_cast<GridModel*>(view->model());
  const TextGrid& grid = model->grid();
  const int r = row - grid.fixedRows;
  const int c = col - grid.fixedCols;
  QVariant value;
  if (r < 0)
    value = model->headerData(c, Qt::Horizontal, Qt::DisplayRole);
  else if (c < 0)
    value = model->headerData(r, Qt::Vertical, Qt::DisplayRole);
  else
    value = model->data(model->index(r, c), Qt::DisplayRole);
  return value.toString().toStdString();
}

int shownRows(QTableView* view) {
  auto* model = static_cast<GridModel*>(view->model());
  return model->rowCount() + model->grid().fixedRows;
}

int shownSelectedRow(QTableView* view) {
  auto* model = static_cast<GridModel*>(view->model());
  return view->currentIndex().row() + model->grid().fixedRows;
}

void GuiTest::typeRoster(int col, int row, const std::string& text) {
  auto* model = teamSheet()->ui.rosterGrid->model();
  model->setData(model->index(row - 1, col - 1), QString::fromStdString(text), Qt::EditRole);
}

void GuiTest::openMatchWindow() {
  click(teamSheet()->ui.finishInputButton);
}

void GuiTest::startMatch() {
  openMatchWindow();
  click(matchWindow()->ui.startButton);
}

QPushButton* GuiTest::person(int team, int slot) {
  return matchWindow()->personButtons[(team == 1 ? 0 : 15) + slot];
}

QPushButton* GuiTest::location(int code) {
  return code == 11 ? court()->ui.benchButton : court()->locationButtons[code - 1];
}

QPushButton* GuiTest::zone(int code) {
  return court()->zoneButtons[code - 1];
}
