#include "match_window.h"

#include "event_entry.h"
#include "fonts.h"
#include "grid_view.h"

namespace {
const GridLayout kLogLayout{24, {70, 40, 80, 85, 40, 85}, false};
}

MatchWindow::MatchWindow(MatchModel& model) : RecorderWindow(model, Window::Match) {
  ui.setupUi(this);
  applyStoredAppearance({QStringLiteral("handball"),
                         {192, 94},
                         {700, 523},
                         true,
                         QColor(0, 0, 255),
                         Frame::Tool,
                         true});
  ui.Panel1->setFont(designFont(kPGothic, 19));
  ui.Button40->setFont(designFont(kMincho, 24, true));
  for (int n = 1; n <= 30; ++n)
    personButtons[n - 1] = findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
  actionButtons = {ui.Button33, ui.Button34, ui.Button35, ui.Button36, ui.Button38, ui.Button37};
  Timer1.setInterval(1000);

  for (int n = 1; n <= 30; ++n) {
    const int team = n <= 15 ? 1 : 2;
    const int slot = n <= 15 ? n - 1 : n - 16;
    connect(personButtons[n - 1], &QPushButton::clicked, this,
            [this, team, slot] { handle([&] { pickPlayer(this->model(), team, slot); }); });
  }
  connect(ui.Button31, &QPushButton::clicked, this, &MatchWindow::Button31Click);
  connect(ui.Button32, &QPushButton::clicked, this, &MatchWindow::Button32Click);
  connect(ui.Button33, &QPushButton::clicked, this, &MatchWindow::Button33Click);
  connect(ui.Button34, &QPushButton::clicked, this, &MatchWindow::Button34Click);
  connect(ui.Button35, &QPushButton::clicked, this, &MatchWindow::Button35Click);
  connect(ui.Button36, &QPushButton::clicked, this, &MatchWindow::Button36Click);
  connect(ui.Button37, &QPushButton::clicked, this, &MatchWindow::Button37Click);
  connect(ui.Button38, &QPushButton::clicked, this, &MatchWindow::Button38Click);
  connect(ui.Button39, &QPushButton::clicked, this, &MatchWindow::Button39Click);
  connect(ui.Button40, &QPushButton::clicked, this, &MatchWindow::Button40Click);
  connect(&Timer1, &QTimer::timeout, this, &MatchWindow::Timer1Timer);
}

void MatchWindow::FormCreate() {
  ui.StringGrid1->setGeometry(230, 15, 450, 150);
  ui.StringGrid2->setGeometry(230, 180, 450, 150);
  createMatchWindow(model());
  attachGrid(ui.StringGrid1, model().match.log1, kLogLayout);
  attachGrid(ui.StringGrid2, model().match.log2, kLogLayout);
  for (int n = 1; n <= 30; ++n) {
    const int left = n <= 15 ? 118 + 38 * (n - 1) : 118 + 38 * (n - 16);
    personButtons[n - 1]->setGeometry(left, n <= 15 ? 344 : 382, 33, 33);
  }
}

void MatchWindow::refresh() {
  const MatchWindowModel& w = model().match;
  for (int i = 0; i < 30; ++i) {
    personButtons[i]->setText(qs(w.personCaptions[i]));
    personButtons[i]->setEnabled(w.personEnabled[i]);
  }
  for (int i = 0; i < 6; ++i) actionButtons[i]->setEnabled(w.actionEnabled[i]);
  ui.Button40->setEnabled(w.correctionEnabled);
  ui.Button31->setEnabled(w.startEnabled);
  ui.Button32->setEnabled(w.pauseEnabled);
  ui.Panel1->setText(qs(w.clockCaption));
  ui.Panel6->setText(qs(w.score1));
  ui.Panel8->setText(qs(w.score2));
  ui.Panel2->setText(qs(w.teamPanels[0]));
  ui.Panel3->setText(qs(w.teamPanels[1]));
  ui.Panel4->setText(qs(w.teamPanels[2]));
  ui.Panel5->setText(qs(w.teamPanels[3]));
  if (w.timerEnabled && !Timer1.isActive()) Timer1.start();
  if (!w.timerEnabled && Timer1.isActive()) Timer1.stop();
}

void MatchWindow::Button31Click() {
  handle([&] { startMatch(model()); });
}
void MatchWindow::Button32Click() {
  handle([&] { pauseOrContinue(model()); });
}
void MatchWindow::Button33Click() {
  handle([&] { recordAction(model(), codes::kGoal); });
}
void MatchWindow::Button34Click() {
  handle([&] { recordAction(model(), codes::kShotMiss); });
}
void MatchWindow::Button35Click() {
  handle([&] { recordAction(model(), codes::kKeepMiss); });
}
void MatchWindow::Button36Click() {
  handle([&] { recordAction(model(), codes::kPenaltyWon); });
}
void MatchWindow::Button37Click() {
  handle([&] { recordAction(model(), codes::kFoul); });
}
void MatchWindow::Button38Click() {
  handle([&] { recordAction(model(), codes::kTimeOut); });
}
void MatchWindow::Button39Click() {
  handle([&] { showTeamSheet(model()); });
}
void MatchWindow::Button40Click() {
  handle([&] { correctPlayerPick(model()); });
}
void MatchWindow::Timer1Timer() {
  handle([&] { clockTick(model()); });
}
