// The recording rules of the match: what each step of entering an event may
// do at each stage, what it changes, and the counts derived from the events.
#include <gtest/gtest.h>

#include "event_log.h"
#include "match.h"
#include "match_fixture.h"
#include "tallies.h"
#include "user_error.h"

namespace {

class Recording : public ::testing::Test, protected ClockedMatch {
 protected:
  void SetUp() override {
    fillRoster(TeamId::One, 10, "p");
    fillRoster(TeamId::Two, 20, "p");
    m.startClock();
  }
  void goal(TeamId team, int slot, int place, int zone) {
    ASSERT_TRUE(record(team, slot, Action::Goal, place, zone));
  }
  std::string count(TeamId team, int slot, Count c) { return m.team(team).lines[slot].count(c); }
};

TEST_F(Recording, StepsOutOfTurnChangeNothing) {
  Match idle;
  EXPECT_FALSE(idle.pickPerson(TeamId::One, 3));  // before kick-off
  EXPECT_FALSE(m.chooseAction(Action::Goal));
  EXPECT_FALSE(m.choosePlace(1));
  EXPECT_FALSE(m.chooseDetail(1));
  EXPECT_FALSE(m.correctPerson());
  ASSERT_TRUE(m.pickPerson(TeamId::One, 0));
  EXPECT_FALSE(m.chooseAction(Action::Goal));  // the official neither scores
  EXPECT_FALSE(m.chooseAction(Action::KeepMiss));
  EXPECT_FALSE(m.pickPerson(TeamId::Two, 3));  // one person at a time
  ASSERT_TRUE(m.chooseAction(Action::TimeOut));
  EXPECT_FALSE(m.choosePlace(place::kLeftWing));  // a time-out is taken at the bench
  ASSERT_TRUE(m.choosePlace(place::kBench));
  EXPECT_FALSE(m.chooseDetail(5));  // four score situations
  EXPECT_EQ(m.entry().stage, Stage::PlaceChosen);
  EXPECT_TRUE(m.events().empty());
}

TEST_F(Recording, ACompleteEventKeepsItsTimeAndTheRosterAsItRead) {
  at(754);
  ASSERT_TRUE(m.pickPerson(TeamId::Two, 4));
  at(790);  // the clock runs on while the event is entered
  m.team(TeamId::Two).lines[4].name = "renamed";
  ASSERT_TRUE(m.chooseAction(Action::KeepMiss));
  ASSERT_TRUE(m.choosePlace(place::kOpponentHalf));
  ASSERT_TRUE(m.chooseDetail(4));
  ASSERT_EQ(m.events().size(), 1u);
  EXPECT_EQ(logRow(m.events()[0]),
            (LogRow{"12：34", "24", "p4", "保持ミス", "相手陣地", "オーバー"}));
  EXPECT_FALSE(m.entry().open());
}

TEST_F(Recording, ACorrectedPersonMovesTheEventWithItsTimeToTheOtherTeam) {
  at(61);
  ASSERT_TRUE(m.pickPerson(TeamId::One, 2));
  EXPECT_EQ(eventLog(m, TeamId::One).size(), 1u);
  ASSERT_TRUE(m.correctPerson());
  EXPECT_EQ(eventLog(m, TeamId::One)[0], (LogRow{"01：01", "", "", "", "", ""}));
  at(75);
  ASSERT_TRUE(m.pickPerson(TeamId::Two, 7));
  EXPECT_TRUE(eventLog(m, TeamId::One).empty());
  EXPECT_EQ(eventLog(m, TeamId::Two)[0], (LogRow{"01：01", "27", "p7", "", "", ""}));
}

TEST_F(Recording, AfterAnActionTheFirstPersonStays) {
  ASSERT_TRUE(m.pickPerson(TeamId::One, 5));
  ASSERT_TRUE(m.chooseAction(Action::ShotMiss));
  EXPECT_FALSE(m.canCorrectPerson());
  ASSERT_TRUE(m.takeBackAction());
  EXPECT_EQ(m.entry().stage, Stage::PersonPicked);
  EXPECT_FALSE(m.canCorrectPerson());  // not even once the action is taken back
  EXPECT_TRUE(m.canChooseAction(Action::Goal));
}

TEST_F(Recording, GoalCountsFromTheActionAndTakingItBackUndoesThem) {
  m.team(TeamId::One).lines[3].count(Count::Goals) = "5";  // typed by hand
  ASSERT_TRUE(m.pickPerson(TeamId::One, 3));
  ASSERT_TRUE(m.chooseAction(Action::Goal));
  EXPECT_EQ(m.score(TeamId::One), 1);
  EXPECT_EQ(count(TeamId::One, 3, Count::Goals), "6");
  EXPECT_EQ(countEvents(m).team(TeamId::One).person(Tally::Goal, 3), 1);
  ASSERT_TRUE(m.takeBackAction());
  EXPECT_EQ(m.score(TeamId::One), 0);
  EXPECT_EQ(count(TeamId::One, 3, Count::Goals), "5");
  EXPECT_EQ(countEvents(m).team(TeamId::One).person(Tally::Goal, 3), 0);
}

TEST_F(Recording, ACountCellWithoutANumberStopsTheStepAndChangesNothing) {
  m.team(TeamId::One).lines[3].count(Count::Goals) = "x";
  ASSERT_TRUE(m.pickPerson(TeamId::One, 3));
  EXPECT_THROW(m.chooseAction(Action::Goal), ConversionError);
  EXPECT_EQ(m.entry().stage, Stage::PersonPicked);
  EXPECT_EQ(m.score(TeamId::One), 0);
  ASSERT_TRUE(m.chooseAction(Action::Foul));
  ASSERT_TRUE(m.choosePlace(place::kCentre));
  m.team(TeamId::One).lines[3].count(Count::Suspensions) = "two";
  EXPECT_THROW(m.chooseDetail(static_cast<int>(Sanction::Suspension)), ConversionError);
  EXPECT_TRUE(m.events().empty());
  m.team(TeamId::One).lines[3].count(Count::Suspensions) = "";
  ASSERT_TRUE(m.chooseDetail(static_cast<int>(Sanction::Suspension)));
  EXPECT_EQ(count(TeamId::One, 3, Count::Suspensions), "1");
}

TEST_F(Recording, TheTalliesFollowTheEventsAndCountEachOnce) {
  goal(TeamId::One, 3, place::kLeftBack, 8);
  goal(TeamId::One, 3, place::kLeftBack, 8);
  goal(TeamId::One, 4, place::kPenaltyThrow, 6);
  ASSERT_TRUE(m.pickPerson(TeamId::One, 0));
  ASSERT_TRUE(m.chooseAction(Action::Foul));
  ASSERT_TRUE(m.choosePlace(place::kCentre));
  ASSERT_TRUE(m.chooseDetail(static_cast<int>(Sanction::Warning)));
  ASSERT_TRUE(m.pickPerson(TeamId::Two, 1));
  ASSERT_TRUE(m.chooseAction(Action::KeepMiss));
  ASSERT_TRUE(m.choosePlace(place::kCentre));
  ASSERT_TRUE(m.chooseDetail(2));

  const Tallies t = countEvents(m);
  EXPECT_EQ(t.team(TeamId::One).goals[3][place::kLeftBack][8], 2);
  EXPECT_EQ(t.team(TeamId::One).goals[4][place::kPenaltyThrow][6], 1);
  EXPECT_EQ(t.team(TeamId::One).person(Tally::Warning, 0), 1);
  EXPECT_EQ(t.team(TeamId::Two).keepMisses[1][2], 1);
  EXPECT_EQ(t.team(TeamId::Two).person(Tally::KeepMiss, 1), 1);
  EXPECT_EQ(m.score(TeamId::One), 3);
  EXPECT_EQ(m.warnings(TeamId::One), 1);
  EXPECT_EQ(m.warnings(TeamId::Two), 0);
  // Counting again gives the same numbers: nothing is written back.
  EXPECT_EQ(countEvents(m).team(TeamId::One).goals[3][place::kLeftBack][8], 2);
  EXPECT_EQ(contributionScore(t.team(TeamId::One), 3), 4);
  EXPECT_EQ(contributionScore(t.team(TeamId::One), 0), -1);
}

TEST_F(Recording, EveryChangingStepLeavesTheMatchUnsaved) {
  EXPECT_FALSE(m.unsaved());
  m.togglePause();
  m.togglePause();
  EXPECT_FALSE(m.unsaved());  // the clock alone is no record
  ASSERT_TRUE(m.pickPerson(TeamId::One, 1));
  EXPECT_TRUE(m.unsaved());
  m.markSaved();
  ASSERT_TRUE(m.correctPerson());
  EXPECT_TRUE(m.unsaved());
}

}  // namespace
