// The four detail dialogs that complete an event: keep-miss kinds, penalty
// reasons, sanctions and score situations, their counting and corrections.
#include <ostream>

#include "event_steps.h"

class DetailDialogs : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    startMatch();
  }

  // A foul by a person at a location, up to the foul dialog.
  void foulAt(TeamId team, int slot, int locationCode) {
    pickAndAct(team, slot, 6);
    click(location(locationCode));
  }

  std::string roster(int col, int row) { return cell(teamSheet()->ui.rosterGrid, col, row); }
  std::string warnings(TeamId team) {
    return text(team == TeamId::One ? teamSheet()->ui.teamOneWarningsPanel
                                    : teamSheet()->ui.teamTwoWarningsPanel);
  }
};

TEST_F(DetailDialogs, AKeepMissCountsItsKindForThePlayer) {
  pickAndAct(TeamId::Two, 3, 3);
  click(location(6));
  EXPECT_TRUE(keepMiss()->isVisible());
  click(keepMiss()->ui.passButton);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|||保持ミス|左４５|パス");
  EXPECT_EQ(state().logCol2, 0);
  EXPECT_EQ(state().logRow2, 2);
  EXPECT_EQ(state().keepMissTally.at(2, 3, 1), 1);
  EXPECT_EQ(total(state().keepMissTally), 1);
  EXPECT_EQ(state().team2Tally.at(2, 3), 1);
  EXPECT_EQ(total(state().team2Tally), 1);
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_FALSE(keepMiss()->isVisible());
  EXPECT_TRUE(logBlank(TeamId::One));
}

TEST_F(DetailDialogs, EveryKeepMissKindCountsUnderItsOwnCode) {
  QPushButton* kinds[] = {keepMiss()->ui.passButton,   keepMiss()->ui.catchButton,
                          keepMiss()->ui.lineButton,   keepMiss()->ui.overButton,
                          keepMiss()->ui.chargeButton, keepMiss()->ui.passiveButton,
                          keepMiss()->ui.otherButton};
  for (int kind = 1; kind <= 7; ++kind) {
    SCOPED_TRACE(kind);
    pickAndAct(TeamId::One, 8, 3);
    click(location(9));
    click(kinds[kind - 1]);
    EXPECT_EQ(logCell(TeamId::One, 5, kind), std::string(kKeepMissWords[kind]));
    EXPECT_EQ(state().keepMissTally.at(1, 8, kind), 1);
  }
  EXPECT_EQ(total(state().keepMissTally), 7);
}

TEST_F(DetailDialogs, AWarningToTeamOnesOfficial) {
  foulAt(TeamId::One, 0, 9);
  EXPECT_TRUE(foul()->isVisible());
  click(foul()->ui.warningButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||反則|相手陣地|警告");
  EXPECT_EQ(warnings(TeamId::One), "1");
  EXPECT_EQ(warnings(TeamId::Two), "0");
  EXPECT_EQ(roster(4, 1), "1");
  EXPECT_EQ(state().team1Tally.at(5, 0), 1);
  EXPECT_EQ(total(state().team1Tally), 1);
  EXPECT_FALSE(foul()->isVisible());
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_TRUE(logBlank(TeamId::Two));
}

TEST_F(DetailDialogs, ASuspensionForTeamTwoSlotFiveLeavesWarningsAlone) {
  foulAt(TeamId::Two, 5, 10);
  click(foul()->ui.suspensionButton);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|||反則|PT|退場");
  EXPECT_EQ(roster(12, 6), "1");
  EXPECT_EQ(roster(11, 6), "");
  EXPECT_EQ(roster(13, 6), "");
  EXPECT_EQ(state().team2Tally.at(6, 5), 1);
  EXPECT_EQ(total(state().team2Tally), 1);
  EXPECT_EQ(warnings(TeamId::One), "0");
  EXPECT_EQ(warnings(TeamId::Two), "0");
  EXPECT_TRUE(logBlank(TeamId::One));
}

TEST_F(DetailDialogs, ADisqualificationGoesToItsOwnColumn) {
  foulAt(TeamId::One, 2, 3);
  click(foul()->ui.disqualificationButton);
  EXPECT_EQ(logCell(TeamId::One, 5, 1), "失格");
  EXPECT_EQ(roster(6, 3), "1");
  EXPECT_EQ(roster(5, 3), "");
  EXPECT_EQ(state().team1Tally.at(7, 2), 1);
  EXPECT_EQ(warnings(TeamId::One), "0");
}

TEST_F(DetailDialogs, TwoWarningsToOnePersonCountTwice) {
  foulAt(TeamId::One, 4, 1);
  click(foul()->ui.warningButton);
  foulAt(TeamId::Two, 1, 2);
  click(foul()->ui.warningButton);
  foulAt(TeamId::One, 4, 6);
  click(foul()->ui.warningButton);
  EXPECT_EQ(roster(4, 5), "2");
  EXPECT_EQ(roster(11, 2), "1");
  EXPECT_EQ(warnings(TeamId::One), "2");
  EXPECT_EQ(warnings(TeamId::Two), "1");
  EXPECT_EQ(state().team1Tally.at(5, 4), 2);
  EXPECT_EQ(state().team2Tally.at(5, 1), 1);
  EXPECT_EQ(logCell(TeamId::One, 4, 2), "左４５");
}

TEST_F(DetailDialogs, PenaltyReasonsAndScoreSituationsCountNothing) {
  pickAndAct(TeamId::One, 6, 4);
  const Readings counted = state();
  click(location(10));
  EXPECT_TRUE(penaltyThrow()->isVisible());
  click(penaltyThrow()->ui.passToKeeperButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||PT(獲得)|PT|GKへのパス");
  EXPECT_EQ(state().team1Tally.at(3, 6), 1);

  pickAndAct(TeamId::Two, 0, 5);
  EXPECT_EQ(state().team2Tally.at(4, 0), 1);
  const Readings atTimeOut = state();
  click(location(11));
  EXPECT_TRUE(timeOut()->isVisible());
  click(timeOut()->ui.leadToLevelButton);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|||作戦タイム|ベンチ|リード→同点");

  EXPECT_EQ(state().team1Tally.flat(), counted.team1Tally.flat());
  EXPECT_EQ(state().team2Tally.flat(), atTimeOut.team2Tally.flat());
  EXPECT_EQ(total(state().goalTally) + total(state().shotMissTally), 0);
  EXPECT_EQ(total(state().keepMissTally), 0);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
  EXPECT_EQ(text(matchWindow()->ui.teamTwoScorePanel), "0");
  EXPECT_EQ(warnings(TeamId::One) + warnings(TeamId::Two), "00");
  for (int row = 1; row <= 15; ++row)
    for (int col : {3, 4, 5, 6, 10, 11, 12, 13}) EXPECT_EQ(roster(col, row), "");
}

TEST_F(DetailDialogs, CloseBoxKeepsADialogThatAwaitsItsChoice) {
  struct Case {
    int action;
    int place;
    RecorderWindow* dialog;
    QPushButton* choice;
  };
  const Case cases[] = {{3, 1, keepMiss(), keepMiss()->ui.catchButton},
                        {4, 2, penaltyThrow(), penaltyThrow()->ui.otherButton},
                        {6, 3, foul(), foul()->ui.suspensionButton},
                        {5, 11, timeOut(), timeOut()->ui.losingButton}};
  int row = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    pickAndAct(TeamId::One, 2, c.action);
    click(location(c.place));
    c.dialog->close();
    EXPECT_TRUE(c.dialog->isVisible());
    click(c.choice);
    EXPECT_FALSE(c.dialog->isVisible());
    EXPECT_EQ(logCell(TeamId::One, 5, row++), c.choice->text().toStdString());
  }
}

TEST_F(DetailDialogs, CloseBoxKeepsTheMatchWindowWhileItIsTheNextStep) {
  pickAndAct(TeamId::One, 2, 3);
  click(court()->ui.correctionButton);
  court()->close();  // idle now: no action waits for a place
  EXPECT_FALSE(court()->isVisible());
  matchWindow()->close();  // its action buttons are the next step
  EXPECT_TRUE(matchWindow()->isVisible());
  EXPECT_EQ(usableActions(), "111111");
  click(action(3));
  matchWindow()->close();  // the court dialog is the next step
  EXPECT_FALSE(matchWindow()->isVisible());
  click(teamSheet()->ui.finishInputButton);
  EXPECT_TRUE(matchWindow()->isVisible());
}

TEST_F(DetailDialogs, CloseBoxKeepsTheMatchWindowWhileAPersonIsBeingCorrected) {
  click(person(TeamId::Two, 4));
  click(matchWindow()->ui.correctionButton);
  matchWindow()->close();
  EXPECT_TRUE(matchWindow()->isVisible());
  EXPECT_EQ(usablePersons(), 30);
}

// The correction of the three dialogs reached from a court location.
struct Correction {
  int action;
  WindowId dialog;
  const char* correction;  // object names of the dialog's buttons
  const char* choice;
  const char* row;
};

void PrintTo(const Correction& c, std::ostream* os) {
  *os << c.row;
}

class DetailCorrection : public DetailDialogs, public ::testing::WithParamInterface<Correction> {};

TEST_P(DetailCorrection, HidesTheDialogAndTheNextLocationBringsItBack) {
  const Correction& c = GetParam();
  pickAndAct(TeamId::Two, 4, c.action);
  const Readings counted = state();
  click(location(1));
  click(button(c.dialog, c.correction));
  EXPECT_FALSE(windows->window(c.dialog)->isVisible());
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_EQ(logCell(TeamId::Two, 4, 1), "");
  EXPECT_EQ(state().logCol2, 4);
  EXPECT_EQ(state().team2Tally.flat(), counted.team2Tally.flat());

  click(location(5));
  EXPECT_TRUE(windows->window(c.dialog)->isVisible());
  EXPECT_FALSE(court()->isVisible());
  click(button(c.dialog, c.choice));
  EXPECT_EQ(logRow(TeamId::Two, 1), c.row);
  EXPECT_EQ(state().logRow2, 2);
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_TRUE(logBlank(TeamId::One));
}

TEST_P(DetailCorrection, TheCourtCorrectionThenTakesTheWholeActionBack) {
  const Correction& c = GetParam();
  pickAndAct(TeamId::Two, 4, c.action);
  click(location(1));
  click(button(c.dialog, c.correction));
  click(court()->ui.correctionButton);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|||||");
  EXPECT_EQ(state().logCol2, 3);
  EXPECT_EQ(total(state().team2Tally), 0);
  EXPECT_FALSE(windows->window(c.dialog)->isVisible());
  EXPECT_EQ(usableActions(), "111111");
}

INSTANTIATE_TEST_SUITE_P(
    FromACourtLocation, DetailCorrection,
    ::testing::Values(Correction{3, WindowId::KeepMiss, "correctionButton", "lineButton",
                                 "00：00|||保持ミス|右サイド|ライン"},
                      Correction{4, WindowId::PenaltyThrow, "correctionButton", "shotStoppedButton",
                                 "00：00|||PT(獲得)|右サイド|シュート阻止"},
                      Correction{6, WindowId::Foul, "correctionButton", "suspensionButton",
                                 "00：00|||反則|右サイド|退場"}),
    [](const ::testing::TestParamInfo<Correction>& info) {
      return "Action" + std::to_string(info.param.action);
    });

TEST_F(DetailDialogs, AfterTheSituationCorrectionOnlyTheBenchIsOffered) {
  pickAndAct(TeamId::One, 7, 5);
  click(location(11));
  click(timeOut()->ui.correctionButton);
  EXPECT_FALSE(timeOut()->isVisible());
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "001");
  EXPECT_EQ(logCell(TeamId::One, 4, 1), "");
  EXPECT_EQ(state().logCol1, 4);

  click(location(11));
  EXPECT_TRUE(timeOut()->isVisible());
  click(timeOut()->ui.losingButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||作戦タイム|ベンチ|負け");
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_EQ(state().team1Tally.at(4, 7), 1);
}

TEST_F(DetailDialogs, ATimeOutTakenBackAfterTheSituationCorrectionFreesTheCourt) {
  pickAndAct(TeamId::One, 7, 5);
  click(location(11));
  click(timeOut()->ui.correctionButton);
  click(court()->ui.correctionButton);
  EXPECT_EQ(logCell(TeamId::One, 3, 1), "");
  EXPECT_EQ(state().team1Tally.at(4, 7), 0);
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_FALSE(timeOut()->isVisible());
}

TEST_F(DetailDialogs, ANonNumberSanctionCellChangesNothing) {
  typeRoster(4, 3, "?");  // team 1, slot 2, warnings
  foulAt(TeamId::One, 2, 4);
  click(foul()->ui.warningButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "'?' は整数ではありません.");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||反則|右ポスト|");
  EXPECT_EQ(state().logCol1, 5);
  EXPECT_EQ(state().logRow1, 1);
  EXPECT_EQ(rowCount(log(TeamId::One)), 5);
  EXPECT_EQ(warnings(TeamId::One), "0");
  EXPECT_EQ(roster(4, 3), "?");
  EXPECT_EQ(total(state().team1Tally), 0);
  EXPECT_TRUE(foul()->isVisible());
  EXPECT_EQ(usablePersons(), 0);

  typeRoster(4, 3, "1");
  click(foul()->ui.warningButton);
  EXPECT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||反則|右ポスト|警告");
  EXPECT_EQ(roster(4, 3), "2");
  EXPECT_EQ(warnings(TeamId::One), "1");
  EXPECT_EQ(state().team1Tally.at(5, 2), 1);
  EXPECT_FALSE(foul()->isVisible());
  EXPECT_EQ(usablePersons(), 30);
}

TEST_F(DetailDialogs, ANonNumberSuspensionCellOfTeamTwoChangesNothing) {
  typeRoster(12, 6, "two");
  foulAt(TeamId::Two, 5, 7);
  click(foul()->ui.suspensionButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "'two' は整数ではありません.");
  EXPECT_EQ(logCell(TeamId::Two, 5, 1), "");
  EXPECT_EQ(state().logCol2, 5);
  EXPECT_EQ(total(state().team2Tally), 0);
  EXPECT_EQ(roster(12, 6), "two");
  EXPECT_TRUE(foul()->isVisible());
}
