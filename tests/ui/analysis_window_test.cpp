// The analysis window: opened from the match window by its button and by F8,
// it follows every step at once, and shows the team or player chosen.
#include "analysis_window.h"

#include <QComboBox>
#include <QTabBar>
#include <QTableWidget>

#include "analysis_pages.h"
#include "analysis_views.h"
#include "event_steps.h"

namespace {

constexpr int kGoal = 1, kShotMiss = 2, kKeepMiss = 3, kPenaltyWon = 4, kTimeOut = 5;
constexpr int kLeftWing = 1, kCentre = 7, kPenalty = 10;
constexpr int kTopLeft = 2, kTopCentre = 5, kOutsideRight = 11;

class AnalysisWindowTest : public EventTest {
 protected:
  Ui::AnalysisWindow& view() { return analysis()->ui; }
  // Goals over shots and the rate in the row of a place (11: the total).
  std::string placeRow(int row) {
    QTableWidget* t = view().placeTable;
    auto text = [&](int col) {
      QTableWidgetItem* item = t->item(row - 1, col);
      return item ? item->text().toStdString() : std::string("(none)");
    };
    return text(0) + " " + text(1);
  }
  std::string label(QLabel* l) { return l->text().toStdString(); }
  // A row of the halves' table: its half, the score at its end and both
  // teams' goals over shots.
  std::string halfRow(int row) {
    QTableWidget* t = view().halfTable;
    std::string text = t->verticalHeaderItem(row)->text().toStdString();
    for (int col = 0; col < t->columnCount(); ++col) {
      QTableWidgetItem* item = t->item(row, col);
      text += " " + (item ? item->text().toStdString() : std::string("(none)"));
    }
    return text;
  }
  std::string zoneCell(GoalMapView* map, int zone) {
    const GoalCell& c = map->cells()[zone];
    return (c.count + " " + c.rate).toStdString();
  }
  // The colour at a mark's centre and half a radius right of it, in the
  // shot chart as drawn on screen.
  std::pair<QColor, QColor> markColours(const ShotMark& mark) {
    ShotChartView* chart = view().shotChart;
    const QImage drawn = chart->grab().toImage();
    const QRectF court = chart->courtRect();
    const double scale = court.width() / kCourtPictureWidth;
    const QPointF centre = court.topLeft() + QPointF(mark.at.x, mark.at.y) * scale;
    const QPointF aside = centre + QPointF(kMarkRadius * scale / 2, 0);
    return {drawn.pixelColor(centre.toPoint()), drawn.pixelColor(aside.toPoint())};
  }
  // A row of a figure table, its cells joined with "|".
  static std::string tableRow(QTableWidget* t, int row) {
    std::string text;
    for (int col = 0; col < t->columnCount(); ++col) {
      QTableWidgetItem* item = t->item(row, col);
      text += (col ? "|" : "") + (item ? item->text().toStdString() : std::string("(none)"));
    }
    return text;
  }
  void showPage(AnalysisPage page) {
    QTabBar* tabs = view().pageTabs->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(static_cast<int>(page)).center());
  }
  void choosePersonByKeyboard(int downs) {
    for (int i = 0; i < downs; ++i) QTest::keyClick(view().personChoice, Qt::Key_Down);
  }
};

bool dark(const QColor& c) {
  return c.lightness() < 100;
}

TEST_F(AnalysisWindowTest, OpensFromItsButtonAndFromF8AndItsCloseBoxHidesIt) {
  openMatchWindow();
  EXPECT_FALSE(analysis()->isVisible());
  EXPECT_EQ(matchWindow()->ui.analysisButton->text().toStdString(), "分析");
  click(matchWindow()->ui.analysisButton);
  EXPECT_TRUE(analysis()->isVisible());
  EXPECT_EQ(analysis()->windowTitle().toStdString(), "分析");
  analysis()->close();
  EXPECT_FALSE(analysis()->isVisible());

  // The key works while the match window is the active one; the splash,
  // which comes up once the event loop runs, is clicked away first.
  settle(20);
  QTest::mouseClick(splash(), Qt::LeftButton);
  matchWindow()->activateWindow();
  settle(20);
  ASSERT_EQ(QApplication::activeWindow(), matchWindow());
  QTest::keyClick(matchWindow(), Qt::Key_F8);
  EXPECT_TRUE(analysis()->isVisible());
}

// Opening it in the middle of an event neither stops nor changes the event.
TEST_F(AnalysisWindowTest, OpeningItHalfwayThroughAnEventLeavesTheEventAsItWas) {
  startMatch();
  pickAndAct(TeamId::Two, 4, kShotMiss);
  click(matchWindow()->ui.analysisButton);
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "100");
  click(location(kCentre));
  click(zone(kTopLeft));
  EXPECT_EQ(logCell(TeamId::Two, 3, 1), "シュートミス");
  EXPECT_TRUE(analysis()->isVisible());
}

TEST_F(AnalysisWindowTest, AGoalShowsAtOnceAsAFilledMarkAndAMissAsAnOpenOne) {
  startMatch();
  click(matchWindow()->ui.analysisButton);
  EXPECT_EQ(placeRow(11), "0/0 -");
  EXPECT_EQ(label(view().scoreLabel), "0 - 0");

  recordShot(TeamId::One, 3, kGoal, kLeftWing, kTopLeft);
  // No event loop in between: the window is up to date after the click.
  EXPECT_EQ(placeRow(kLeftWing), "1/1 100%");
  EXPECT_EQ(placeRow(11), "1/1 100%");
  EXPECT_EQ(label(view().scoreLabel), "1 - 0");
  EXPECT_EQ(zoneCell(view().zoneMap, kTopLeft), "1/1 100%");
  ASSERT_EQ(view().shotChart->marks().size(), 1u);
  EXPECT_EQ(view().scoreFlow->flow().size(), 1u);

  recordShot(TeamId::One, 3, kShotMiss, kLeftWing, kTopLeft);
  EXPECT_EQ(placeRow(kLeftWing), "1/2 50%");
  EXPECT_EQ(zoneCell(view().zoneMap, kTopLeft), "1/2 50%");
  const std::vector<ShotMark> marks = view().shotChart->marks();
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_TRUE(marks[0].goal);
  EXPECT_FALSE(marks[1].goal);
  EXPECT_NE(marks[0].at, marks[1].at);  // side by side, not on top of each other

  // A goal is a filled disc: dark at its centre and beside it. A miss is a
  // cross: dark where its strokes meet, the court showing beside it.
  const auto [goalCentre, goalAside] = markColours(marks[0]);
  EXPECT_TRUE(dark(goalCentre) && dark(goalAside));
  const auto [missCentre, missAside] = markColours(marks[1]);
  EXPECT_TRUE(dark(missCentre));
  EXPECT_FALSE(dark(missAside));
}

TEST_F(AnalysisWindowTest, AnEventStillBeingEnteredCountsOnlyOnceComplete) {
  startMatch();
  click(matchWindow()->ui.analysisButton);
  pickAndAct(TeamId::One, 2, kGoal);
  click(location(kPenalty));
  EXPECT_EQ(placeRow(kPenalty), "0/0 -");
  EXPECT_TRUE(view().shotChart->marks().empty());
  click(zone(kTopCentre));
  EXPECT_EQ(placeRow(kPenalty), "1/1 100%");
  EXPECT_EQ(label(view().penaltyLabel), "7m: 1/1  100%");
}

TEST_F(AnalysisWindowTest, ShowsWhatHappenedWhileItWasClosed) {
  startMatch();
  recordShot(TeamId::Two, 5, kGoal, kCentre, kTopCentre);
  click(matchWindow()->ui.analysisButton);
  click(view().teamTwoButton);
  EXPECT_EQ(placeRow(kCentre), "1/1 100%");
  analysis()->close();
  recordShot(TeamId::Two, 5, kShotMiss, kCentre, kTopCentre);
  click(matchWindow()->ui.analysisButton);
  EXPECT_EQ(placeRow(kCentre), "1/2 50%");
}

TEST_F(AnalysisWindowTest, TheTeamAndPlayerChoiceFilterEveryFigure) {
  typeRoster(1, 4, "7");
  typeRoster(2, 4, "佐藤");
  typeRoster(9, 2, "11");
  teamSheet()->ui.teamTwoNameEdit->setText("西高校");
  startMatch();
  recordShot(TeamId::One, 3, kGoal, kLeftWing, kTopLeft);
  recordShot(TeamId::One, 5, kShotMiss, kCentre, kOutsideRight);
  recordShot(TeamId::Two, 1, kShotMiss, kCentre, kTopCentre);
  click(matchWindow()->ui.analysisButton);

  EXPECT_TRUE(view().teamOneButton->isChecked());
  EXPECT_EQ(view().teamTwoButton->text().toStdString(), "西高校");
  EXPECT_EQ(placeRow(11), "1/2 50%");
  EXPECT_EQ(view().shotChart->marks().size(), 2u);
  // Team 1's goalkeeper faced team 2's shot and saved it.
  EXPECT_EQ(zoneCell(view().keeperMap, kTopCentre), "1/1 100%");
  EXPECT_EQ(label(view().keeperTitle).find("西高校"), std::string::npos);

  QComboBox* persons = view().personChoice;
  EXPECT_EQ(persons->currentText().toStdString(), "チーム全体");
  EXPECT_EQ(persons->itemText(3).toStdString(), "7 佐藤");
  EXPECT_EQ(persons->itemText(5).toStdString(), "5行");  // an empty line
  choosePersonByKeyboard(3);
  EXPECT_EQ(persons->currentText().toStdString(), "7 佐藤");
  EXPECT_EQ(placeRow(11), "1/1 100%");
  EXPECT_EQ(placeRow(kCentre), "0/0 -");
  ASSERT_EQ(view().shotChart->marks().size(), 1u);
  EXPECT_EQ(view().shotChart->marks()[0].slot, 3);
  EXPECT_EQ(zoneCell(view().zoneMap, kOutsideRight), "0/0 -");
  // The player's line follows the roster as it is typed.
  typeRoster(2, 4, "佐藤 健");
  EXPECT_EQ(persons->currentText().toStdString(), "7 佐藤 健");

  click(view().teamTwoButton);
  EXPECT_TRUE(view().teamTwoButton->isChecked());
  EXPECT_EQ(persons->currentIndex(), 0);  // the other team: the whole team
  EXPECT_EQ(persons->itemText(1).toStdString(), "11");
  EXPECT_EQ(placeRow(kCentre), "0/1 0%");
  EXPECT_EQ(zoneCell(view().zoneMap, kTopCentre), "0/1 0%");
  EXPECT_EQ(zoneCell(view().keeperMap, kTopLeft), "0/1 0%");  // team 1's goal
  EXPECT_NE(label(view().keeperTitle).find("西高校 のゴール"), std::string::npos);
}

TEST_F(AnalysisWindowTest, TheScoreFlowFollowsGoalsAndMarksTimeOuts) {
  startMatch();
  click(matchWindow()->ui.analysisButton);
  advance(90);
  matchWindow()->tick();
  recordShot(TeamId::Two, 2, kGoal, kCentre, kTopLeft);
  pickAndAct(TeamId::One, 0, kTimeOut);
  click(court()->ui.benchButton);
  click(timeOut()->choiceButtons().at(3));
  ASSERT_EQ(view().scoreFlow->flow().size(), 1u);
  EXPECT_EQ(view().scoreFlow->flow()[0].team, TeamId::Two);
  EXPECT_EQ(view().scoreFlow->flow()[0].clockSeconds, 90);
  ASSERT_EQ(view().scoreFlow->timeOuts(TeamId::One).size(), 1u);
  EXPECT_EQ(view().scoreFlow->timeOuts(TeamId::One)[0].clockSeconds, 90);
  EXPECT_TRUE(view().scoreFlow->timeOuts(TeamId::Two).empty());
}

TEST_F(AnalysisWindowTest, EachHalfShowsItsScoreAndBothTeamsGoalsOverShots) {
  teamSheet()->ui.teamTwoNameEdit->setText("西高校");
  startMatch();
  click(matchWindow()->ui.analysisButton);
  QTableWidget* halves = view().halfTable;
  ASSERT_EQ(halves->rowCount(), 2);
  EXPECT_EQ(halves->horizontalHeaderItem(0)->text().toStdString(), "スコア");
  EXPECT_EQ(halves->horizontalHeaderItem(2)->text().toStdString(), "西高校");
  EXPECT_EQ(halfRow(0), "前半 0-0 0/0 0/0");
  EXPECT_EQ(halfRow(1), "後半 0-0 0/0 0/0");

  recordShot(TeamId::One, 3, kGoal, kLeftWing, kTopLeft);
  recordShot(TeamId::Two, 5, kShotMiss, kCentre, kOutsideRight);
  advance(30 * 60 + 5);
  matchWindow()->tick();  // half-time: the clock stops at 30:00
  recordShot(TeamId::Two, 5, kGoal, kPenalty, kTopCentre);
  EXPECT_EQ(halfRow(0), "前半 1-1 1/1 1/2");
  EXPECT_EQ(halfRow(1), "後半 1-1 0/0 0/0");

  click(matchWindow()->ui.pauseButton);  // the second half, from 30:00
  recordShot(TeamId::One, 3, kShotMiss, kCentre, kTopLeft);
  EXPECT_EQ(halfRow(0), "前半 1-1 1/1 1/2");
  EXPECT_EQ(halfRow(1), "後半 1-1 0/1 0/0");
  // Whichever team is chosen: the halves are the match's.
  click(view().teamTwoButton);
  EXPECT_EQ(halfRow(1), "後半 1-1 0/1 0/0");
  EXPECT_EQ(halves->rowCount(), 2);
}

// The further pages are filled as they come up and then follow each step;
// the page shown is the window's own, whatever the team chosen.
TEST_F(AnalysisWindowTest, FurtherPagesShowTheModelsFiguresOnceShownAndFollowEachStep) {
  typeRoster(1, 4, "7");
  typeRoster(2, 4, "佐藤");
  startMatch();
  recordShot(TeamId::One, 3, kGoal, kLeftWing, kTopLeft);
  recordShot(TeamId::One, 3, kShotMiss, kCentre, kTopCentre);
  pickAndAct(TeamId::One, 5, kKeepMiss);
  click(location(kCentre));
  click(keepMiss()->ui.passButton);
  pickAndAct(TeamId::One, 5, kPenaltyWon);
  click(location(kPenalty));
  click(penaltyThrow()->ui.insideLineButton);
  recordShot(TeamId::One, 5, kGoal, kPenalty, kTopCentre);
  click(matchWindow()->ui.analysisButton);
  EXPECT_EQ(view().pageTabs->tabText(1).toStdString(), "連盟形式");

  showPage(AnalysisPage::Federation);
  QTableWidget* fed = view().federationShotTable;
  ASSERT_EQ(fed->rowCount(), 3);  // the two lines that did something, and the team
  EXPECT_EQ(tableRow(fed, 0),
            "7|佐藤|0/0  -|1/1  100%|0/1  0%|0/0  -|0/0  -|0/0  -|0/0  -|1/2  50%");
  EXPECT_EQ(tableRow(fed, 2),
            "|Total|0/0  -|1/1  100%|0/1  0%|1/1  100%|0/0  -|0/0  -|0/0  -|2/3  67%");
  recordShot(TeamId::One, 3, kGoal, kLeftWing, kTopLeft);
  EXPECT_EQ(fed->item(0, 3)->text().toStdString(), "2/2  100%");
  // The team chosen picks the federation page's team.
  click(view().teamTwoButton);
  ASSERT_EQ(fed->rowCount(), 1);
  EXPECT_EQ(tableRow(fed, 0), "|Total|0/0  -|0/0  -|0/0  -|0/0  -|0/0  -|0/0  -|0/0  -|0/0  -");
  EXPECT_EQ(view().pageTabs->currentIndex(), static_cast<int>(AnalysisPage::Federation));

  showPage(AnalysisPage::Lost);
  PlaceCountView::Counts lost{};
  lost[kCentre] = 1;
  EXPECT_EQ(view().lostCourtOne->counts(), lost);
  EXPECT_EQ(view().lostCourtTwo->counts(), PlaceCountView::Counts{});
  EXPECT_EQ(tableRow(view().penaltyWonTable, 0), "1|1|1|0|0|0");  // ライン内: won, thrown, goal
  pickAndAct(TeamId::Two, 2, kKeepMiss);
  click(location(kLeftWing));
  click(keepMiss()->ui.passButton);
  EXPECT_EQ(view().lostCourtTwo->counts()[kLeftWing], 1);
}

}  // namespace
