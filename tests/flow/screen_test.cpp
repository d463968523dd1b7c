// What the windows show at each step of an event, computed without windows:
// usable buttons, which window is shown and in front, logs and roster cells.
#include "screen.h"

#include <gtest/gtest.h>

#include "edit_choices.h"
#include "event_facts_view.h"
#include "roster_grid.h"
#include "rules_view.h"
#include "views.h"

namespace {

class ScreenSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    m.timeOfDay = [] { return 0.5; };
    s.show(WindowId::TeamSheet);
    s.finishInput();
    s.startMatch();
    s.takeRaised();
  }
  // Usable action buttons by code 1..6 as "1" and "0".
  std::string actions() const {
    std::string usable;
    const MatchWindowView v = matchWindowView(m);
    for (int a = 1; a <= kActions; ++a) usable += v.actionUsable[a] ? '1' : '0';
    return usable;
  }
  // Places, zones, bench of the court dialog.
  std::string court() const {
    const CourtDialogView v = courtDialogView(m);
    return std::string() + (v.placesUsable ? '1' : '0') + (v.zonesUsable ? '1' : '0') +
           (v.benchUsable ? '1' : '0');
  }
  bool shown(WindowId w) const { return s.visible(w); }

  Match m;
  Screen s{m};
};

TEST_F(ScreenSteps, AGoalThroughTheCourtDialog) {
  EXPECT_TRUE(matchWindowView(m).personsUsable);
  EXPECT_EQ(actions(), "000000");
  s.pickPerson(TeamId::One, 4);
  EXPECT_FALSE(matchWindowView(m).personsUsable);
  EXPECT_TRUE(matchWindowView(m).correctionUsable);
  EXPECT_EQ(actions(), "111111");
  s.chooseAction(Action::Goal);
  EXPECT_EQ(actions(), "000000");
  EXPECT_TRUE(shown(WindowId::Court));
  EXPECT_EQ(s.takeRaised(), std::vector{WindowId::Court});
  EXPECT_EQ(court(), "100");
  s.choosePlace(place::kRightWing);
  EXPECT_EQ(court(), "010");
  s.correctOnCourt();  // the place is taken back
  EXPECT_EQ(court(), "100");
  s.choosePlace(place::kRightWing);
  s.chooseZone(2);
  EXPECT_FALSE(shown(WindowId::Court));
  EXPECT_TRUE(matchWindowView(m).personsUsable);
  EXPECT_EQ(matchWindowView(m).scores[0], "1");
  EXPECT_EQ(m.events().size(), 1u);
}

TEST_F(ScreenSteps, TheOfficialOffersOnlyTimeOutAndFoulAndTheTimeOutGoesToTheBench) {
  s.pickPerson(TeamId::Two, 0);
  EXPECT_EQ(actions(), "000011");
  s.chooseAction(Action::TimeOut);
  EXPECT_EQ(court(), "001");
  s.choosePlace(place::kBench);
  EXPECT_FALSE(shown(WindowId::Court));
  EXPECT_TRUE(shown(WindowId::TimeOut));
  EXPECT_EQ(court(), "100");
  s.correctDetail(WindowId::TimeOut);  // back to the bench, not to the court
  EXPECT_FALSE(shown(WindowId::TimeOut));
  EXPECT_TRUE(shown(WindowId::Court));
  EXPECT_EQ(court(), "001");
  s.choosePlace(place::kBench);
  s.chooseDetail(WindowId::TimeOut, 3);
  EXPECT_FALSE(shown(WindowId::TimeOut));
  EXPECT_EQ(m.events().back().detail, 3);
}

TEST_F(ScreenSteps, CourtCorrectionTakesTheActionBackAndRaisesTheMatchWindow) {
  s.pickPerson(TeamId::One, 2);
  s.chooseAction(Action::ShotMiss);
  s.takeRaised();
  s.correctOnCourt();
  EXPECT_EQ(s.takeRaised(), std::vector{WindowId::Match});
  EXPECT_TRUE(shown(WindowId::Court));  // stays open, with nothing to place
  EXPECT_EQ(actions(), "111111");
  EXPECT_FALSE(matchWindowView(m).correctionUsable);
  s.choosePlace(place::kCentre);  // no action waits for a place
  EXPECT_EQ(m.entry().stage, Stage::PersonPicked);
}

TEST_F(ScreenSteps, ADialogOfAnotherActionTakesNoChoice) {
  s.pickPerson(TeamId::One, 2);
  s.chooseAction(Action::KeepMiss);
  s.choosePlace(place::kCentre);
  s.chooseDetail(WindowId::Foul, 1);
  s.chooseZone(1);
  EXPECT_EQ(m.entry().stage, Stage::PlaceChosen);
  s.chooseDetail(WindowId::KeepMiss, 1);
  EXPECT_FALSE(m.entry().open());
}

TEST_F(ScreenSteps, CloseBoxesLeaveOpenOnlyWhatTheOpenEventNeeds) {
  s.pickPerson(TeamId::One, 2);
  s.chooseAction(Action::Foul);
  s.requestClose(WindowId::Court);
  EXPECT_TRUE(shown(WindowId::Court));
  s.choosePlace(place::kCentre);
  s.requestClose(WindowId::Foul);
  EXPECT_TRUE(shown(WindowId::Foul));
  s.requestClose(WindowId::Match);
  EXPECT_FALSE(shown(WindowId::Match));
  s.chooseDetail(WindowId::Foul, 1);
  s.show(WindowId::Match);
  s.pickPerson(TeamId::Two, 3);  // the action buttons are the next step
  s.requestClose(WindowId::Match);
  EXPECT_TRUE(shown(WindowId::Match));
  s.correctPerson();  // and then the person buttons
  s.requestClose(WindowId::Match);
  EXPECT_TRUE(shown(WindowId::Match));
  s.pickPerson(TeamId::Two, 3);
  s.chooseAction(Action::KeepMiss);
  s.requestClose(WindowId::Match);
  EXPECT_FALSE(shown(WindowId::Match));
  s.choosePlace(place::kCentre);
  s.chooseDetail(WindowId::KeepMiss, 1);
  s.show(WindowId::Court);
  s.requestClose(WindowId::Court);
  EXPECT_FALSE(shown(WindowId::Court));
}

TEST_F(ScreenSteps, RaisesAreListedOncePerWindowInTheirLastOrder) {
  for (int n = 0; n < 100; ++n) {
    s.show(WindowId::Court);
    s.show(WindowId::Match);
  }
  s.show(WindowId::Court);
  EXPECT_EQ(s.takeRaised(), (std::vector{WindowId::Match, WindowId::Court}));
}

// The analysis window opens over an event being entered without taking its
// place: the event goes on, and the close box always hides the window.
TEST_F(ScreenSteps, TheAnalysisWindowOpensAtAnyStepAndClosesFreely) {
  s.pickPerson(TeamId::Two, 3);
  s.chooseAction(Action::ShotMiss);
  s.takeRaised();
  s.showAnalysis();
  EXPECT_TRUE(shown(WindowId::Analysis));
  EXPECT_EQ(s.takeRaised(), std::vector{WindowId::Analysis});
  EXPECT_TRUE(shown(WindowId::Court));
  s.choosePlace(place::kLeftWing);
  s.chooseZone(4);
  EXPECT_EQ(m.events().size(), 1u);
  EXPECT_TRUE(shown(WindowId::Analysis));
  s.requestClose(WindowId::Analysis);
  EXPECT_FALSE(shown(WindowId::Analysis));
}

TEST_F(ScreenSteps, AnalysisShowsATeamAsAWholeOrOneOfItsPlayers) {
  EXPECT_EQ(s.analysisTeam(), TeamId::One);
  EXPECT_EQ(s.analysisSlot(), std::nullopt);
  s.chooseAnalysisPerson(7);
  EXPECT_EQ(s.analysisSlot(), 7);
  s.chooseAnalysisTeam(TeamId::One);  // the same team keeps its player
  EXPECT_EQ(s.analysisSlot(), 7);
  s.chooseAnalysisTeam(TeamId::Two);  // slot 7 of the other team is someone else
  EXPECT_EQ(s.analysisTeam(), TeamId::Two);
  EXPECT_EQ(s.analysisSlot(), std::nullopt);
  // No such player, and the official, who takes no shot.
  for (int slot : {0, 15, -1}) s.chooseAnalysisPerson(slot);
  EXPECT_EQ(s.analysisTeam(), TeamId::Two);
  EXPECT_EQ(s.analysisSlot(), std::nullopt);
  s.chooseAnalysisPerson(14);
  s.chooseAnalysisPerson(std::nullopt);
  EXPECT_EQ(s.analysisSlot(), std::nullopt);
}

TEST_F(ScreenSteps, LogsGrowByARowPerEventAndSelectTheNext) {
  EXPECT_EQ(logShape(m, TeamId::One).rowCount, 5);
  EXPECT_EQ(logShape(m, TeamId::One).selectedRow, 1);
  EXPECT_EQ(logCell(m, TeamId::One, 2, 0), "who");
  s.pickPerson(TeamId::One, 2);
  s.chooseAction(Action::PenaltyWon);
  EXPECT_EQ(logCell(m, TeamId::One, 3, 1), "PT(獲得)");
  EXPECT_EQ(logCell(m, TeamId::One, 4, 1), "");
  EXPECT_EQ(logShape(m, TeamId::One).rowCount, 5);
  s.choosePlace(place::kLeftPost);
  s.chooseDetail(WindowId::PenaltyThrow, 2);
  EXPECT_EQ(logCell(m, TeamId::One, 5, 1), "シュート阻止");
  EXPECT_EQ(logCell(m, TeamId::One, 0, 2), "");
  EXPECT_EQ(logShape(m, TeamId::One).rowCount, 6);
  EXPECT_EQ(logShape(m, TeamId::One).selectedRow, 2);
  EXPECT_EQ(logShape(m, TeamId::Two).rowCount, 5);
}

TEST(TeamSheet, RosterGridCellsAreTheTeamsLines) {
  Match m;
  RosterGrid grid(m);
  EXPECT_EQ(grid.cell(1, 0), "番号");
  EXPECT_EQ(grid.cell(13, 0), "失格");
  EXPECT_EQ(grid.cell(7, 0), " ");
  EXPECT_EQ(grid.cell(0, 1), "監督");
  EXPECT_EQ(grid.cell(0, 15), "14");
  grid.setCell(1, 4, "9");
  grid.setCell(9, 15, "山田");
  grid.setCell(12, 2, "1");
  grid.setCell(7, 3, "memo");
  grid.setCell(0, 3, "ignored");
  EXPECT_EQ(m.team(TeamId::One).lines[3].number, "9");
  EXPECT_EQ(m.team(TeamId::Two).lines[14].name, "山田");
  EXPECT_EQ(m.team(TeamId::Two).lines[1].count(Count::Suspensions), "1");
  EXPECT_EQ(grid.cell(7, 3), "memo");
  EXPECT_EQ(grid.cell(0, 3), "2");
}

TEST(TeamSheet, PersonButtonsFollowTheRosterOnceItIsCarriedOver) {
  Match m;
  Screen s(m);
  m.team(TeamId::One).lines[1].number = "7";
  s.typeTeamName(TeamId::Two, "北方");
  EXPECT_EQ(teamSheetView(s).finishInputCaption, "入力終了");
  EXPECT_EQ(s.personCaption(TeamId::One, 1), "");  // blank until the first press
  EXPECT_EQ(s.teamPanel(TeamId::Two), "");
  s.finishInput();
  EXPECT_EQ(teamSheetView(s).finishInputCaption, "画面切り替え");
  EXPECT_EQ(s.personCaption(TeamId::One, 0), "監督");
  EXPECT_EQ(s.personCaption(TeamId::One, 1), "7");
  // Typed after the first press: the buttons and panels follow at once.
  RosterGrid(m).setCell(RosterGrid::columnOf(TeamId::Two, 1), 4, "23");
  s.typeTeamName(TeamId::One, "南方");
  EXPECT_EQ(s.personCaption(TeamId::Two, 3), "23");
  EXPECT_EQ(s.teamPanel(TeamId::One), "南方");
}

TEST(TeamSheet, TypingIntoTheRosterNamesOrBoxesLeavesTheMatchUnsaved) {
  Match m;
  Screen s(m);
  RosterGrid grid(m);
  grid.setCell(7, 2, "memo");  // the separator column is never saved
  s.typeFileStem(m.fileStem);  // the same text again
  EXPECT_FALSE(m.unsaved());
  grid.setCell(2, 2, "山田");
  EXPECT_TRUE(m.unsaved());
  for (auto type :
       {+[](Screen& s) { s.typeFileStem("final"); }, +[](Screen& s) { s.typeExportPrefix(""); },
        +[](Screen& s) { s.typeTeamName(TeamId::Two, "x"); }}) {
    m.markSaved();
    type(s);
    EXPECT_TRUE(m.unsaved());
  }
}

}  // namespace

namespace {

TEST(RulesOnTheMatchWindow, PeriodStrengthAndNotices) {
  Match m;
  Screen s(m);
  double now = 0;
  m.timeOfDay = [&] { return now / 86400.0; };
  m.team(TeamId::One).name = "A";
  m.team(TeamId::One).lines[7].number = "7";
  EXPECT_EQ(rulesView(m).period, "試合前");
  s.finishInput();
  s.startMatch();
  EXPECT_EQ(rulesView(m).period, "前半");
  now = 600;
  s.tick();
  for (int n = 0; n < 3; ++n) {
    s.pickPerson(TeamId::One, 7);
    s.chooseAction(Action::Foul);
    s.choosePlace(place::kCentre);
    s.chooseDetail(WindowId::Foul, static_cast<int>(Sanction::Suspension));
  }
  RulesView v = rulesView(m);
  // One player's suspensions run one after another: one short for six minutes.
  EXPECT_EQ(v.teams[0].courtPlayers, 6);
  EXPECT_EQ(v.teams[0].text, "6人 7 6:00");
  EXPECT_TRUE(v.teams[0].suspended[7]);
  EXPECT_FALSE(v.teams[0].suspended[6]);
  EXPECT_EQ(v.teams[1].text, "7人");
  EXPECT_EQ(v.notices, std::vector<std::string>{"10:00 A: 7番 3回目の退場 (失格)"});
  now = 1900;
  s.tick();
  EXPECT_EQ(rulesView(m).period, "ハーフタイム");
  EXPECT_TRUE(matchWindowView(m).personsUsable);  // recording goes on in the break
}

TEST(ScreenKept, AScreenBroughtBackShowsTheSameWindowsInTheSameOrder) {
  Match m;
  m.timeOfDay = [] { return 0.5; };
  Screen s(m);
  s.show(WindowId::TeamSheet);
  s.showSplashOnce();
  s.closeSplash();
  RosterGrid(s).setCell(RosterGrid::kSeparatorColumn, 4, "memo");
  s.finishInput();
  s.startMatch();
  s.pickPerson(TeamId::One, 2);
  s.chooseAction(Action::Foul);
  s.choosePlace(place::kCentre);  // the foul dialog is in front now
  s.showTeamSheet();              // and the team sheet before it
  s.takeRaised();

  Match m2;
  Screen back(m2);
  back.restore(s.state());
  EXPECT_TRUE(back.state() == s.state());
  EXPECT_TRUE(back.rosterCarried());
  EXPECT_FALSE(back.splashDue());
  EXPECT_FALSE(back.visible(WindowId::Splash));
  EXPECT_FALSE(back.visible(WindowId::Court));
  EXPECT_EQ(back.takeRaised(), (std::vector{WindowId::Match, WindowId::Foul, WindowId::TeamSheet}));
  EXPECT_EQ(RosterGrid(back).cell(RosterGrid::kSeparatorColumn, 4), "memo");
  EXPECT_EQ(RosterGrid(m2).cell(RosterGrid::kSeparatorColumn, 4), "");  // a grid of its own
}

TEST(PeriodChoices, TwoHalvesOfferedOnlyWhereOneEndsAndTheNextStarts) {
  using C = std::vector<EditChoice>;
  Periods youth{25, true};
  EXPECT_EQ(periodChoices(youth, 0), (C{{1, "前半"}}));
  EXPECT_EQ(periodChoices(youth, 1500), (C{{1, "前半"}, {2, "後半"}}));
  EXPECT_EQ(periodChoices(youth, 1800), (C{{2, "後半"}}));
  EXPECT_EQ(periodChoices(youth, 3000), (C{{2, "後半"}, {3, "延長前半"}}));
  EXPECT_EQ(periodChoices(youth, 3300), (C{{3, "延長前半"}, {4, "延長後半"}}));
  EXPECT_EQ(periodChoices(youth, 3600), (C{{4, "延長後半"}, {5, "第2延長前半"}}));
  EXPECT_EQ(periodChoices(youth, 5999), (C{{6, "第2延長後半"}}));
  EXPECT_EQ(periodChoices(Periods{}, 3600), (C{{2, "後半"}}));  // no overtime: the match ends
}

}  // namespace

// The facts panel offers, for the event recorded last and until the next
// pick, only the facts that fit its action, with the one on shown.
TEST_F(ScreenSteps, TheFactsPanelOffersWhatFitsTheLastEventUntilTheNextPick) {
  m.team(TeamId::One).lines[4].number = "12";
  auto offered = [&](int slot, Action a, int detail) {
    s.pickPerson(TeamId::One, slot);
    s.chooseAction(a);
    s.choosePlace(place::kCentre);
    isShot(a) ? s.chooseZone(detail) : s.chooseDetail(dialogFor(a), detail);
    const EventFactsView v = eventFactsView(s);
    std::string o = std::string() + (v.outcomeOffered ? 'O' : '-') + (v.attackOffered ? 'A' : '-') +
                    (v.assistOffered ? 'S' : '-');
    for (const AssistButton& b : v.assists) o += b.shown ? " " + b.caption : "";
    return o;
  };
  EXPECT_EQ(offered(3, Action::ShotMiss, 6), "OA-");
  EXPECT_EQ(eventFactsView(s).outcome, MissOutcome::Saved);  // in the goal: the default
  EXPECT_EQ(offered(3, Action::Goal, 6), "-AS 12");          // the numbered teammates
  s.chooseAssist(4);
  s.chooseAssist(4);  // the chosen one again clears it
  EXPECT_EQ(m.events().back().facts.assist, 0);
  EXPECT_EQ(offered(4, Action::KeepMiss, 1), "-A-");
  EXPECT_EQ(offered(0, Action::Foul, 1), "---");
  s.pickPerson(TeamId::One, 3);  // the next pick: nothing is said of the last
  EXPECT_FALSE(eventFactsView(s).hasTarget);
}
