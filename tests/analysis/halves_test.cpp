// The figures of each half: shots and goals of both teams per half and the
// score at the end of each, over two halves and overtime, with events on
// the edge of a half and halves without events.
#include "halves.h"

#include <gtest/gtest.h>

#include "figures.h"
#include "match.h"
#include "match_fixture.h"
#include "match_script.h"

namespace {

ShotCount shots(int32_t n, int32_t goals) {
  return {n, goals};
}

class Halves : public ::testing::Test, protected ClockedMatch {
 protected:
  void SetUp() override {
    MatchSettings s;
    s.periods.overtime = true;
    m.setSettings(s);
    fillRoster(TeamId::One, 0);
    fillRoster(TeamId::Two, 20);
  }
  void record(TeamId team, Action a, int place, int detail) {
    ASSERT_TRUE(
        ClockedMatch::record(team, a == Action::TimeOut ? kOfficialSlot : 7, a, place, detail));
  }
  void goal(TeamId team, int place = place::kCentre) { record(team, Action::Goal, place, 6); }
  void miss(TeamId team, int zone = 6) { record(team, Action::ShotMiss, place::kLeftBack, zone); }
};

TEST_F(Halves, TwoHalvesAndOvertimeWithTheScoreAtTheEndOfEach) {
  m.startClock();
  at(600);
  goal(TeamId::One);
  goal(TeamId::One, place::kPenaltyThrow);  // a 7 m throw is a shot like any other
  miss(TeamId::Two, 1);                     // a miss wide is a shot too
  record(TeamId::Two, Action::PenaltyWon, place::kCentre, 1);
  record(TeamId::One, Action::Foul, place::kCentre, static_cast<int>(Sanction::Suspension));
  at(1800);  // the clock stops at the end of the first half: still the first
  goal(TeamId::Two);
  m.togglePause();  // the second half starts at the same 30:00
  miss(TeamId::One);
  record(TeamId::One, Action::TimeOut, place::kBench, 1);
  at(3000);
  goal(TeamId::Two);
  goal(TeamId::One);
  at(3600);
  m.togglePause();  // overtime
  at(3700);
  goal(TeamId::One);
  at(3900);
  m.togglePause();  // the second half of overtime, nothing recorded in it yet

  ASSERT_EQ(m.events()[5].clockSeconds, 1800);
  ASSERT_EQ(m.events()[6].clockSeconds, 1800);
  const std::vector<HalfFigures> halves = halfFigures(m);
  ASSERT_EQ(halves.size(), 4u);
  for (int p = 1; p <= 4; ++p) EXPECT_EQ(halves[p - 1].period, p);

  EXPECT_EQ(halves[0].team(TeamId::One), shots(2, 2));
  EXPECT_EQ(halves[0].team(TeamId::Two), shots(2, 1));  // the goal at 30:00 of the first half
  EXPECT_EQ(halves[0].score, (Score{2, 1}));
  EXPECT_EQ(halves[1].team(TeamId::One), shots(2, 1));  // the miss at 30:00 of the second half
  EXPECT_EQ(halves[1].team(TeamId::Two), shots(1, 1));
  EXPECT_EQ(halves[1].score, (Score{3, 2}));
  EXPECT_EQ(halves[2].team(TeamId::One), shots(1, 1));
  EXPECT_EQ(halves[2].team(TeamId::Two), shots(0, 0));
  EXPECT_EQ(halves[2].score, (Score{4, 2}));
  EXPECT_EQ(halves[3].team(TeamId::One), shots(0, 0));
  EXPECT_EQ(halves[3].team(TeamId::Two), shots(0, 0));
  EXPECT_EQ(halves[3].score, (Score{4, 2}));

  // The halves add up to the whole match's figures.
  const MatchFigures f = matchFigures(m);
  for (TeamId team : kBothTeams) {
    ShotCount sum;
    for (const HalfFigures& h : halves) sum += h.team(team);
    EXPECT_EQ(sum, f.team(team).shots.total);
  }
  EXPECT_EQ(halves.back().score, f.scoreFlow.back().score);
}

TEST_F(Halves, BothHalvesShowBeforeAnythingIsRecordedAndOvertimeOnlyOnceReached) {
  std::vector<HalfFigures> halves = halfFigures(m);
  ASSERT_EQ(halves.size(), 2u);
  EXPECT_EQ(halves[1].period, 2);
  EXPECT_EQ(halves[1].team(TeamId::Two), shots(0, 0));
  EXPECT_EQ(halves[1].score, (Score{0, 0}));

  m.startClock();
  at(300);
  goal(TeamId::Two);
  at(1800);
  m.togglePause();
  at(3600);  // the second half passes without an event
  ASSERT_TRUE(m.clock().periodOver());
  halves = halfFigures(m);
  ASSERT_EQ(halves.size(), 2u);  // overtime is set but not played
  EXPECT_EQ(halves[1].team(TeamId::Two), shots(0, 0));
  EXPECT_EQ(halves[1].score, (Score{0, 1}));  // the first half's score carries on

  m.togglePause();  // the clock enters overtime: its first half shows, empty
  halves = halfFigures(m);
  ASSERT_EQ(halves.size(), 3u);
  EXPECT_EQ(halves[2].period, 3);
  EXPECT_EQ(halves[2].team(TeamId::One), shots(0, 0));
  EXPECT_EQ(halves[2].score, (Score{0, 1}));
}

TEST_F(Halves, TheEventBeingEnteredWaitsForItsLastStep) {
  m.startClock();
  at(100);
  goal(TeamId::One);
  ASSERT_TRUE(m.pickPerson(TeamId::One, 3));
  ASSERT_TRUE(m.chooseAction(Action::Goal));
  ASSERT_TRUE(m.choosePlace(place::kLeftWing));
  EXPECT_EQ(halfFigures(m)[0].team(TeamId::One), shots(1, 1));
  ASSERT_TRUE(m.chooseDetail(2));
  EXPECT_EQ(halfFigures(m)[0].team(TeamId::One), shots(2, 2));
  EXPECT_EQ(halfFigures(m)[0].score, (Score{2, 0}));
}

TEST(HalvesOfScripts, AMatchPlayedOnPastHalfTimeSplitsAtThirtyMinutes) {
  // 125 goals every 7 s from 00:10, then 125 lost possessions every 11 s
  // into the second half, then a suspension and a miss at 30:00 of the
  // second half.
  ScriptedMatch scripted;
  playMatchScript(scripted.screen, testDataPath("long_match.match"));
  const std::vector<HalfFigures> halves = halfFigures(scripted.match);
  ASSERT_EQ(halves.size(), 2u);
  EXPECT_EQ(halves[0].team(TeamId::One), shots(125, 125));
  EXPECT_EQ(halves[0].score, (Score{125, 0}));
  EXPECT_EQ(halves[1].team(TeamId::One), shots(0, 0));
  EXPECT_EQ(halves[1].team(TeamId::Two), shots(1, 0));
  EXPECT_EQ(halves[1].score, (Score{125, 0}));
}

}  // namespace
