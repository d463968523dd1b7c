#include "team_sheet_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>

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
  ui.StringGrid1->setGeometry(56, 104, 433, 361);
  Timer1.setInterval(1);
  connect(ui.Button1, &QPushButton::clicked, this, &TeamSheetWindow::Button1Click);
  connect(ui.Button2, &QPushButton::clicked, this, &TeamSheetWindow::Button2Click);
  connect(&Timer1, &QTimer::timeout, this, &TeamSheetWindow::Timer1Timer);
  auto follow = [this](QLineEdit* edit, std::string TeamSheetModel::*field) {
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
      this->model().sheet.*field = text.toStdString();
    });
  };
  follow(ui.Edit1, &TeamSheetModel::edit1);
  follow(ui.Edit2, &TeamSheetModel::edit2);
  follow(ui.Edit3, &TeamSheetModel::edit3);
  follow(ui.Edit4, &TeamSheetModel::edit4);
}

void TeamSheetWindow::FormCreate() {
  ui.StringGrid1->setGeometry(45, 80, 633, 365);
  createTeamSheet(model());
  attachGrid(ui.StringGrid1, model().sheet.roster, rosterLayout());
  ui.StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
  ui.StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
  ui.Edit3->setGeometry(120, 40, 100, 20);
  ui.Edit4->setGeometry(415, 40, 100, 20);
  ui.Panel1->setGeometry(250, 20, 60, 20);
  ui.Panel2->setGeometry(545, 20, 60, 20);
  ui.Panel3->setGeometry(270, 45, 20, 25);
  ui.Panel4->setGeometry(565, 45, 20, 25);
  ui.Edit1->setGeometry(100, 485, 100, 20);
  ui.Button2->setGeometry(220, 475, 80, 40);
  ui.Button1->setGeometry(575, 475, 80, 40);
}

void TeamSheetWindow::refresh() {
  const TeamSheetModel& sheet = model().sheet;
  setTextIfChanged(ui.Edit1, sheet.edit1);
  setTextIfChanged(ui.Edit2, sheet.edit2);
  setTextIfChanged(ui.Edit3, sheet.edit3);
  setTextIfChanged(ui.Edit4, sheet.edit4);
  ui.Panel3->setText(qs(sheet.warnings1));
  ui.Panel4->setText(qs(sheet.warnings2));
  ui.Button1->setText(qs(sheet.button1Caption));
  if (sheet.timerEnabled && !Timer1.isActive()) Timer1.start();
  if (!sheet.timerEnabled && Timer1.isActive()) Timer1.stop();
}

void TeamSheetWindow::Button1Click() {
  handle([&] { finishInput(model()); });
}

void TeamSheetWindow::Button2Click() {
  handle([&] { saveMatch(model(), exportHeads_()); });
}

void TeamSheetWindow::Timer1Timer() {
  handle([&] { splashTimerTick(model()); });
}

void TeamSheetWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (model().unsaved) {
    const auto answer = QMessageBox::question(
        this, kProgramTitle,
        QStringLiteral("保存していない記録があります。保存せずに終了しますか?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
  }
  quit_();
}
