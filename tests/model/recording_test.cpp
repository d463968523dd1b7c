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
    fillRoster(1, 10, "p");
    fillRoster(2, 20, "p");
    m.startClock();
  }
  void goal(int team, int slot, int place, int zone) {
    ASSERT_TRUE(record(team, slot, Action::Goal, place, zone));
  }
  std::string count(int team, int slot, Count c) { return m.team(team).lines[slot].count(c); }
};

TEST_F(Recording, StepsOutOfTurnChangeNothing) {
  Match idle;
  EXPECT_FALSE(idle.pickPerson(1, 3));  // before kick-off
  EXPECT_FALSE(m.chooseAction(Action::Goal));
  EXPECT_FALSE(m.choosePlace(1));
  EXPECT_FALSE(m.chooseDetail(1));
  EXPECT_FALSE(m.correctPerson());
  ASSERT_TRUE(m.pickPerson(1, 0));
  EXPECT_FALSE(m.chooseAction(Action::Goal));  // the official neither scores
  EXPECT_FALSE(m.chooseAction(Action::KeepMiss));
  EXPECT_FALSE(m.pickPerson(2, 3));  // one person at a time
  ASSERT_TRUE(m.chooseAction(Action::TimeOut));
  EXPECT_FALSE(m.choosePlace(place::kLeftWing));  // a time-out is taken at the bench
  ASSERT_TRUE(m.choosePlace(place::kBench));
  EXPECT_FALSE(m.chooseDetail(5));  // four score situations
  EXPECT_EQ(m.entry().stage, Stage::PlaceChosen);
  EXPECT_TRUE(m.events().empty());
}

TEST_F(Recording, ACompleteEventKeepsItsTimeAndTheRosterAsItRead) {
  at(754);
  ASSERT_TRUE(m.pickPerson(2, 4));
  at(790);  // the clock runs on while the event is entered
  m.team(2).lines[4].name = "renamed";
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
  ASSERT_TRUE(m.pickPerson(1, 2));
  EXPECT_EQ(eventLog(m, 1).size(), 1u);
  ASSERT_TRUE(m.correctPerson());
  EXPECT_EQ(eventLog(m, 1)[0], (LogRow{"01：01", "", "", "", "", ""}));
  at(75);
  ASSERT_TRUE(m.pickPerson(2, 7));
  EXPECT_TRUE(eventLog(m, 1).empty());
  EXPECT_EQ(eventLog(m, 2)[0], (LogRow{"01：01", "27", "p7", "", "", ""}));
}

TEST_F(Recording, AfterAnActionTheFirstPersonStays) {
  ASSERT_TRUE(m.pickPerson(1, 5));
  ASSERT_TRUE(m.chooseAction(Action::ShotMiss));
  EXPECT_FALSE(m.canCorrectPerson());
  ASSERT_TRUE(m.takeBackAction());
  EXPECT_EQ(m.entry().stage, Stage::PersonPicked);
  EXPECT_FALSE(m.canCorrectPerson());  // not even once the action is taken back
  EXPECT_TRUE(m.canChooseAction(Action::Goal));
}

TEST_F(Recording, GoalCountsFromTheActionAndTakingItBackUndoesThem) {
  m.team(1).lines[3].count(Count::Goals) = "5";  // typed by hand
  ASSERT_TRUE(m.pickPerson(1, 3));
  ASSERT_TRUE(m.chooseAction(Action::Goal));
  EXPECT_EQ(m.score(1), 1);
  EXPECT_EQ(count(1, 3, Count::Goals), "6");
  EXPECT_EQ(countEvents(m).team(1).person(Tally::Goal, 3), 1);
  ASSERT_TRUE(m.takeBackAction());
  EXPECT_EQ(m.score(1), 0);
  EXPECT_EQ(count(1, 3, Count::Goals), "5");
  EXPECT_EQ(countEvents(m).team(1).person(Tally::Goal, 3), 0);
}

TEST_F(Recording, ACountCellWithoutANumberStopsTheStepAndChangesNothing) {
  m.team(1).lines[3].count(Count::Goals) = "x";
  ASSERT_TRUE(m.pickPerson(1, 3));
  EXPECT_THROW(m.chooseAction(Action::Goal), ConversionError);
  EXPECT_EQ(m.entry().stage, Stage::PersonPicked);
  EXPECT_EQ(m.score(1), 0);
  ASSERT_TRUE(m.chooseAction(Action::Foul));
  ASSERT_TRUE(m.choosePlace(place::kCentre));
  m.team(1).lines[3].count(Count::Suspensions) = "two";
  EXPECT_THROW(m.chooseDetail(static_cast<int>(Sanction::Suspension)), ConversionError);
  EXPECT_TRUE(m.events().empty());
  m.team(1).lines[3].count(Count::Suspensions) = "";
  ASSERT_TRUE(m.chooseDetail(static_cast<int>(Sanction::Suspension)));
  EXPECT_EQ(count(1, 3, Count::Suspensions), "1");
}

TEST_F(Recording, TheTalliesFollowTheEventsAndCountEachOnce) {
  goal(1, 3, place::kLeftBack, 8);
  goal(1, 3, place::kLeftBack, 8);
  goal(1, 4, place::kPenaltyThrow, 6);
  ASSERT_TRUE(m.pickPerson(1, 0));
  ASSERT_TRUE(m.chooseAction(Action::Foul));
  ASSERT_TRUE(m.choosePlace(place::kCentre));
  ASSERT_TRUE(m.chooseDetail(static_cast<int>(Sanction::Warning)));
  ASSERT_TRUE(m.pickPerson(2, 1));
  ASSERT_TRUE(m.chooseAction(Action::KeepMiss));
  ASSERT_TRUE(m.choosePlace(place::kCentre));
  ASSERT_TRUE(m.chooseDetail(2));

  const Tallies t = countEvents(m);
  EXPECT_EQ(t.team(1).goals[3][place::kLeftBack][8], 2);
  EXPECT_EQ(t.team(1).goals[4][place::kPenaltyThrow][6], 1);
  EXPECT_EQ(t.team(1).person(Tally::Warning, 0), 1);
  EXPECT_EQ(t.team(2).keepMisses[1][2], 1);
  EXPECT_EQ(t.team(2).person(Tally::KeepMiss, 1), 1);
  EXPECT_EQ(m.score(1), 3);
  EXPECT_EQ(m.warnings(1), 1);
  EXPECT_EQ(m.warnings(2), 0);
  // Counting again gives the same numbers: nothing is written back.
  EXPECT_EQ(countEvents(m).team(1).goals[3][place::kLeftBack][8], 2);
  EXPECT_EQ(contributionScore(t.team(1), 3), 4);
  EXPECT_EQ(contributionScore(t.team(1), 0), -1);
}

TEST_F(Recording, EveryChangingStepLeavesTheMatchUnsaved) {
  EXPECT_FALSE(m.unsaved());
  m.togglePause();
  m.togglePause();
  EXPECT_FALSE(m.unsaved());  // the clock alone is no record
  ASSERT_TRUE(m.pickPerson(1, 1));
  EXPECT_TRUE(m.unsaved());
  m.markSaved();
  ASSERT_TRUE(m.correctPerson());
  EXPECT_TRUE(m.unsaved());
}

}  // namespace
