// Picking the person and the action on the match window: what goes into the
// log and the counts, the person correction, and how the logs grow.
#include <QScrollBar>

#include "event_steps.h"

class PersonAndAction : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    typeRoster(1, 4, "9");  // team 1, slot 3
    typeRoster(2, 4, "Sato");
    typeRoster(1, 6, "11");  // team 1, slot 5
    typeRoster(2, 6, "Ito");
    typeRoster(8, 6, "5");  // team 2, slot 5
    typeRoster(9, 6, "Abe");
    startMatch();
  }

  void tickAfter(double s) {
    advance(s);
    matchWindow()->tick();
  }

  // Whether model row `row` of a log lies wholly inside its view.
  static bool rowInView(QTableView* view, int row) {
    const QRect rect = view->visualRect(view->model()->index(row - 1, 0));
    return rect.isValid() && view->viewport()->rect().contains(rect);
  }
};

TEST_F(PersonAndAction, APickWritesTimeNumberAndNameThenOffersEveryAction) {
  tickAfter(125);
  click(person(TeamId::One, 3));
  EXPECT_EQ(logRow(TeamId::One, 1), "02：05|9|Sato|||");
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_EQ(state().activeTeam, 1);
  EXPECT_EQ(state().activeSlot, 3);
  EXPECT_EQ(usablePersons(), 0);
  EXPECT_EQ(usableActions(), "111111");
  EXPECT_TRUE(matchWindow()->ui.correctionButton->isEnabled());
  EXPECT_TRUE(logBlank(TeamId::Two));
}

TEST_F(PersonAndAction, TheLogReadsTheRosterAtThePickAndTheButtonFollowsIt) {
  typeRoster(1, 4, "19");
  typeRoster(2, 4, "Sato K.");
  EXPECT_EQ(person(TeamId::One, 3)->text().toStdString(), "19");
  click(person(TeamId::One, 3));
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|19|Sato K.|||");
  typeRoster(1, 4, "20");
  EXPECT_EQ(person(TeamId::One, 3)->text().toStdString(), "20");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|19|Sato K.|||");
}

TEST_F(PersonAndAction, ATeamTwoGoalRaisesTallyGoalCellAndScore) {
  pickAndAct(TeamId::Two, 5, 1);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|5|Abe|得点||");
  EXPECT_EQ(state().logCol2, 4);
  EXPECT_EQ(state().team2Tally.at(0, 5), 1);
  EXPECT_EQ(total(state().team2Tally), 1);
  EXPECT_EQ(total(state().team1Tally), 0);
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 10, 6), "1");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 6), "");
  EXPECT_EQ(text(matchWindow()->ui.teamTwoScorePanel), "1");
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(usableActions(), "000000");
  EXPECT_EQ(usablePersons(), 0);
  EXPECT_TRUE(logBlank(TeamId::One));

  // The next goal of the same player adds to the number already there.
  click(location(7));
  click(zone(6));
  pickAndAct(TeamId::Two, 5, 1);
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 10, 6), "2");
  EXPECT_EQ(text(matchWindow()->ui.teamTwoScorePanel), "2");
  EXPECT_EQ(state().team2Tally.at(0, 5), 2);
}

TEST_F(PersonAndAction, EachActionButtonWritesItsPlayAndCountsItsRow) {
  struct Case {
    int code;
    const char* play;
    int tallyKind;  // -1: nothing counted
  };
  const Case cases[] = {{2, "シュートミス", 1},
                        {3, "保持ミス", 2},
                        {4, "PT(獲得)", 3},
                        {5, "作戦タイム", 4},
                        {6, "反則", -1}};
  click(person(TeamId::One, 3));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.play);
    // The court dialog's correction takes each action back before the next.
    click(action(c.code));
    EXPECT_EQ(logCell(TeamId::One, 3, 1), c.play);
    EXPECT_EQ(state().activeAction, c.code);
    EXPECT_EQ(total(state().team1Tally), c.tallyKind < 0 ? 0 : 1);
    if (c.tallyKind >= 0) {
      EXPECT_EQ(state().team1Tally.at(c.tallyKind, 3), 1);
    }
    EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
    click(court()->ui.correctionButton);
    EXPECT_EQ(total(state().team1Tally), 0);
  }
}

TEST_F(PersonAndAction, CorrectionWithinATeamKeepsTheFirstTime) {
  tickAfter(10);
  click(person(TeamId::One, 3));
  click(matchWindow()->ui.correctionButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：10|||||");
  EXPECT_EQ(state().logCol1, 1);
  EXPECT_TRUE(state().correctionPending);
  EXPECT_FALSE(matchWindow()->ui.correctionButton->isEnabled());
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_EQ(usableActions(), "000000");

  tickAfter(20);
  click(person(TeamId::One, 5));
  EXPECT_EQ(logRow(TeamId::One, 1), "00：10|11|Ito|||");
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_FALSE(state().correctionPending);
  EXPECT_TRUE(logBlank(TeamId::Two));
}

TEST_F(PersonAndAction, CorrectionAcrossTeamsMovesTheEventWithItsTime) {
  recordShot(TeamId::One, 5, 2, 1, 1);  // team 1's log is at row 2 now
  tickAfter(42);
  click(person(TeamId::One, 3));
  click(matchWindow()->ui.correctionButton);
  tickAfter(5);
  click(person(TeamId::Two, 5));
  EXPECT_EQ(logRow(TeamId::One, 2), "|||||");
  EXPECT_EQ(state().logCol1, 0);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：42|5|Abe|||");
  EXPECT_EQ(state().logCol2, 3);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|11|Ito|シュートミス|左サイド|左外");

  // And back again, into team 1's current row.
  click(matchWindow()->ui.correctionButton);
  click(person(TeamId::One, 3));
  EXPECT_EQ(logRow(TeamId::Two, 1), "|||||");
  EXPECT_EQ(state().logCol2, 0);
  EXPECT_EQ(logRow(TeamId::One, 2), "00：42|9|Sato|||");
  EXPECT_EQ(state().logCol1, 3);

  click(action(3));
  EXPECT_EQ(logCell(TeamId::One, 3, 2), "保持ミス");
  EXPECT_EQ(state().team1Tally.at(2, 3), 1);
  EXPECT_EQ(total(state().team2Tally), 0);
}

TEST_F(PersonAndAction, CorrectionIsDisabledOnceAnActionIsChosen) {
  pickAndAct(TeamId::One, 3, 3);
  EXPECT_FALSE(matchWindow()->ui.correctionButton->isEnabled());
  click(matchWindow()->ui.correctionButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|9|Sato|保持ミス||");
  EXPECT_EQ(state().logCol1, 4);
  EXPECT_FALSE(state().correctionPending);
  EXPECT_EQ(usablePersons(), 0);
}

TEST_F(PersonAndAction, ATimeOutOffersOnlyTheBench) {
  pickAndAct(TeamId::One, 3, 5);
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "001");
  EXPECT_EQ(state().team1Tally.at(4, 3), 1);
  click(location(7));  // not usable: nothing is written
  EXPECT_EQ(logCell(TeamId::One, 4, 1), "");
  EXPECT_EQ(state().logCol1, 4);
}

TEST_F(PersonAndAction, TenEventsGrowTheLogAndMoveItsSelection) {
  QTableView* view = log(TeamId::One);
  EXPECT_EQ(rowCount(view), 5);
  EXPECT_EQ(selectedRow(view), 1);
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(n);
    recordShot(TeamId::One, 3, n % 2 ? 2 : 1, n, n);
    EXPECT_EQ(rowCount(view), 5 + n);
    EXPECT_EQ(selectedRow(view), n + 1);
    EXPECT_EQ(state().logRow1, n + 1);
    EXPECT_EQ(logCell(TeamId::One, 5, n), std::string(kZoneWords[n]));
    EXPECT_TRUE(rowInView(view, n + 1));
    // It scrolls only as far as needed: the row above stays in sight too.
    EXPECT_TRUE(rowInView(view, n));
  }
  EXPECT_FALSE(rowInView(view, 1));
  EXPECT_GT(view->verticalScrollBar()->value(), 0);
  EXPECT_EQ(rowCount(log(TeamId::Two)), 5);
  EXPECT_EQ(selectedRow(log(TeamId::Two)), 1);
  EXPECT_EQ(state().logRow2, 1);
  EXPECT_TRUE(logBlank(TeamId::Two));
}

TEST_F(PersonAndAction, AGoalOnANonNumberGoalCellChangesNothing) {
  typeRoster(3, 4, "x");
  click(person(TeamId::One, 3));
  click(action(1));
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "'x' は整数ではありません.");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|9|Sato|||");
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_EQ(state().activeAction, 0);
  EXPECT_EQ(total(state().team1Tally), 0);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 4), "x");
  EXPECT_FALSE(court()->isVisible());
  EXPECT_EQ(usableActions(), "111111");
  EXPECT_TRUE(matchWindow()->ui.correctionButton->isEnabled());
  EXPECT_EQ(usablePersons(), 0);

  typeRoster(3, 4, "4");
  click(action(1));
  EXPECT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(logCell(TeamId::One, 3, 1), "得点");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 4), "5");
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");
  EXPECT_EQ(state().team1Tally.at(0, 3), 1);
  EXPECT_TRUE(court()->isVisible());
}
