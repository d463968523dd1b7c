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
  ui.clockPanel->setFont(designFont(kPGothic, 19));
  ui.correctionButton->setFont(designFont(kMincho, 24, true));
  for (int slot = 0; slot < 15; ++slot) {
    personButtons[slot] = findChild<QPushButton*>(QStringLiteral("teamOnePerson%1").arg(slot));
    personButtons[15 + slot] = findChild<QPushButton*>(QStringLiteral("teamTwoPerson%1").arg(slot));
  }
  actionButtons = {ui.goalButton,       ui.shotMissButton, ui.keepMissButton,
                   ui.penaltyWonButton, ui.timeOutButton,  ui.foulButton};
  clockTimer.setInterval(1000);

  for (int i = 0; i < 30; ++i) {
    const int team = i < 15 ? 1 : 2;
    const int slot = i % 15;
    connect(personButtons[i], &QPushButton::clicked, this,
            [this, team, slot] { pickPerson(team, slot); });
  }
  for (int i = 0; i < 6; ++i)
    connect(actionButtons[i], &QPushButton::clicked, this, [this, i] { chooseAction(i + 1); });
  connect(ui.startButton, &QPushButton::clicked, this, &MatchWindow::startMatch);
  connect(ui.pauseButton, &QPushButton::clicked, this, &MatchWindow::togglePause);
  connect(ui.teamSheetButton, &QPushButton::clicked, this, &MatchWindow::showTeamSheet);
  connect(ui.correctionButton, &QPushButton::clicked, this, &MatchWindow::correctPerson);
  connect(&clockTimer, &QTimer::timeout, this, &MatchWindow::tick);
}

void MatchWindow::setUp() {
  createMatchWindow(model());
  attachGrid(ui.teamOneLog, model().match.log1, kLogLayout);
  attachGrid(ui.teamTwoLog, model().match.log2, kLogLayout);
}

void MatchWindow::refresh() {
  const MatchWindowModel& w = model().match;
  for (int i = 0; i < 30; ++i) {
    personButtons[i]->setText(qs(w.personCaptions[i]));
    personButtons[i]->setEnabled(w.personEnabled[i]);
  }
  for (int i = 0; i < 6; ++i) actionButtons[i]->setEnabled(w.actionEnabled[i]);
  ui.correctionButton->setEnabled(w.correctionEnabled);
  ui.startButton->setEnabled(w.startEnabled);
  ui.pauseButton->setEnabled(w.pauseEnabled);
  ui.clockPanel->setText(qs(w.clockCaption));
  ui.teamOneScorePanel->setText(qs(w.score1));
  ui.teamTwoScorePanel->setText(qs(w.score2));
  ui.teamOneLogNamePanel->setText(qs(w.teamPanels[0]));
  ui.teamTwoLogNamePanel->setText(qs(w.teamPanels[1]));
  ui.teamOneRowNamePanel->setText(qs(w.teamPanels[2]));
  ui.teamTwoRowNamePanel->setText(qs(w.teamPanels[3]));
  if (w.timerEnabled && !clockTimer.isActive()) clockTimer.start();
  if (!w.timerEnabled && clockTimer.isActive()) clockTimer.stop();
}

void MatchWindow::pickPerson(int team, int slot) {
  handle([&] { pickPlayer(model(), team, slot); });
}
void MatchWindow::chooseAction(int action) {
  handle([&] { recordAction(model(), action); });
}
void MatchWindow::startMatch() {
  handle([&] { ::startMatch(model()); });
}
void MatchWindow::togglePause() {
  handle([&] { pauseOrContinue(model()); });
}
void MatchWindow::showTeamSheet() {
  handle([&] { ::showTeamSheet(model()); });
}
void MatchWindow::correctPerson() {
  handle([&] { correctPlayerPick(model()); });
}
void MatchWindow::tick() {
  handle([&] { clockTick(model()); });
}
