// The figures of matches worked out by hand from their scripts: shots by
// place and zone with the 7 m throws apart, how misses ended, attacks and
// assists, the goalkeepers' view per team and per goalkeeper, the other
// counts, the score flow; a team and persons with nothing recorded.
#include "figures.h"

#include <gtest/gtest.h>

#include "match_script.h"
#include "tallies.h"

namespace {

MatchFigures figuresOf(const std::string& script) {
  ScriptedMatch scripted;
  playMatchScript(scripted.screen, testDataPath(script + ".match"));
  return matchFigures(scripted.match);
}

ShotCount shots(int32_t n, int32_t goals) {
  return {n, goals};
}
SaveCount saves(int32_t onTarget, int32_t saved) {
  return {onTarget, saved};
}

class AnalysisExample : public ::testing::Test {
 protected:
  const MatchFigures f = figuresOf("analysis_example");
  const TeamFigures& east = f.team(TeamId::One);
  const TeamFigures& west = f.team(TeamId::Two);
};

TEST_F(AnalysisExample, TeamShotsByPlaceAndZoneWithSevenMetresApart) {
  EXPECT_EQ(east.name, "東高校");
  EXPECT_EQ(east.goals, 3);
  EXPECT_EQ(east.shots.total, shots(6, 3));
  EXPECT_DOUBLE_EQ(*east.shots.total.rate(), 0.5);
  EXPECT_EQ(east.shots.byPlace[place::kLeftWing], shots(2, 2));
  EXPECT_EQ(east.shots.byPlace[place::kCentre], shots(1, 0));
  EXPECT_EQ(east.shots.byPlace[place::kLeftBack], shots(1, 0));
  EXPECT_EQ(east.shots.byPlace[place::kPenaltyThrow], shots(2, 1));
  EXPECT_EQ(east.shots.byPlace[place::kRightWing], shots(0, 0));
  EXPECT_FALSE(east.shots.byPlace[place::kRightWing].rate());
  EXPECT_EQ(east.shots.penalty(), shots(2, 1));
  EXPECT_EQ(east.shots.field(), shots(4, 2));

  // Zones count every shot, 7 m throws and misses outside the goal included.
  EXPECT_EQ(east.shots.byZone[2], shots(2, 2));
  EXPECT_EQ(east.shots.byZone[1], shots(1, 0));
  EXPECT_EQ(east.shots.byZone[8], shots(1, 0));
  EXPECT_EQ(east.shots.byZone[10], shots(1, 1));
  EXPECT_EQ(east.shots.byZone[11], shots(1, 0));
  EXPECT_EQ(east.shots.penaltyByZone[10], shots(1, 1));
  EXPECT_EQ(east.shots.penaltyByZone[11], shots(1, 0));
  EXPECT_EQ(east.shots.penaltyByZone[2], shots(0, 0));

  EXPECT_EQ(west.goals, 3);
  EXPECT_EQ(west.shots.total, shots(5, 3));
  EXPECT_EQ(west.shots.byPlace[place::kRightBack], shots(2, 1));
  EXPECT_EQ(west.shots.byPlace[place::kLeftBack], shots(1, 1));
  EXPECT_EQ(west.shots.penalty(), shots(2, 1));
  EXPECT_EQ(west.shots.byZone[6], shots(2, 1));
  EXPECT_EQ(west.shots.byZone[11], shots(1, 1));  // a goal recorded as outside right
  EXPECT_EQ(west.shots.penaltyByZone[4], shots(1, 1));
  EXPECT_EQ(west.shots.penaltyByZone[5], shots(1, 0));
}

TEST_F(AnalysisExample, GoalkeepersSeeEveryGoalAndTheSavedShots) {
  // East's goal: West's miss into 中中 and 7 m miss into 中上 are saves; its
  // three goals are on target, the one clicked 右外 in a cell of its own.
  // Goals against are West's 3 goals: 2 saves of 5 on target, 40 %.
  const GoalkeeperFigures& eastGoal = east.goalkeeper;
  EXPECT_EQ(eastGoal.total, saves(5, 2));
  EXPECT_EQ(eastGoal.total.goalsAgainst(), west.goals);
  EXPECT_DOUBLE_EQ(*eastGoal.total.rate(), 0.4);
  EXPECT_EQ(eastGoal.penalty, saves(2, 1));
  EXPECT_EQ(eastGoal.byZone[6], saves(2, 1));
  EXPECT_EQ(eastGoal.byZone[11], saves(0, 0));
  EXPECT_EQ(eastGoal.zoneNotKnown, saves(1, 0));
  EXPECT_EQ(eastGoal.penaltyByZone[5], saves(1, 1));

  // West's goal: East's two goals into 左上, the 7 m goal into 右下 and the
  // miss into 右上 (saved); the misses 左外 and (7 m) 右外 went wide.
  const GoalkeeperFigures& westGoal = west.goalkeeper;
  EXPECT_EQ(westGoal.total, saves(4, 1));
  EXPECT_EQ(westGoal.total.goalsAgainst(), east.goals);
  EXPECT_EQ(westGoal.byZone[8], saves(1, 1));
  EXPECT_EQ(westGoal.wide, 2);
}

// The same match with what analysts add: a goalkeeper each (line 12), East's
// changed at 08:00 for line 13; East's miss clicked 左外 blocked, the one
// into 右上 off the post; fast breaks, breakthroughs and two assists.
TEST_F(AnalysisExample, WithTheFactsAnalystsAdd) {
  ScriptedMatch scripted;
  playMatchScript(scripted.screen, testDataPath("analysis_example.match"));
  MatchState s = scripted.match.state();
  for (TeamId team : kBothTeams) s.teams[teamIndex(team)].lines[12].goalkeeper = true;
  std::vector<Event>& e = s.events;
  for (Event& shot : e)
    if (isShot(shot.action))
      shot.facts.goalkeeper = shot.team == TeamId::Two && shot.clockSeconds > 480 ? 13 : 12;
  e[0].facts.attack = e[7].facts.attack = AttackKind::FastBreak;
  e[10].facts.attack = e[14].facts.attack = AttackKind::Breakthrough;
  e[7].facts.assist = e[14].facts.assist = 2;
  e[2].facts.outcome = MissOutcome::Blocked;
  e[11].facts.outcome = MissOutcome::Post;
  scripted.match.restore(s);
  const MatchFigures facts = matchFigures(scripted.match);
  const TeamFigures& e1 = facts.team(TeamId::One);
  const TeamFigures& w2 = facts.team(TeamId::Two);

  // Line 12 faced West's shots until 08:00: both saves (one a 7 m throw)
  // and the goal clicked outside; line 13 the two goals after.
  EXPECT_EQ(e1.goalkeeper.total, saves(5, 2));
  EXPECT_EQ(e1.persons[12].keeping.total, saves(3, 2));
  EXPECT_EQ(e1.persons[12].keeping.penalty, saves(1, 1));
  EXPECT_EQ(e1.persons[12].keeping.zoneNotKnown, saves(1, 0));
  EXPECT_EQ(e1.persons[13].keeping.total, saves(2, 0));
  EXPECT_TRUE(e1.persons[13].keeps());
  EXPECT_FALSE(e1.persons[1].keeps());
  EXPECT_EQ(e1.goalkeeper.group(ShotGroup::NineMetre), saves(3, 1));
  EXPECT_EQ(e1.goalkeeper.group(ShotGroup::SevenMetre), saves(2, 1));
  EXPECT_EQ(e1.goalkeeper.attack(AttackKind::Set), saves(3, 2));
  EXPECT_EQ(e1.goalkeeper.attack(AttackKind::FastBreak), saves(1, 0));

  // West's goal: the post and the block are not on target, so no save.
  EXPECT_EQ(w2.goalkeeper.total, saves(3, 0));
  EXPECT_EQ(w2.goalkeeper.posts, 1);
  EXPECT_EQ(w2.goalkeeper.blocked, 1);
  EXPECT_EQ(w2.goalkeeper.wide, 1);
  EXPECT_EQ(w2.persons[12].keeping.shotsFaced(), 6);
  EXPECT_EQ(w2.goalkeeper.group(ShotGroup::Wing), saves(2, 0));

  // The shooters.
  EXPECT_EQ(e1.shots.onTarget(), 3);
  EXPECT_EQ(e1.shots.misses(MissOutcome::Post), 1);
  EXPECT_EQ(e1.shots.misses(MissOutcome::Blocked), 1);
  EXPECT_EQ(e1.shots.misses(MissOutcome::Wide), 1);
  EXPECT_EQ(e1.persons[2].shots.misses(MissOutcome::Post), 1);
  EXPECT_EQ(e1.shots.attack(AttackKind::Set), shots(4, 1));
  EXPECT_EQ(e1.shots.attack(AttackKind::Breakthrough), shots(1, 1));
  EXPECT_EQ(w2.shots.misses(MissOutcome::Saved), 2);
  EXPECT_EQ(e1.persons[2].assists, 1);
  EXPECT_EQ(w2.persons[2].assists, 1);
  EXPECT_EQ(w2.assists, 1);
}

TEST_F(AnalysisExample, PersonsWithAndWithoutShots) {
  const PersonFigures& aoki = east.persons[1];
  EXPECT_EQ(aoki.number, "1");
  EXPECT_EQ(aoki.name, "青木");
  EXPECT_EQ(aoki.shots.total, shots(3, 2));
  EXPECT_EQ(aoki.shots.byPlace[place::kLeftWing], shots(2, 2));
  EXPECT_EQ(aoki.shots.penalty(), shots(1, 0));
  EXPECT_EQ(aoki.contribution, 3);

  const PersonFigures& ishida = east.persons[2];
  EXPECT_EQ(ishida.shots.total, shots(3, 1));
  EXPECT_EQ(ishida.shots.penalty(), shots(1, 1));
  EXPECT_EQ(ishida.contribution, 0);

  // Ueda never shot: no rates, but his other counts.
  const PersonFigures& ueda = east.persons[3];
  EXPECT_EQ(ueda.shots.total, shots(0, 0));
  EXPECT_FALSE(ueda.shots.total.rate());
  EXPECT_EQ(ueda.lost, 1);
  EXPECT_EQ(ueda.lostByKind[1], 1);
  EXPECT_EQ(ueda.penaltiesWon, 1);
  EXPECT_EQ(ueda.disqualifications, 1);
  EXPECT_EQ(ueda.contribution, -1 + 1 - 3);
  EXPECT_TRUE(ueda.active());

  const PersonFigures& official = east.persons[0];
  EXPECT_EQ(official.name, "森");
  EXPECT_EQ(official.warnings, 1);
  EXPECT_EQ(official.timeOuts, 1);
  EXPECT_EQ(official.contribution, -1);

  const PersonFigures& kitamura = west.persons[4];
  EXPECT_EQ(kitamura.name, "北村");
  EXPECT_FALSE(kitamura.active());
  EXPECT_EQ(kitamura.contribution, 0);
  EXPECT_FALSE(west.persons[9].active());

  const PersonFigures& kawaguchi = west.persons[2];
  EXPECT_EQ(kawaguchi.shots.total, shots(3, 2));
  EXPECT_EQ(kawaguchi.lostByKind[4], 1);
  EXPECT_EQ(kawaguchi.contribution, 2 * 2 - 1 - 1);
  EXPECT_EQ(west.persons[1].suspensions, 1);
  EXPECT_EQ(west.persons[1].contribution, 2 - 1 - 2);
}

TEST_F(AnalysisExample, TeamCountsAndTimeOuts) {
  EXPECT_EQ(east.lost, 1);
  EXPECT_EQ(east.lostByKind[1], 1);
  EXPECT_EQ(east.penaltiesWon, 1);
  EXPECT_EQ(east.warnings, 1);
  EXPECT_EQ(east.suspensions, 0);
  EXPECT_EQ(east.disqualifications, 1);
  EXPECT_EQ(east.contribution, -1 + 3 + 0 - 3);
  ASSERT_EQ(east.timeOuts.size(), 1u);
  EXPECT_EQ(east.timeOuts[0].time(), "13:40");
  EXPECT_EQ(east.timeOuts[0].slot, 0);
  EXPECT_EQ(kSituationWords[east.timeOuts[0].situation], "リード");

  EXPECT_EQ(west.lostByKind[4], 1);
  EXPECT_EQ(west.suspensions, 1);
  EXPECT_EQ(west.contribution, 1);
  ASSERT_EQ(west.timeOuts.size(), 1u);
  EXPECT_EQ(west.timeOuts[0].time(), "08:15");
  EXPECT_EQ(kSituationWords[west.timeOuts[0].situation], "負け");
}

TEST_F(AnalysisExample, ScoreAfterEveryGoal) {
  const std::vector<ScorePoint> expected = {
      {60, TeamId::One, {1, 0}},  {210, TeamId::One, {2, 0}}, {380, TeamId::Two, {2, 1}},
      {545, TeamId::Two, {2, 2}}, {720, TeamId::One, {3, 2}}, {842, TeamId::Two, {3, 3}},
  };
  EXPECT_EQ(f.scoreFlow, expected);
}

TEST(MatchFigures, NothingRecorded) {
  const MatchFigures f = figuresOf("empty");
  for (TeamId team : kBothTeams) {
    const TeamFigures& t = f.team(team);
    EXPECT_EQ(t.goals, 0);
    EXPECT_EQ(t.shots.total, shots(0, 0));
    EXPECT_FALSE(t.shots.total.rate());
    EXPECT_FALSE(t.goalkeeper.total.rate());
    EXPECT_TRUE(t.timeOuts.empty());
    EXPECT_EQ(t.contribution, 0);
    for (const PersonFigures& p : t.persons) EXPECT_FALSE(p.active());
  }
  EXPECT_TRUE(f.scoreFlow.empty());
}

TEST(MatchFigures, ATeamWithNoEventsFacesTheOthersShots) {
  // Only team 1 has events in this script: a goal and a miss wide.
  const MatchFigures f = figuresOf("shot_example");
  const TeamFigures& quiet = f.team(TeamId::Two);
  EXPECT_EQ(quiet.shots.total, shots(0, 0));
  EXPECT_EQ(quiet.lost, 3);  // team 2's three lost possessions
  // A goal is on target wherever it was clicked; the miss outside is wide.
  EXPECT_EQ(quiet.goalkeeper.total, saves(1, 0));
  EXPECT_EQ(quiet.goalkeeper.byZone[8], saves(1, 0));
  EXPECT_EQ(quiet.goalkeeper.wide, 1);
  EXPECT_EQ(quiet.goalkeeper.total.goalsAgainst(), f.team(TeamId::One).goals);
  EXPECT_FALSE(f.team(TeamId::One).goalkeeper.total.rate());
  EXPECT_EQ(f.team(TeamId::One).persons[3].shots.byPlace[place::kLeftBack], shots(2, 1));
}

TEST(MatchFigures, TheEventBeingEnteredDoesNotCount) {
  ScriptedMatch scripted;
  playMatchScript(scripted.screen, testDataPath("shot_example.match"));
  Match& m = scripted.match;
  ASSERT_TRUE(m.pickPerson(TeamId::One, 3));
  ASSERT_TRUE(m.chooseAction(Action::Goal));
  ASSERT_TRUE(m.choosePlace(place::kPenaltyThrow));
  // The saved tables already count the chosen goal; the figures wait.
  EXPECT_EQ(countEvents(m).team(TeamId::One).person(Tally::Goal, 3), 2);
  const MatchFigures open = matchFigures(m);
  EXPECT_EQ(open.team(TeamId::One).goals, 1);
  EXPECT_EQ(open.team(TeamId::One).shots.total, shots(2, 1));
  EXPECT_EQ(open.team(TeamId::One).persons[3].contribution, 2 - 1);
  EXPECT_EQ(open.scoreFlow.size(), 1u);

  ASSERT_TRUE(m.chooseDetail(6));
  const MatchFigures done = matchFigures(m);
  EXPECT_EQ(done.team(TeamId::One).goals, 2);
  EXPECT_EQ(done.team(TeamId::One).shots.penalty(), shots(1, 1));
  EXPECT_EQ(done.team(TeamId::Two).goalkeeper.penaltyByZone[6], saves(1, 0));
  EXPECT_EQ(done.scoreFlow.back(),
            (ScorePoint{m.events().back().clockSeconds, TeamId::One, {2, 0}}));
}

TEST(ShotCounts, RatesAndTheirText) {
  EXPECT_EQ(percentText(shots(3, 1).rate()), "33%");
  EXPECT_EQ(percentText(shots(3, 2).rate()), "67%");
  EXPECT_EQ(percentText(shots(0, 0).rate()), "-");
  EXPECT_EQ(percentText(saves(8, 8).rate()), "100%");
  // Exact halves round up, though 23.0 / 40 lies just below 0.575.
  EXPECT_EQ(percentText(shots(40, 23).rate()), "58%");
  EXPECT_EQ(percentText(shots(8, 1).rate()), "13%");
  EXPECT_EQ(goalsOverShots(shots(7, 3)), "3/7");
  EXPECT_EQ(scoreText({12, 9}), "12-9");
}

}  // namespace
