// The facts said of an event once it is recorded, and the goalkeeper each
// shot is kept against: what the goalkeeper figures count by.
#include <gtest/gtest.h>

#include "event_editor.h"
#include "match_fixture.h"

namespace {

TEST(Goalkeepers, EachShotIsKeptAgainstTheOtherTeamsPlayerInGoalAtItsTime) {
  ClockedMatch c;
  Match& m = c.m;
  m.startClock();
  EXPECT_EQ(m.goalkeeperInGoal(TeamId::Two), 0);
  c.record(TeamId::One, 4, Action::Goal, place::kCentre, 6);
  EXPECT_EQ(m.events().back().facts.goalkeeper, 0);  // nobody marked yet

  // The first line marked is in goal until a change.
  m.markGoalkeeper(TeamId::Two, 12, true);
  m.markGoalkeeper(TeamId::Two, 1, true);
  c.at(100);
  c.record(TeamId::One, 4, Action::ShotMiss, place::kLeftWing, 1);
  EXPECT_EQ(m.events().back().facts.goalkeeper, 1);

  c.at(200);
  EXPECT_FALSE(m.changeGoalkeeper(TeamId::Two, 1));  // in goal already
  EXPECT_TRUE(m.changeGoalkeeper(TeamId::Two, 12));
  c.at(300);
  c.record(TeamId::One, 5, Action::Goal, place::kPenaltyThrow, 11);
  c.record(TeamId::One, 5, Action::KeepMiss, place::kCentre, 2);
  c.record(TeamId::Two, 12, Action::ShotMiss, place::kCentre, 6);
  EXPECT_EQ(m.events()[2].facts.goalkeeper, 12);
  EXPECT_EQ(m.events()[3].facts.goalkeeper, 0);  // not a shot
  EXPECT_EQ(m.events()[4].facts.goalkeeper, 0);  // team one marked nobody

  // A shot put in afterwards is kept against the one in goal at its time.
  EventEditor editor(m);
  editor.insertBefore(TeamId::One, 0, {4, 150, Action::ShotMiss, place::kLeftBack, 6});
  editor.insertBefore(TeamId::One, 0, {4, 250, Action::ShotMiss, place::kLeftBack, 6});
  EXPECT_EQ(m.teamEvent(TeamId::One, 0).facts.goalkeeper, 12);
  EXPECT_EQ(m.teamEvent(TeamId::One, 1).facts.goalkeeper, 1);
  ASSERT_EQ(m.goalkeeperChanges().size(), 1u);
  EXPECT_EQ(m.goalkeeperChanges()[0].clockSeconds, 200);
}

TEST(LastFacts, GoToTheEventJustRecordedUntilTheNextPickAndOnlyWhereTheyFit) {
  ClockedMatch c;
  Match& m = c.m;
  m.startClock();
  EXPECT_FALSE(m.setLastFacts({MissOutcome::Post}));  // nothing recorded yet
  c.record(TeamId::One, 4, Action::Goal, place::kCentre, 6);
  // A goal takes an assist and a kind of attack, not how a miss ended; an
  // assist by the scorer himself is no assist.
  EXPECT_TRUE(m.setLastFacts({MissOutcome::Post, AttackKind::FastBreak, 4}));
  EXPECT_EQ(m.events().back().facts, (EventFacts{MissOutcome::Unsaid, AttackKind::FastBreak, 0}));
  EXPECT_TRUE(m.setLastFacts({MissOutcome::Unsaid, AttackKind::FastBreak, 7}));
  EXPECT_EQ(m.events().back().facts.assist, 7);

  c.record(TeamId::Two, 3, Action::ShotMiss, place::kLeftWing, 11);
  EXPECT_EQ(m.events().back().outcome(), MissOutcome::Wide);  // clicked outside
  m.setLastFacts({MissOutcome::Blocked});
  EXPECT_EQ(m.events().back().outcome(), MissOutcome::Blocked);
  c.record(TeamId::Two, 3, Action::ShotMiss, place::kLeftWing, 5);
  EXPECT_EQ(m.events().back().outcome(), MissOutcome::Saved);  // clicked inside

  // Mended afterwards, with undo: a goal made a foul loses what only a
  // shot has.
  EventEditor editor(m);
  editor.replace(TeamId::One, 0, {4, 0, Action::Foul, place::kCentre, 1});
  EXPECT_EQ(m.events()[0].facts, EventFacts{});
  editor.undo();
  EXPECT_EQ(m.events()[0].facts.assist, 7);

  // The written report belongs to a 失格 alone, the official's too; a 失格
  // mended into a 退場 loses it, and the undo brings it back.
  c.record(TeamId::Two, 3, Action::Foul, place::kCentre, 2);
  EXPECT_FALSE(m.setLastFacts({.writtenReport = true}));
  c.record(TeamId::Two, kOfficialSlot, Action::Foul, place::kCentre, 3);
  EXPECT_TRUE(m.setLastFacts({.writtenReport = true}));
  EventDraft suspension = draftOf(m.events().back());
  suspension.detail = static_cast<int>(Sanction::Suspension);
  editor.replace(TeamId::Two, 3, suspension);
  EXPECT_FALSE(m.events().back().facts.writtenReport);
  editor.undo();
  EXPECT_TRUE(m.events().back().facts.writtenReport);

  m.pickPerson(TeamId::One, 2);
  EXPECT_EQ(m.factsTarget(), nullptr);
  EXPECT_FALSE(m.setLastFacts({MissOutcome::Post}));
  EXPECT_TRUE(m.events().back().facts.writtenReport);
}

}  // namespace
