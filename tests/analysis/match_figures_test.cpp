// The match statistics worked out by hand from analysis_example (see
// figures_test.cpp for its events, numbered here as in match.events()), and
// the properties: the groups of shots sum to the team's shots, the
// situations to its events, the stretches of play to the match.
#include <gtest/gtest.h>

#include <functional>

#include "attacks.h"
#include "federation_shots.h"
#include "figures.h"
#include "lost_and_penalties.h"
#include "match.h"
#include "match_periods.h"
#include "match_script.h"
#include "numbers_on_court.h"
#include "runs.h"
#include "time_out_effect.h"

namespace {

using G = FederationGroup;
const TeamId T1 = TeamId::One, T2 = TeamId::Two;

struct Example : ::testing::Test {
  ScriptedMatch m;
  void SetUp() override { playMatchScript(m.screen, testDataPath("analysis_example.match")); }
  void change(const std::function<void(std::vector<Event>&)>& f) {
    MatchState s = m.match.state();
    f(s.events);
    m.match.restore(s);
  }
};

TEST_F(Example, FederationGroupsKindOfAttackFirstSevenMetresAlways) {
  auto f = federationShots(m.match);
  EXPECT_EQ(f[0].team.group(G::Wing), (ShotCount{2, 2}));
  EXPECT_EQ(f[0].team.group(G::NineMetre), (ShotCount{2, 0}));
  EXPECT_EQ(f[0].team.group(G::SevenMetre), (ShotCount{2, 1}));
  EXPECT_EQ(f[1].team.group(G::NineMetre), (ShotCount{3, 2}));
  EXPECT_EQ(f[1].persons[2].group(G::NineMetre), (ShotCount{1, 1}));
  // Team 1's goal faced West's shots: 9 m 1 saved of 3, 7 m 1 of 2; West's
  // goal saw two of East's misses wide, not on target.
  EXPECT_EQ(f[0].team.saved(G::NineMetre), (SaveCount{3, 1}));
  EXPECT_EQ(f[0].team.saved(G::SevenMetre), (SaveCount{2, 1}));
  EXPECT_EQ(f[1].team.saved(G::Wing), (SaveCount{2, 0}));
  EXPECT_EQ(f[1].team.saved(G::NineMetre), (SaveCount{1, 1}));

  change([](std::vector<Event>& e) {
    e[0].facts.attack = AttackKind::FastBreak;
    e[14].facts.attack = AttackKind::EmptyGoal;
    e[3].facts.attack = AttackKind::FastBreak;  // a 7 m throw stays 7 m
    e[1].place = place::kOpponentHalf;          // a set attack from 相手陣地: 9 m
    e[1].facts.goalkeeper = 12;
  });
  f = federationShots(m.match);
  EXPECT_EQ(f[0].team.group(G::Wing), (ShotCount{0, 0}));
  EXPECT_EQ(f[0].team.group(G::FastBreak), (ShotCount{1, 1}));
  EXPECT_EQ(f[0].team.group(G::EmptyGoal), (ShotCount{1, 1}));
  EXPECT_EQ(f[0].team.group(G::SevenMetre), (ShotCount{2, 1}));
  EXPECT_EQ(f[1].team.group(G::NineMetre), (ShotCount{3, 2}));
  EXPECT_EQ(f[0].persons[12].saved(G::NineMetre), (SaveCount{1, 1}));
}

TEST_F(Example, NumbersOnCourtFromTheRunningSuspensions) {
  const NumbersOnCourt n = numbersOnCourt(m.match);
  // West's 退場 at 12:00 runs to 14:00: East's goal at 12:00 and time-out
  // at 13:40 in superiority, West's 14:02 after it. East's 失格 at 15:30
  // is itself in inferiority.
  EXPECT_EQ(n.of(T1, Situation::Equal).events, 8);
  EXPECT_EQ(n.of(T1, Situation::Equal).shots, (ShotCount{5, 2}));
  EXPECT_EQ(n.of(T1, Situation::Equal).lost, 1);
  EXPECT_DOUBLE_EQ(*n.of(T1, Situation::Equal).efficiency(), 2.0 / 6);
  EXPECT_EQ(n.of(T1, Situation::Superiority).events, 2);
  EXPECT_EQ(n.of(T1, Situation::Superiority).shots, (ShotCount{1, 1}));
  EXPECT_EQ(n.of(T1, Situation::Inferiority).events, 1);
  EXPECT_FALSE(n.of(T1, Situation::Inferiority).efficiency());
  EXPECT_EQ(n.of(T2, Situation::Inferiority).events, 1);
  EXPECT_EQ(n.of(T2, Situation::Equal).shots, (ShotCount{5, 3}));
  ASSERT_EQ(n.suspensions.size(), 2u);
  EXPECT_EQ(n.suspensions[0].stretch, (SuspensionStretch{T1, 3, 930, 1050}));
  EXPECT_EQ(n.suspensions[1].stretch, (SuspensionStretch{T2, 1, 720, 840}));
  EXPECT_EQ(n.suspensions[1].goalsFor, 0);
  EXPECT_EQ(n.suspensions[1].goalsAgainst, 1);

  // Two 退場 of one player at 29:00 run one after another to 33:00, across
  // half-time: the goal at 32:59 is in inferiority, the one at 33:00 not.
  change([](std::vector<Event>& e) {
    for (int i : {13, 14}) e[i] = Event{T2, 1, 1740, 1, "2", "", Action::Foul, 7, 2};
    e[15] = Event{T2, 2, 1979, 2, "7", "", Action::Goal, 7, 6};
    e[16] = Event{T2, 2, 1980, 2, "7", "", Action::Goal, 7, 6};
    e[17] = Event{T1, 1, 1900, 2, "1", "", Action::Goal, 1, 2};
  });
  const NumbersOnCourt h = numbersOnCourt(m.match);
  EXPECT_EQ(h.of(T2, Situation::Inferiority).events, 3);
  EXPECT_EQ(h.of(T2, Situation::Inferiority).shots, (ShotCount{1, 1}));
  EXPECT_EQ(h.of(T1, Situation::Superiority).shots, (ShotCount{1, 1}));
  ASSERT_EQ(h.suspensions.size(), 2u);
  EXPECT_EQ(h.suspensions[1].stretch, (SuspensionStretch{T2, 1, 1740, 1980}));
  EXPECT_EQ(h.suspensions[1].goalsFor, 1);
  EXPECT_EQ(h.suspensions[1].goalsAgainst, 1);
}

TEST_F(Example, TenMinuteStretchesAndOvertime) {
  std::vector<MatchStretch> s = matchStretches(m.match);
  ASSERT_EQ(s.size(), 6u);
  EXPECT_EQ(s[0].label(), "0-10");
  EXPECT_EQ(s[5].label(), "50-60");
  EXPECT_EQ(s[0].team(T1).shots, (ShotCount{4, 2}));
  EXPECT_EQ(s[0].team(T1).lost, 1);
  EXPECT_EQ(s[1].team(T1).shots, (ShotCount{2, 1}));
  EXPECT_EQ(s[0].team(T2).shots, (ShotCount{4, 2}));
  EXPECT_EQ(s[1].team(T2).shots, (ShotCount{1, 1}));
  EXPECT_EQ(s[1].team(T2).lost, 1);

  change([](std::vector<Event>& e) {
    e[0].clockSeconds = 600;  // the end of a stretch belongs to it
    e[17].period = 5;         // the second overtime's first half
  });
  MatchSettings settings = m.match.settings();
  settings.periods.halfMinutes = 20;
  settings.periods.overtime = true;
  m.match.setSettings(settings);
  s = matchStretches(m.match);
  ASSERT_EQ(s.size(), 11u);  // 4 + 4 of five minutes, 3 of overtime
  EXPECT_EQ(s[1].label(), "5-10");
  EXPECT_EQ(s[1].team(T1).shots, (ShotCount{2, 1}));  // 07:00 and 10:00
  EXPECT_EQ(s[10].label(), "第2延長前半");
  EXPECT_EQ(s[10].team(T2).shots, (ShotCount{1, 1}));
}

TEST_F(Example, RunsGapsLeadsAndAttacks) {
  const RunFigures r = runFigures(m.match);
  EXPECT_EQ(r.longestRun.team, T1);
  EXPECT_EQ(r.longestRun.goals, 2);
  EXPECT_EQ(r.gaps[0].seconds, 510);  // 03:30 to 12:00
  EXPECT_EQ(r.gaps[1].seconds, 380);  // the start to 06:20
  EXPECT_EQ(r.leads[0].goals, 2);
  EXPECT_EQ(r.leads[1].goals, 0);
  EXPECT_EQ(r.leadChanges, 0);
  EXPECT_EQ(r.timesLevel, 2);
  // A run across half-time, two lead changes.
  auto p = [](int at, TeamId t, int a, int b) { return ScorePoint{at, t, {a, b}}; };
  const RunFigures x =
      runFigures({p(100, T1, 1, 0), p(1700, T2, 1, 1), p(1790, T2, 1, 2), p(1850, T2, 1, 3),
                  p(2000, T1, 2, 3), p(2100, T1, 3, 3), p(2200, T1, 4, 3)},
                 3600);
  EXPECT_EQ(x.longestRun.goals, 3);
  EXPECT_EQ(x.longestRun.fromSeconds, 1700);
  EXPECT_EQ(x.leadChanges, 2);
  EXPECT_EQ(x.gaps[0].seconds, 1900);
  EXPECT_EQ(x.gaps[1].seconds, 1750);

  const MatchFigures f = matchFigures(m.match);
  const AttackFigures a = attackFigures(f.team(T1));
  EXPECT_EQ(a.attacks(), 7);
  EXPECT_DOUBLE_EQ(*a.goalsPerAttack(), 3.0 / 7);
  EXPECT_DOUBLE_EQ(*a.lostPerAttack(), 1.0 / 7);
}

TEST_F(Example, TimeOutEffectLostByPlaceAndSevenMetresWon) {
  const std::vector<TimeOutEffect> t = timeOutEffects(m.match);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].team, T2);
  EXPECT_EQ((std::array{t[0].goalsForBefore, t[0].goalsAgainstBefore, t[0].goalsForAfter,
                        t[0].goalsAgainstAfter}),
            (std::array{1, 1, 1, 1}));
  EXPECT_EQ((std::array{t[1].goalsForBefore, t[1].goalsAgainstBefore, t[1].goalsForAfter,
                        t[1].goalsAgainstAfter}),
            (std::array{1, 1, 0, 1}));
  const auto lp = lostAndPenalties(m.match);
  EXPECT_EQ(lp[0].lostByPlace[place::kCentre], 1);
  EXPECT_EQ(lp[1].lostByPlace[place::kOpponentHalf], 1);
  // Won at 05:00 for シュート阻止, thrown and missed at 07:00; the 7 m goal
  // at 03:30 followed no throw won.
  EXPECT_EQ(lp[0].penaltiesByReason[2].won, 1);
  EXPECT_EQ(lp[0].penaltiesByReason[2].thrown, 1);
  EXPECT_EQ(lp[0].penaltiesByReason[2].goals, 0);
}

TEST(MatchFiguresProperty, GroupsSituationsAndStretchesSumToTheTeam) {
  for (const char* name : {"analysis_example", "full_match", "long_match", "shot_example"}) {
    ScriptedMatch m;
    playMatchScript(m.screen, testDataPath(std::string(name) + ".match"));
    const MatchFigures f = matchFigures(m.match);
    const auto fed = federationShots(m.match);
    const NumbersOnCourt n = numbersOnCourt(m.match);
    const std::vector<MatchStretch> s = matchStretches(m.match);
    for (TeamId t : kBothTeams) {
      ShotCount groups, stretched;
      int events = 0, lost = 0;
      for (const ShotCount& c : fed[teamIndex(t)].team.shots) groups += c;
      for (const SituationFigures& x : n.teams[teamIndex(t)]) events += x.events;
      for (const MatchStretch& x : s) {
        stretched += x.team(t).shots;
        lost += x.team(t).lost;
      }
      EXPECT_EQ(groups, f.team(t).shots.total) << name;
      EXPECT_EQ(events, m.match.teamEventCount(t)) << name;
      EXPECT_EQ(stretched, f.team(t).shots.total) << name;
      EXPECT_EQ(lost, f.team(t).lost) << name;
    }
  }
}

}  // namespace
