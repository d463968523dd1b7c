#include "team_sheet_window.h"

#include <QCloseEvent>

#include "grid_view.h"
#include "message_box.h"
#include "save_match.h"
#include "team_sheet.h"

namespace {

GridLayout rosterLayout() {
  GridLayout layout;
  layout.rowHeight = 20;
  layout.editable = true;
  for (int col = 0; col < 14; ++col)
    layout.columnWidths.push_back(col == 2 || col == 9 ? 100 : col == 7 ? 15 : 35);
  return layout;
}

}  // namespace

TeamSheetWindow::TeamSheetWindow(MatchModel& model) : RecorderWindow(model, Window::TeamSheet) {
  ui.setupUi(this);
  applyStoredAppearance({QStringLiteral("データ入力"),
                         {174, 93},
                         {742, 523},
                         true,
                         QColor(128, 128, 0),
                         Frame::Tool,
                         false});
  splashTimer.setInterval(1);
  connect(ui.finishInputButton, &QPushButton::clicked, this, &TeamSheetWindow::finishInput);
  connect(ui.saveButton, &QPushButton::clicked, this, &TeamSheetWindow::saveMatch);
  connect(&splashTimer, &QTimer::timeout, this, &TeamSheetWindow::showSplash);
  auto follow = [this](QLineEdit* edit, std::string TeamSheetModel::*field) {
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
      this->model().sheet.*field = text.toStdString();
    });
  };
  follow(ui.fileNameEdit, &TeamSheetModel::edit1);
  follow(ui.exportPrefixEdit, &TeamSheetModel::edit2);
  follow(ui.teamOneNameEdit, &TeamSheetModel::edit3);
  follow(ui.teamTwoNameEdit, &TeamSheetModel::edit4);
}

void TeamSheetWindow::setUp() {
  createTeamSheet(model());
  attachGrid(ui.rosterGrid, model().sheet.roster, rosterLayout());
  ui.rosterGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  ui.rosterGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
}

void TeamSheetWindow::refresh() {
  const TeamSheetModel& sheet = model().sheet;
  setTextIfChanged(ui.fileNameEdit, sheet.edit1);
  setTextIfChanged(ui.exportPrefixEdit, sheet.edit2);
  setTextIfChanged(ui.teamOneNameEdit, sheet.edit3);
  setTextIfChanged(ui.teamTwoNameEdit, sheet.edit4);
  ui.teamOneWarningsPanel->setText(qs(sheet.warnings1));
  ui.teamTwoWarningsPanel->setText(qs(sheet.warnings2));
  ui.finishInputButton->setText(qs(sheet.button1Caption));
  if (sheet.timerEnabled && !splashTimer.isActive()) splashTimer.start();
  if (!sheet.timerEnabled && splashTimer.isActive()) splashTimer.stop();
}

void TeamSheetWindow::finishInput() {
  handle([&] { ::finishInput(model()); });
}

void TeamSheetWindow::saveMatch() {
  handle([&] { ::saveMatch(model(), exportHeads_()); });
}

void TeamSheetWindow::showSplash() {
  handle([&] { splashTimerTick(model()); });
}

void TeamSheetWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (model().unsaved &&
      !askYesNo(this, QStringLiteral("保存していない記録があります。保存せずに終了しますか?")))
    return;
  quit_();
}
