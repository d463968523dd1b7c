// The court dialog: the location and goal zone of goals and shot misses, the
// hand-over to the detail dialogs, and its correction.
#include <ostream>

#include "event_steps.h"

class CourtDialogTest : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    startMatch();
  }
};

TEST_F(CourtDialogTest, AGoalFromTheCentreToTheMiddleFinishesTheRow) {
  pickAndAct(TeamId::One, 5, 1);
  EXPECT_EQ(courtOffers(), "100");
  click(location(7));
  EXPECT_EQ(logCell(TeamId::One, 4, 1), "センター");
  EXPECT_EQ(state().logCol1, 5);
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "010");

  click(zone(6));
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||得点|センター|中中");
  EXPECT_EQ(state().logCol1, 0);
  EXPECT_EQ(state().logRow1, 2);
  EXPECT_EQ(state().goalTally.at(1, 5, 7, 6), 1);
  EXPECT_EQ(total(state().goalTally), 1);
  EXPECT_EQ(total(state().shotMissTally), 0);
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_EQ(usableActions(), "000000");
  EXPECT_FALSE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_TRUE(logBlank(TeamId::Two));
}

TEST_F(CourtDialogTest, AShotMissCountsOnlyAsAShotMiss) {
  recordShot(TeamId::Two, 7, 2, 6, 11);
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|||シュートミス|左４５|右外");
  EXPECT_EQ(state().shotMissTally.at(2, 7, 6, 11), 1);
  EXPECT_EQ(total(state().shotMissTally), 1);
  EXPECT_EQ(total(state().goalTally), 0);
  EXPECT_EQ(state().team2Tally.at(1, 7), 1);
  EXPECT_EQ(text(matchWindow()->ui.teamTwoScorePanel), "0");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 10, 8), "");
  EXPECT_TRUE(logBlank(TeamId::One));
}

TEST_F(CourtDialogTest, PenaltyMarkIsLocationTenAndLowerRightIsZoneTen) {
  recordShot(TeamId::One, 2, 1, 10, 1);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||得点|PT|左外");
  EXPECT_EQ(state().goalTally.at(1, 2, 10, 1), 1);

  recordShot(TeamId::One, 2, 2, 10, 10);
  EXPECT_EQ(logRow(TeamId::One, 2), "00：00|||シュートミス|PT|右下");
  EXPECT_EQ(court()->zoneButtons[9], court()->ui.bottomRightZoneButton);
  EXPECT_EQ(state().shotMissTally.at(1, 2, 10, 10), 1);
  EXPECT_EQ(total(state().goalTally) + total(state().shotMissTally), 2);
}

TEST_F(CourtDialogTest, EveryLocationAndZoneButtonWritesItsCaptionAndCountsUnderItsCode) {
  for (int code = 1; code <= 11; ++code) {
    SCOPED_TRACE(code);
    const int place = code <= 10 ? code : 1;
    recordShot(TeamId::Two, 4, 1, place, code);
    EXPECT_EQ(logCell(TeamId::Two, 4, code), std::string(kPlaceWords[place]));
    EXPECT_EQ(logCell(TeamId::Two, 5, code), std::string(kZoneWords[code]));
    EXPECT_EQ(state().goalTally.at(2, 4, place, code), 1);
  }
  EXPECT_EQ(total(state().goalTally), 11);
  EXPECT_EQ(text(matchWindow()->ui.teamTwoScorePanel), "11");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 10, 5), "11");
}

TEST_F(CourtDialogTest, CorrectionBeforeTheLocationTakesTheGoalBack) {
  pickAndAct(TeamId::One, 4, 1);
  ASSERT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 5), "1");
  matchWindow()->close();
  click(court()->ui.correctionButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||||");
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_EQ(total(state().team1Tally), 0);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 5), "0");
  EXPECT_EQ(usableActions(), "111111");
  EXPECT_FALSE(matchWindow()->ui.correctionButton->isEnabled());
  EXPECT_EQ(usablePersons(), 0);
  EXPECT_TRUE(matchWindow()->isVisible());
  EXPECT_TRUE(court()->isVisible());

  // A second correction finds nothing to take back.
  click(court()->ui.correctionButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||||");
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_EQ(total(state().team1Tally), 0);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 5), "0");
  EXPECT_EQ(usableActions(), "111111");

  click(action(2));
  EXPECT_EQ(logCell(TeamId::One, 3, 1), "シュートミス");
  EXPECT_EQ(state().team1Tally.at(1, 4), 1);
}

TEST_F(CourtDialogTest, APlaceClickedAfterTheActionWasTakenBackChangesNothing) {
  pickAndAct(TeamId::One, 4, 1);
  click(court()->ui.correctionButton);
  ASSERT_TRUE(court()->ui.centreButton->isEnabled());
  click(court()->ui.centreButton);  // "センター" with no action to place
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||||");
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_EQ(usableActions(), "111111");
  EXPECT_TRUE(court()->ui.centreButton->isEnabled());
  EXPECT_FALSE(court()->ui.outsideLeftZoneButton->isEnabled());

  click(action(1));
  click(location(7));
  click(zone(6));
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||得点|センター|中中");
  EXPECT_EQ(state().goalTally.at(1, 4, 7, 6), 1);
  EXPECT_EQ(total(state().goalTally), 1);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");
}

TEST_F(CourtDialogTest, CorrectionOfTheOfficialsActionOffersFoulAndTimeOutAgain) {
  pickAndAct(TeamId::Two, 0, 6);
  click(court()->ui.correctionButton);
  EXPECT_EQ(logCell(TeamId::Two, 3, 1), "");
  EXPECT_EQ(state().logCol2, 3);
  EXPECT_EQ(usableActions(), "000011");
  EXPECT_EQ(total(state().team2Tally), 0);
}

TEST_F(CourtDialogTest, CorrectionWhileAwaitingTheZoneGoesBackToTheLocation) {
  pickAndAct(TeamId::One, 4, 1);
  click(location(2));
  click(court()->ui.correctionButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||得点||");
  EXPECT_EQ(state().logCol1, 4);
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(state().team1Tally.at(0, 4), 1);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");

  click(location(8));
  click(zone(3));
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||得点|右４５|左中");
  EXPECT_EQ(state().goalTally.at(1, 4, 8, 3), 1);
  EXPECT_EQ(total(state().goalTally), 1);
}

TEST_F(CourtDialogTest, ATimeOutTakenBackBeforeTheBenchOffersTheCourtAgain) {
  pickAndAct(TeamId::One, 3, 5);
  click(court()->ui.correctionButton);
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_EQ(state().team1Tally.at(4, 3), 0);
  EXPECT_EQ(logCell(TeamId::One, 3, 1), "");

  click(action(1));
  EXPECT_EQ(courtOffers(), "100");
  click(location(7));
  click(zone(6));
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|||得点|センター|中中");
  EXPECT_EQ(state().goalTally.at(1, 3, 7, 6), 1);
  EXPECT_EQ(total(state().goalTally), 1);
}

TEST_F(CourtDialogTest, ANonNumberGoalCellLeavesTheGoalInPlace) {
  pickAndAct(TeamId::One, 4, 1);
  typeRoster(3, 5, "abc");
  click(court()->ui.correctionButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "'abc' は整数ではありません.");
  EXPECT_EQ(logCell(TeamId::One, 3, 1), "得点");
  EXPECT_EQ(state().logCol1, 4);
  EXPECT_EQ(state().team1Tally.at(0, 4), 1);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 5), "abc");
  EXPECT_EQ(usableActions(), "000000");
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "100");

  typeRoster(3, 5, "3");
  click(court()->ui.correctionButton);
  EXPECT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(logCell(TeamId::One, 3, 1), "");
  EXPECT_EQ(cell(teamSheet()->ui.rosterGrid, 3, 5), "2");
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "0");
  EXPECT_EQ(total(state().team1Tally), 0);
  EXPECT_EQ(usableActions(), "111111");
}

TEST_F(CourtDialogTest, CloseBoxLeavesTheDialogOpenWhileTheEventNeedsIt) {
  pickAndAct(TeamId::One, 4, 2);
  court()->close();  // awaiting the location
  EXPECT_TRUE(court()->isVisible());
  click(location(3));
  court()->close();  // awaiting the zone
  EXPECT_TRUE(court()->isVisible());
  click(zone(2));
  EXPECT_FALSE(court()->isVisible());

  pickAndAct(TeamId::One, 4, 5);
  court()->close();  // awaiting the bench
  EXPECT_TRUE(court()->isVisible());
  click(court()->ui.correctionButton);
  court()->close();  // the action was taken back: the match window goes on
  EXPECT_FALSE(court()->isVisible());
  EXPECT_EQ(usableActions(), "111111");

  click(action(2));
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), "100");
}

// One row of the sequence of windows: the action, what the court dialog
// offers, which window the location click leads to and what completes it.
struct Sequence {
  int action;
  const char* play;
  const char* offers;  // locations, zones, bench
  int place;           // location code clicked, 11 the bench
  WindowId next;
  const char* what;
};

void PrintTo(const Sequence& row, std::ostream* os) {
  *os << row.play;
}

class SequenceOfWindows : public CourtDialogTest, public ::testing::WithParamInterface<Sequence> {
 protected:
  RecorderWindow* form(WindowId w) const { return windows->window(w); }

  QPushButton* firstChoice(WindowId w) const {
    switch (w) {
      case WindowId::KeepMiss:
        return keepMiss()->ui.passButton;
      case WindowId::PenaltyThrow:
        return penaltyThrow()->ui.insideLineButton;
      case WindowId::Foul:
        return foul()->ui.warningButton;
      case WindowId::TimeOut:
        return timeOut()->ui.leadingButton;
      default:
        return court()->zoneButtons[0];
    }
  }
};

TEST_P(SequenceOfWindows, TheLocationLeadsToTheWindowThatCompletesTheRow) {
  const Sequence& row = GetParam();
  pickAndAct(TeamId::Two, 3, row.action);
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(courtOffers(), row.offers);

  click(location(row.place));
  const std::string where(kPlaceWords[row.place]);
  EXPECT_EQ(logCell(TeamId::Two, 4, 1), where);
  RecorderWindow* next = form(row.next);
  EXPECT_TRUE(next->isVisible());
  for (WindowId w : {WindowId::Court, WindowId::KeepMiss, WindowId::PenaltyThrow, WindowId::Foul,
                     WindowId::TimeOut}) {
    RecorderWindow* f = form(w);
    if (f != next) {
      EXPECT_FALSE(f->isVisible()) << f->windowTitle().toStdString();
    }
  }
  if (row.next == WindowId::Court) {
    EXPECT_EQ(courtOffers(), "010");
  }
  EXPECT_EQ(usablePersons(), 0);

  click(firstChoice(row.next));
  EXPECT_EQ(logRow(TeamId::Two, 1),
            std::string("00：00|||") + row.play + "|" + where + "|" + row.what);
  EXPECT_EQ(state().logCol2, 0);
  EXPECT_EQ(state().logRow2, 2);
  EXPECT_FALSE(next->isVisible());
  EXPECT_FALSE(court()->isVisible());
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_EQ(usableActions(), "000000");
  EXPECT_EQ(courtOffers(), "100");
  EXPECT_TRUE(logBlank(TeamId::One));
}

INSTANTIATE_TEST_SUITE_P(
    EveryAction, SequenceOfWindows,
    ::testing::Values(Sequence{1, "得点", "100", 3, WindowId::Court, "左外"},
                      Sequence{2, "シュートミス", "100", 3, WindowId::Court, "左外"},
                      Sequence{3, "保持ミス", "100", 3, WindowId::KeepMiss, "パス"},
                      Sequence{4, "PT(獲得)", "100", 3, WindowId::PenaltyThrow, "ライン内"},
                      Sequence{5, "作戦タイム", "001", 11, WindowId::TimeOut, "リード"},
                      Sequence{6, "反則", "100", 3, WindowId::Foul, "警告"}),
    [](const ::testing::TestParamInfo<Sequence>& info) {
      return "Action" + std::to_string(info.param.action);
    });

// The picture comes from the report's resource, the one copy in the program.
TEST_F(CourtDialogTest, ShowsTheCourtPicture) {
  const QPixmap picture = court()->ui.courtPicture->pixmap();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(500, 442));
}
