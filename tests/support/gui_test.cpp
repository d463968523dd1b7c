#include "gui_test.h"

#include <QHeaderView>
#include <QKeySequence>
#include <sstream>
#include <stdexcept>

#include "fonts.h"

void GuiTest::SetUp() {
  windows = std::make_unique<WindowSet>();
  match().timeOfDay = [this] { return clockSeconds / 86400.0; };
  windows->setQuitAction([] {});
  windows->start();
}

void GuiTest::TearDown() {
  windows.reset();
}

QPushButton* GuiTest::button(WindowId w, const char* name) const {
  auto* found = windows->window(w)->findChild<QPushButton*>(QString::fromLatin1(name));
  if (!found) throw std::invalid_argument(std::string("no button ") + name);
  return found;
}

void GuiTest::click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

QWidget* GuiTest::front() const {
  // Activation reaches the application as a queued platform event.
  QCoreApplication::processEvents();
  QWidget* active = QApplication::activeWindow();
  return active && windows->owns(active) && active->isVisible() ? active : teamSheet();
}

void GuiTest::keys(const std::string& names) {
  std::istringstream in(names);
  for (std::string name; in >> name;) {
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(name));
    if (sequence.count() != 1) throw std::invalid_argument("no key " + name);
    const QKeyCombination key = sequence[0];
    QWidget* window = front();
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus && focus->isVisible() ? focus : window, key.key(),
                    key.keyboardModifiers());
  }
}

void GuiTest::settle(int ms) {
  QTest::qWait(ms);
}

namespace {
// Head rows and line-label columns of a view: every view here has one head
// row; the roster also labels its lines.
int headCols(QTableView* view) {
  return view->verticalHeader()->isHidden() ? 0 : 1;
}
}  // namespace

std::string shown(QTableView* view, int col, int row) {
  QAbstractItemModel* model = view->model();
  const int r = row - 1;
  const int c = col - headCols(view);
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
  return view->model()->rowCount() + 1;
}

int shownSelectedRow(QTableView* view) {
  return view->currentIndex().row() + 1;
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

QPushButton* GuiTest::person(TeamId team, int slot) {
  return matchWindow()->personButtons[teamIndex(team) * kRosterLines + slot];
}

QPushButton* GuiTest::location(int code) {
  return code == 11 ? court()->ui.benchButton : court()->locationButtons[code - 1];
}

QPushButton* GuiTest::zone(int code) {
  return court()->zoneButtons[code - 1];
}

void GuiTest::waitForSplash() {
  for (int waited = 0; waited < 2000 && !splash()->isVisible(); waited += 5) settle(5);
}
