#include "analysis_window.h"

#include <QHeaderView>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "analysis_pages.h"
#include "analysis_views.h"
#include "figure_table.h"
#include "fonts.h"

namespace {

constexpr int kTotalRow = kCourtPlaces;  // below the ten places

QString rateText(const ShotCount& c) {
  return qs(goalsOverShots(c)) + "  " + qs(percentText(c.rate()));
}

QString savesText(const SaveCount& c) {
  return QStringLiteral("%1/%2  %3").arg(c.saves).arg(c.onTarget).arg(qs(percentText(c.rate())));
}

// The shots of a position group, from the places in it.
ShotCount groupShots(const ShotFigures& s, int group) {
  ShotCount c;
  for (int place = 1; place <= kCourtPlaces; ++place)
    if (static_cast<int>(shotGroupOf(place)) == group) c += s.byPlace[place];
  return c;
}

// Each half played: the score at its end, and each team's goals over shots.
void showHalves(QTableWidget* table, const MatchFigures& f) {
  const int rows = static_cast<int>(f.halves.size());
  setRows(table, rows);
  for (int row = 0; row < rows; ++row) {
    const HalfFigures& h = f.halves[row];
    setRowHead(table, row, qs(std::string(kPeriodWords[h.period])));
    setCell(table, row, 0, qs(scoreText(h.score)));
    for (TeamId team : kBothTeams)
      setCell(table, row, teamNumber(team), qs(goalsOverShots(h.team(team))));
  }
}

// Where the score lines end: the clock panel's time, or a later event's.
int flowEnd(const Match& m) {
  int last = m.clock().shownSeconds();
  for (const Event& e : m.events()) last = std::max(last, e.clockSeconds);
  return last;
}

}  // namespace

AnalysisWindow::AnalysisWindow(Screen& screen) : RecorderWindow(screen, WindowId::Analysis) {
  ui.setupUi(this);
  applyStoredAppearance({QStringLiteral("分析"),
                         {40, 40},
                         {900, 720},
                         true,
                         palette().color(QPalette::Button),
                         Frame::Sizeable,
                         false});
  ui.scoreLabel->setFont(designFont(kPGothic, 20));

  QTableWidget* places = ui.placeTable;
  places->setRowCount(kCourtPlaces + 1);
  places->setColumnCount(2);
  places->setHorizontalHeaderLabels({"得点/シュート", "成功率"});
  QStringList rows;
  for (int place = 1; place <= kCourtPlaces; ++place) rows << qs(std::string(kPlaceWords[place]));
  rows << QStringLiteral("合計");
  places->setVerticalHeaderLabels(rows);
  setUpFigureTable(places);

  // The score and both teams, whichever team is chosen: a half is the match's.
  ui.halfTable->setColumnCount(1 + kTeams);
  setHead(ui.halfTable, 0, QStringLiteral("スコア"));
  ui.halfTable->horizontalHeader()->setTextElideMode(Qt::ElideRight);
  setUpFigureTable(ui.halfTable);

  // Per position group and kind of attack: the chosen shooters' goals over
  // shots, and the goalkeeper's saves over shots on target.
  QTableWidget* split = ui.splitTable;
  split->setRowCount(2);
  split->setColumnCount(kShotGroups + kAttackKinds);
  QStringList heads;
  for (std::string_view g : kShotGroupWords) heads << qs(std::string(g));
  for (std::string_view a : kAttackWords) heads << qs(std::string(a));
  split->setHorizontalHeaderLabels(heads);
  split->setVerticalHeaderLabels({QStringLiteral("シュート"), QStringLiteral("GK")});
  setUpFigureTable(split);

  ui.personChoice->addItem(QStringLiteral("チーム全体"));
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot) ui.personChoice->addItem(QString());

  connect(ui.teamOneButton, &QPushButton::clicked, this, [this] { chooseTeam(TeamId::One); });
  connect(ui.teamTwoButton, &QPushButton::clicked, this, [this] { chooseTeam(TeamId::Two); });
  connect(ui.personChoice, &QComboBox::activated, this, &AnalysisWindow::choosePerson);

  setUpVideoBar();
  setUpFigurePages(ui);
  // Only the page shown is kept up to date, so a page is filled as it comes up.
  connect(ui.pageTabs, &QTabWidget::currentChanged, this, [this] { refresh(); });
}

void AnalysisWindow::showEvent(QShowEvent* event) {
  RecorderWindow::showEvent(event);
  if (placed_) return;
  placed_ = true;
  // Beside the match window, when the screen has room, so both stay in view.
  const QPoint beside(910, 40);
  const QRect free = QWidget::screen()->availableGeometry();
  if (free.contains(QRect(beside, frameGeometry().size()))) move(beside);
}

void AnalysisWindow::chooseTeam(TeamId team) {
  handle([&] { screen().chooseAnalysisTeam(team); });
}

void AnalysisWindow::choosePerson(int index) {
  handle(
      [&] { screen().chooseAnalysisPerson(index > 0 ? std::optional<int>(index) : std::nullopt); });
}

void AnalysisWindow::setUpVideoBar() {
  for (std::string_view w : kActionChoiceWords) ui.actionChoice->addItem(qs(std::string(w)));
  ui.zoneChoice->addItem(QStringLiteral("全ゾーン"));
  for (int zone = 1; zone <= kGoalZones; ++zone)
    ui.zoneChoice->addItem(qs(std::string(kZoneWords[zone])));
  ui.attackChoice->addItem(QStringLiteral("全攻撃"));
  for (std::string_view w : kAttackWords) ui.attackChoice->addItem(qs(std::string(w)));
  ui.groupChoice->addItem(QStringLiteral("全位置"));
  for (std::string_view w : kShotGroupWords) ui.groupChoice->addItem(qs(std::string(w)));
  for (QComboBox* c : {ui.actionChoice, ui.zoneChoice, ui.attackChoice, ui.groupChoice})
    connect(c, &QComboBox::activated, this, &AnalysisWindow::showVideoBar);
  ui.videoBar->hide();
  auto chosen = [this] { return chosenEvents(match(), videoChoice()); };
  connect(ui.playChosenButton, &QPushButton::clicked, this, [this, chosen] {
    if (video_.play) video_.play(chosen());
  });
  connect(ui.exportClipsButton, &QPushButton::clicked, this, [this, chosen] {
    if (video_.exportClips) video_.exportClips(chosen());
  });
  connect(ui.shotChart, &ShotChartView::markClicked, this, [this](std::size_t event) {
    if (video_.open && video_.open() && video_.play) video_.play({event});
  });
}

void AnalysisWindow::setVideoHooks(VideoHooks hooks) {
  video_ = std::move(hooks);
}

EventChoice AnalysisWindow::videoChoice() {
  EventChoice c;
  c.team = screen().analysisTeam();
  c.slot = screen().analysisSlot();
  c.action = static_cast<ActionChoice>(std::max(0, ui.actionChoice->currentIndex()));
  if (const int zone = ui.zoneChoice->currentIndex(); zone > 0) c.zone = zone;
  if (const int attack = ui.attackChoice->currentIndex(); attack > 0)
    c.attack = static_cast<AttackKind>(attack - 1);
  if (const int group = ui.groupChoice->currentIndex(); group > 0)
    c.group = static_cast<ShotGroup>(group - 1);
  return c;
}

// Shown only while the match's video is open; without one the window is
// as it always was.
void AnalysisWindow::showVideoBar() {
  const bool open = video_.open && video_.open();
  ui.videoBar->setVisible(open);
  if (open)
    setLabel(ui.chosenLabel,
             QStringLiteral("%1 件").arg(chosenEvents(match(), videoChoice()).size()));
}

void AnalysisWindow::refresh() {
  // Hidden, it costs the steps nothing: showing it refreshes it first.
  if (!screen().visible(WindowId::Analysis)) return;
  showVideoBar();
  const Match& m = match();
  const MatchFigures f = matchFigures(m);
  const TeamId team = screen().analysisTeam();
  const std::optional<int> slot = screen().analysisSlot();
  const TeamFigures& t = f.team(team);

  ui.teamOneButton->setText(teamCaption(f.team(TeamId::One)));
  ui.teamTwoButton->setText(teamCaption(f.team(TeamId::Two)));
  ui.teamOneButton->setChecked(team == TeamId::One);
  ui.teamTwoButton->setChecked(team == TeamId::Two);
  for (int s = 1; s <= kLastPlayerSlot; ++s) {
    const QString caption = personCaption(t.persons[s]);
    if (ui.personChoice->itemText(s) != caption) ui.personChoice->setItemText(s, caption);
  }
  {
    const QSignalBlocker quiet(ui.personChoice);
    ui.personChoice->setCurrentIndex(slot.value_or(0));
  }
  const std::string shootOut = shootOutText(f.shootOut);
  setLabel(ui.scoreLabel,
           QStringLiteral("%1 - %2").arg(f.team(TeamId::One).goals).arg(f.team(TeamId::Two).goals) +
               qs(shootOut.empty() ? "" : " " + shootOut));

  switch (static_cast<AnalysisPage>(ui.pageTabs->currentIndex())) {
    case AnalysisPage::Overview:
      return showOverview(f);
    case AnalysisPage::Federation:
      return showFederationPage(ui, m, f, team);
    case AnalysisPage::Numbers:
      return showNumbersPage(ui, m, f);
    case AnalysisPage::Stretches:
      return showStretchPage(ui, m, f);
    case AnalysisPage::Flow:
      return showFlowPage(ui, m, f);
    case AnalysisPage::Lost:
      return showLostPage(ui, m, f);
  }
}

void AnalysisWindow::showOverview(const MatchFigures& f) {
  const Match& m = match();
  const TeamId team = screen().analysisTeam();
  const std::optional<int> slot = screen().analysisSlot();
  const TeamFigures& t = f.team(team);
  const ShotFigures& shots = slot ? t.persons[*slot].shots : t.shots;

  ui.shotChart->setMarks(shotChart(m, team, slot));
  setLabel(ui.shotSummaryLabel, QStringLiteral("シュート %1   得点 %2   成功率 %3")
                                    .arg(shots.total.shots)
                                    .arg(shots.total.goals)
                                    .arg(qs(percentText(shots.total.rate()))));
  for (int row = 0; row <= kTotalRow; ++row) {
    const ShotCount& c = row == kTotalRow ? shots.total : shots.byPlace[row + 1];
    setCell(ui.placeTable, row, 0, qs(goalsOverShots(c)));
    setCell(ui.placeTable, row, 1, qs(percentText(c.rate())));
  }
  setLabel(ui.penaltyLabel, "7m: " + rateText(shots.penalty()));
  ui.zoneMap->setCells(zoneCells(shots.byZone));

  const int32_t assists = slot ? t.persons[*slot].assists : t.assists;
  setLabel(ui.missLabel, QStringLiteral("枠内 %1   被セーブ %2   アシスト %3\n"
                                        "ポスト %4   ブロック %5   枠外 %6")
                             .arg(shots.onTarget())
                             .arg(shots.misses(MissOutcome::Saved))
                             .arg(assists)
                             .arg(shots.misses(MissOutcome::Post))
                             .arg(shots.misses(MissOutcome::Blocked))
                             .arg(shots.misses(MissOutcome::Wide)));

  // A player who keeps goal shows the shots he faced; anyone else, and the
  // whole team, the goal the team defends.
  const PersonFigures* keeper = slot && t.persons[*slot].keeps() ? &t.persons[*slot] : nullptr;
  const GoalkeeperFigures& g = keeper ? keeper->keeping : t.goalkeeper;
  setLabel(
      ui.keeperTitle,
      keeper
          ? QStringLiteral("ゴールキーパー: %1 (セーブ/枠内, セーブ率)").arg(personCaption(*keeper))
          : QStringLiteral("ゴールキーパー: %1 のゴール (セーブ/枠内, セーブ率)")
                .arg(teamCaption(t)));
  ui.keeperMap->setCells(saveCells(g));
  setLabel(ui.keeperLabel, QStringLiteral("枠内 %1   セーブ %2   失点 %3   セーブ率 %4\n"
                                          "7m: セーブ %5/%6  %7   %8 %9\n"
                                          "枠内以外: ポスト %10  ブロック %11  枠外 %12")
                               .arg(g.total.onTarget)
                               .arg(g.total.saves)
                               .arg(g.total.goalsAgainst())
                               .arg(qs(percentText(g.total.rate())))
                               .arg(g.penalty.saves)
                               .arg(g.penalty.onTarget)
                               .arg(qs(percentText(g.penalty.rate())))
                               .arg(qs(std::string(kZoneNotKnownWord)))
                               .arg(g.zoneNotKnown.onTarget)
                               .arg(g.posts)
                               .arg(g.blocked)
                               .arg(g.wide));
  for (int group = 0; group < kShotGroups; ++group) {
    setCell(ui.splitTable, 0, group, rateText(groupShots(shots, group)));
    setCell(ui.splitTable, 1, group, savesText(g.byGroup[group]));
  }
  for (int a = 0; a < kAttackKinds; ++a) {
    setCell(ui.splitTable, 0, kShotGroups + a, rateText(shots.byAttack[a]));
    setCell(ui.splitTable, 1, kShotGroups + a, savesText(g.byAttack[a]));
  }
  const int last = flowEnd(m);
  ui.scoreFlow->setFlow(f, last, scoreFlowAxis(m.settings().periods, m.clock().period(), last));
  for (TeamId team : kBothTeams) setHead(ui.halfTable, teamNumber(team), teamCaption(f.team(team)));
  showHalves(ui.halfTable, f);
}
