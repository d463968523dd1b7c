#include "team_sheet_window.h"

#include <QCloseEvent>

#include "grid_view.h"
#include "message_box.h"
#include "roster_table_model.h"
#include "save_match.h"
#include "views.h"

namespace {

GridLayout rosterLayout() {
  GridLayout layout;
  layout.rowHeight = 20;
  layout.lineLabels = true;
  layout.editable = true;
  for (int col = 0; col < RosterGrid::kColumns; ++col)
    layout.columnWidths.push_back(col == 2 || col == 9 ? 100 : col == 7 ? 15 : 35);
  return layout;
}

}  // namespace

TeamSheetWindow::TeamSheetWindow(Screen& screen)
    : RecorderWindow(screen, WindowId::TeamSheet), rosterGrid_(screen.match()) {
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
  auto follow = [this](QLineEdit* edit, auto type) {
    connect(edit, &QLineEdit::textChanged, this,
            [this, type](const QString& text) { type(match(), text.toStdString()); });
  };
  follow(ui.fileNameEdit, [](Match& m, std::string text) { m.fileStem = std::move(text); });
  follow(ui.exportPrefixEdit, [](Match& m, std::string text) { m.exportPrefix = std::move(text); });
  follow(ui.teamOneNameEdit, [](Match& m, std::string text) { m.team(1).name = std::move(text); });
  follow(ui.teamTwoNameEdit, [](Match& m, std::string text) { m.team(2).name = std::move(text); });
  rosterModel_ = new RosterTableModel(rosterGrid_, this);
  attachGrid(ui.rosterGrid, rosterModel_, rosterLayout());
  ui.rosterGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  ui.rosterGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
}

void TeamSheetWindow::refresh() {
  const Match& m = match();
  setTextIfChanged(ui.fileNameEdit, m.fileStem);
  setTextIfChanged(ui.exportPrefixEdit, m.exportPrefix);
  setTextIfChanged(ui.teamOneNameEdit, m.team(1).name);
  setTextIfChanged(ui.teamTwoNameEdit, m.team(2).name);
  const TeamSheetView view = teamSheetView(screen());
  ui.teamOneWarningsPanel->setText(qs(view.warnings[0]));
  ui.teamTwoWarningsPanel->setText(qs(view.warnings[1]));
  ui.finishInputButton->setText(qs(view.finishInputCaption));
  rosterModel_->refresh();
  const bool splashDue = screen().splashDue();
  if (splashDue && !splashTimer.isActive()) splashTimer.start();
  if (!splashDue && splashTimer.isActive()) splashTimer.stop();
}

void TeamSheetWindow::finishInput() {
  handle([&] { screen().finishInput(); });
}

void TeamSheetWindow::saveMatch() {
  handle([&] {
    ::saveMatch(match(), faults_);
    match().markSaved();
  });
}

void TeamSheetWindow::showSplash() {
  handle([&] { screen().showSplashOnce(); });
}

void TeamSheetWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (match().unsaved() &&
      !askYesNo(this, QStringLiteral("保存していない記録があります。保存せずに終了しますか?")))
    return;
  quit_();
}
