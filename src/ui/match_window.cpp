#include "match_window.h"

#include <QApplication>
#include <algorithm>

#include "fonts.h"
#include "grid_view.h"
#include "key_entry.h"
#include "key_legend.h"
#include "log_edits.h"
#include "log_table_model.h"
#include "rules_view.h"
#include "views.h"

namespace {
const GridLayout kLogLayout{24, {70, 40, 80, 85, 40, 85}, false, false};
}

MatchWindow::MatchWindow(Screen& screen) : RecorderWindow(screen, WindowId::Match) {
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
  for (int slot = 0; slot < kRosterLines; ++slot) {
    personButtons[slot] = findChild<QPushButton*>(QStringLiteral("teamOnePerson%1").arg(slot));
    personButtons[kRosterLines + slot] =
        findChild<QPushButton*>(QStringLiteral("teamTwoPerson%1").arg(slot));
  }
  actionButtons = {ui.goalButton,       ui.shotMissButton, ui.keepMissButton,
                   ui.penaltyWonButton, ui.timeOutButton,  ui.foulButton};
  clockTimer.setInterval(1000);
  typedPersonPanel = new QLabel(this);
  typedPersonPanel->setObjectName(QStringLiteral("typedPersonPanel"));
  typedPersonPanel->setGeometry(32, 296, 137, 33);
  typedPersonPanel->setFrameShape(QFrame::Panel);
  typedPersonPanel->setFrameShadow(QFrame::Sunken);
  typedPersonPanel->setAlignment(Qt::AlignCenter);
  typedPersonPanel->setAutoFillBackground(true);
  QPalette white = typedPersonPanel->palette();
  white.setColor(QPalette::Window, Qt::white);
  typedPersonPanel->setPalette(white);
  typedPersonPanel->hide();

  for (int i = 0; i < 2 * kRosterLines; ++i) {
    const TeamId team = i < kRosterLines ? TeamId::One : TeamId::Two;
    const int slot = i % kRosterLines;
    connect(personButtons[i], &QPushButton::clicked, this,
            [this, team, slot] { pickPerson(team, slot); });
  }
  for (int i = 0; i < kActions; ++i) {
    const auto action = static_cast<Action>(i + 1);
    actionButtons[i]->setText(qs(std::string(actionWord(action))));
    connect(actionButtons[i], &QPushButton::clicked, this,
            [this, action] { chooseAction(action); });
  }
  connect(ui.startButton, &QPushButton::clicked, this, &MatchWindow::startMatch);
  connect(ui.pauseButton, &QPushButton::clicked, this, &MatchWindow::togglePause);
  connect(ui.teamSheetButton, &QPushButton::clicked, this, &MatchWindow::showTeamSheet);
  connect(ui.correctionButton, &QPushButton::clicked, this, &MatchWindow::correctPerson);
  connect(ui.analysisButton, &QPushButton::clicked, this, &MatchWindow::showAnalysis);
  connect(ui.videoButton, &QPushButton::clicked, this, [this] {
    if (videoRequest) videoRequest();
  });
  // Nudges keep the clock in step with the hall clock or a video.
  const std::pair<QPushButton*, int> nudges[] = {{ui.minusTenButton, -10},
                                                 {ui.minusOneButton, -1},
                                                 {ui.plusOneButton, 1},
                                                 {ui.plusTenButton, 10}};
  for (const auto& [button, seconds] : nudges)
    connect(button, &QPushButton::clicked, this,
            [this, seconds = seconds] { handle([&] { this->screen().nudgeClock(seconds); }); });
  connect(ui.clockEdit, &QLineEdit::returnPressed, this, [this] {
    handle([&] {
      this->screen().setClockText(ui.clockEdit->text().toStdString());
      ui.clockEdit->clear();
      // Keys take steps again once the time is set.
      ui.clockEdit->clearFocus();
    });
  });
  // Escape leaves the box unchanged, for the keys to take steps again.
  new QShortcut(
      QKeySequence(Qt::Key_Escape), ui.clockEdit, ui.clockEdit,
      [this] {
        ui.clockEdit->clear();
        ui.clockEdit->clearFocus();
      },
      Qt::WidgetShortcut);
  for (QWidget* small : std::initializer_list<QWidget*>{ui.teamOneStrengthLabel,
                                                        ui.teamTwoStrengthLabel, ui.noticesList})
    small->setFont(designFont(kPGothic, 11));
  // The notices on the ground of the panels beside them.
  QPalette ground = ui.noticesList->palette();
  ground.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
  ui.noticesList->setPalette(ground);
  analysisKey = new QShortcut(QKeySequence(Qt::Key_F8), this, this, &MatchWindow::showAnalysis,
                              Qt::WindowShortcut);
  connect(&clockTimer, &QTimer::timeout, this, &MatchWindow::tick);

  QTableView* logs[] = {ui.teamOneLog, ui.teamTwoLog};
  for (TeamId team : kBothTeams) {
    QTableView* view = logs[teamIndex(team)];
    auto* model = new LogTableModel(match(), team, view);
    logModels[teamIndex(team)] = model;
    attachGrid(view, model, kLogLayout);
    connect(model, &LogTableModel::selectedRowChanged, view,
            [view](int row) { followRow(view, row); });
    // The highlighted row shows where the next event goes: a click or a key
    // in the log, say to mend a row, does not move it. Put back without
    // scrolling, so that the row clicked stays under the pointer for the
    // second half of a double-click.
    view->setAutoScroll(false);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
            [view, model](const QModelIndex& now) {
              const int row = model->selectedRow();
              if (now.row() != row && row >= 0 && row < model->rowCount())
                view->setCurrentIndex(model->index(row, std::max(0, now.column())));
            });
    model->refresh();
  }
  logEdits = new LogEdits(*this, {ui.teamOneLog, ui.teamTwoLog});
}

// A log filled while the window was hidden (a match brought back or opened)
// could not scroll then: it had no size yet. Shown, each log brings its
// next row into view, as it would have followed it step by step, and the
// notices their newest.
void MatchWindow::showEvent(QShowEvent* event) {
  RecorderWindow::showEvent(event);
  QTableView* logs[] = {ui.teamOneLog, ui.teamTwoLog};
  for (int team = 0; team < 2; ++team) {
    logs[team]->doItemsLayout();
    followRow(logs[team], logModels[team]->selectedRow());
  }
  ui.noticesList->doItemsLayout();
  ui.noticesList->scrollToBottom();
}

void MatchWindow::refresh() {
  const MatchWindowView v = matchWindowView(match());
  for (int i = 0; i < 2 * kRosterLines; ++i) {
    personButtons[i]->setText(
        qs(screen().personCaption(teamAt(i / kRosterLines), i % kRosterLines)));
    personButtons[i]->setEnabled(v.personsUsable);
  }
  for (int i = 0; i < kActions; ++i) actionButtons[i]->setEnabled(v.actionUsable[i + 1]);
  ui.correctionButton->setEnabled(v.correctionUsable);
  ui.startButton->setEnabled(v.startUsable);
  ui.pauseButton->setEnabled(v.pauseUsable);
  ui.clockPanel->setText(qs(v.clock));
  ui.teamOneScorePanel->setText(qs(v.scores[0]));
  ui.teamTwoScorePanel->setText(qs(v.scores[1]));
  ui.teamOneLogNamePanel->setText(qs(screen().teamPanel(TeamId::One)));
  ui.teamTwoLogNamePanel->setText(qs(screen().teamPanel(TeamId::Two)));
  ui.teamOneRowNamePanel->setText(qs(screen().teamPanel(TeamId::One)));
  ui.teamTwoRowNamePanel->setText(qs(screen().teamPanel(TeamId::Two)));
  for (LogTableModel* log : logModels) log->refresh();
  logEdits->refresh();
  showRules();
  if (keys_) {
    const auto typed = keys_->typedCandidates(screen());
    for (int i = 0; i < 2 * kRosterLines; ++i) {
      const std::pair person{teamAt(i / kRosterLines), i % kRosterLines};
      legend_->setMarked(personButtons[i],
                         std::find(typed.begin(), typed.end(), person) != typed.end());
    }
    const QString text = qs(keys_->typedPerson(screen()));
    typedPersonPanel->setText(text);
    typedPersonPanel->setVisible(!text.isEmpty());
  }
  if (v.clockTicking && !clockTimer.isActive()) clockTimer.start();
  if (!v.clockTicking && clockTimer.isActive()) clockTimer.stop();
}

std::vector<KeyedControl> MatchWindow::keyedControls() const {
  using G = KeyGroup;
  using K = KeyStepKind;
  // A player's button reads the shirt number typed for it; the official's
  // and the team names beside the rows carry the keys that go before.
  std::vector<KeyedControl> keyed = {
      {ui.teamOneRowNamePanel, keyStepOf(G::MatchWindow, K::Team, 1)},
      {ui.teamTwoRowNamePanel, keyStepOf(G::MatchWindow, K::Team, 2)},
      {personButtons[0], keyStepOf(G::MatchWindow, K::Official)},
      {personButtons[kRosterLines], keyStepOf(G::MatchWindow, K::Official)},
      {ui.startButton, keyStepOf(G::Everywhere, K::Start)},
      {ui.pauseButton, keyStepOf(G::Everywhere, K::Pause)},
      {ui.correctionButton, keyStepOf(G::Everywhere, K::Correct)},
      {ui.teamSheetButton, keyStepOf(G::Everywhere, K::Switch)},
  };
  for (int a = 1; a <= kActions; ++a)
    keyed.push_back({actionButtons[a - 1], keyStepOf(G::MatchWindow, K::Action, a)});
  return keyed;
}

void MatchWindow::setKeyEntry(const KeyEntry* keys, KeyLegend* legend) {
  keys_ = keys;
  legend_ = legend;
}

void MatchWindow::pickPerson(TeamId team, int slot) {
  handle([&] { screen().pickPerson(team, slot); });
}
void MatchWindow::chooseAction(Action action) {
  handle([&] { screen().chooseAction(action); });
}
void MatchWindow::startMatch() {
  handle([&] { screen().startMatch(); });
}
void MatchWindow::togglePause() {
  handle([&] { screen().togglePause(); });
}
void MatchWindow::showTeamSheet() {
  handle([&] { screen().showTeamSheet(); });
}
void MatchWindow::correctPerson() {
  handle([&] { screen().correctPerson(); });
}
void MatchWindow::showAnalysis() {
  handle([&] { screen().showAnalysis(); });
}

// Every notice of the match stays in the list, wrapped, its whole text also
// in its tooltip. The list is rebuilt only when the notices change, then
// scrolled to the newest: a list scrolled back to read stays there.
void MatchWindow::showNotices(const std::vector<std::string>& notices) {
  QListWidget* list = ui.noticesList;
  bool same = list->count() == static_cast<int>(notices.size());
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == qs(notices[i]);
  if (same) return;
  list->clear();
  for (const std::string& n : notices) {
    auto* item = new QListWidgetItem(qs(n), list);
    item->setToolTip(qs(n));
  }
  // Laid out now, wrapped lines and all, for the bottom to be the newest's.
  list->doItemsLayout();
  list->scrollToBottom();
}

void MatchWindow::tick() {
  handle([&] { screen().tick(); });
}

// The period, each team's strength with its running suspensions, and the
// notices of the rules' limits; suspended persons' buttons in red.
void MatchWindow::showRules() {
  const RulesView rules = rulesView(match());
  ui.periodLabel->setText(qs(rules.period));
  ui.teamOneStrengthLabel->setText(qs(rules.teams[0].text));
  ui.teamTwoStrengthLabel->setText(qs(rules.teams[1].text));
  showNotices(rules.notices);
  const QColor normal = QApplication::palette().color(QPalette::ButtonText);
  for (int i = 0; i < 2 * kRosterLines; ++i) {
    const bool suspended = rules.teams[i / kRosterLines].suspended[i % kRosterLines];
    QPalette p = personButtons[i]->palette();
    const QColor wanted = suspended ? QColor(Qt::red) : normal;
    if (p.color(QPalette::ButtonText) == wanted) continue;
    p.setColor(QPalette::ButtonText, wanted);
    personButtons[i]->setPalette(p);
  }
}
