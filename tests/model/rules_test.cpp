// Handball's rules on the clock: events know their half, suspensions count
// down in playing time, and limits of the rules are noticed.
#include <gtest/gtest.h>

#include "match.h"
#include "match_fixture.h"
#include "rule_notices.h"
#include "suspensions.h"

namespace {

class Rules : public ::testing::Test, protected ClockedMatch {
 protected:
  void SetUp() override {
    m.team(TeamId::One).name = "A";
    m.team(TeamId::Two).name = "B";
    fillRoster(TeamId::One, 0);
    fillRoster(TeamId::Two, 20);
  }
  void record(TeamId team, int slot, Action a, int detail) {
    ASSERT_TRUE(ClockedMatch::record(
        team, slot, a, a == Action::TimeOut ? place::kBench : place::kCentre, detail));
  }
  void sanction(TeamId team, int slot, Sanction s) {
    record(team, slot, Action::Foul, static_cast<int>(s));
  }
  void timeOut(TeamId team) { record(team, 0, Action::TimeOut, 1); }
  std::vector<std::string> notices() {
    std::vector<std::string> texts;
    for (const RuleNotice& n : ruleNotices(m)) texts.push_back(n.text);
    return texts;
  }
};

TEST_F(Rules, EventsKnowTheirHalf) {
  m.startClock();
  at(100);
  timeOut(TeamId::One);
  at(1900);  // the first half ended at 30:00; an event in the break is of it
  timeOut(TeamId::Two);
  m.togglePause();
  at(1960);
  timeOut(TeamId::One);
  EXPECT_EQ(m.events()[0].period, 1);
  EXPECT_EQ(m.events()[1].period, 1);
  EXPECT_EQ(m.events()[1].clockSeconds, 1800);
  EXPECT_EQ(m.events()[2].period, 2);
}

TEST_F(Rules, SuspensionsCountDownWhileTheClockRunsAndCarryOverTheBreak) {
  m.startClock();
  at(1750);
  sanction(TeamId::Two, 3, Sanction::Suspension);
  at(1770);
  sanction(TeamId::Two, 4, Sanction::Disqualification);
  at(1790);
  auto running = runningCountdowns(m, TeamId::Two);
  ASSERT_EQ(running.size(), 2u);
  EXPECT_EQ(running[0].person, "23");
  EXPECT_EQ(running[0].remaining, 80);
  EXPECT_EQ(courtPlayers(m, TeamId::Two), 5);
  EXPECT_EQ(courtPlayers(m, TeamId::One), 7);
  at(2500);  // half-time: the clock stands at 30:00
  EXPECT_EQ(runningCountdowns(m, TeamId::Two)[0].remaining, 70);
  m.togglePause();
  at(2570);  // 31:10: the first countdown is over
  running = runningCountdowns(m, TeamId::Two);
  ASSERT_EQ(running.size(), 1u);
  EXPECT_EQ(running[0].person, "24");
  EXPECT_EQ(running[0].remaining, 20);
  at(2590);
  EXPECT_EQ(courtPlayers(m, TeamId::Two), 7);
}

TEST_F(Rules, TheOfficialsSuspensionCountsAgainstTheTeam) {
  m.startClock();
  at(60);
  sanction(TeamId::One, 0, Sanction::Suspension);
  sanction(TeamId::One, 5, Sanction::Suspension);
  EXPECT_EQ(courtPlayers(m, TeamId::One), 5);
  EXPECT_EQ(runningCountdowns(m, TeamId::One)[0].person, "監督");
}

TEST_F(Rules, SanctionLimitsOnAndPastTheirEdge) {
  m.startClock();
  at(60);
  sanction(TeamId::One, 7, Sanction::Suspension);
  sanction(TeamId::One, 7, Sanction::Suspension);
  sanction(TeamId::One, 2, Sanction::Warning);
  sanction(TeamId::One, 3, Sanction::Warning);
  sanction(TeamId::One, 4, Sanction::Warning);
  EXPECT_TRUE(notices().empty());
  sanction(TeamId::One, 7, Sanction::Suspension);
  sanction(TeamId::One, 2, Sanction::Warning);
  EXPECT_EQ(notices(), (std::vector<std::string>{
                           "A: 7番 3回目の退場 (失格)",
                           "A: 2番 2回目の警告 (警告は1人1回まで)",
                           "A: 4回目の警告 (警告はチーム3回まで)",
                       }));
}

TEST_F(Rules, TimeOutsUnderTheThreePerMatchRule) {
  m.startClock();
  at(60);
  timeOut(TeamId::One);
  timeOut(TeamId::One);
  EXPECT_TRUE(notices().empty());
  timeOut(TeamId::One);
  EXPECT_EQ(notices(), std::vector<std::string>{"A: 作戦タイムは各ハーフ2回まで"});
  at(1800);
  m.togglePause();
  at(3300);  // 55:00, the last five minutes
  timeOut(TeamId::Two);
  EXPECT_EQ(notices().size(), 1u);
  timeOut(TeamId::Two);
  timeOut(TeamId::One);
  EXPECT_EQ(notices(), (std::vector<std::string>{"A: 作戦タイムは各ハーフ2回まで",
                                                 "B: 最後の5分間の作戦タイムは1回まで",
                                                 "A: 作戦タイムは1試合3回まで"}));
}

TEST_F(Rules, TimeOutsUnderTheClassicRule) {
  MatchSettings settings;
  settings.timeOutRule = TimeOutRule::OnePerHalf;
  m.setSettings(settings);
  m.startClock();
  at(60);
  timeOut(TeamId::Two);
  at(1800);
  m.togglePause();
  at(1900);
  timeOut(TeamId::Two);
  EXPECT_TRUE(notices().empty());
  timeOut(TeamId::Two);
  EXPECT_EQ(notices(), std::vector<std::string>{"B: 作戦タイムは各ハーフ1回まで"});
}

// One person's suspensions run one after another, across half-time too; a
// 退場 and a 失格 at one time are one.
TEST_F(Rules, SuspensionsByTheBook) {
  m.startClock();
  at(1750);
  sanction(TeamId::Two, 3, Sanction::Suspension);
  sanction(TeamId::Two, 3, Sanction::Suspension);  // before the restart: to 33:10
  sanction(TeamId::Two, 4, Sanction::Suspension);
  sanction(TeamId::Two, 4, Sanction::Disqualification);  // to 31:10
  at(1900);                                              // half-time at 30:00
  EXPECT_EQ(courtPlayers(m, TeamId::Two), 5);
  EXPECT_EQ(runningCountdowns(m, TeamId::Two)[1].remaining, 190);
  m.togglePause();
  at(1971);  // 31:11
  EXPECT_EQ(courtPlayers(m, TeamId::Two), 6);
  at(2090);
  EXPECT_EQ(courtPlayers(m, TeamId::Two), 7);
}

TEST_F(Rules, WarningsOfPlayersAndOfficialApartAndAfterASuspension) {
  m.startClock();
  for (int slot : {2, 3, 4, 0}) sanction(TeamId::One, slot, Sanction::Warning);
  EXPECT_TRUE(notices().empty());  // three for the players, one for the official
  for (int slot : {0, 5, 0}) sanction(TeamId::One, slot, Sanction::Suspension);
  sanction(TeamId::One, 5, Sanction::Warning);
  EXPECT_EQ(notices(), (std::vector<std::string>{"A: 監督 2回目の退場 (失格)",
                                                 "A: 5番 退場の後の警告 (退場の後に警告はない)",
                                                 "A: 4回目の警告 (警告はチーム3回まで)"}));
}

// A level first overtime brings the second (periods 5 and 6); a time-out in
// overtime is flagged under either rule.
TEST_F(Rules, TwoOvertimesWhenTheFirstEndsLevelAndNoTimeOutsInThem) {
  m.setSettings({{.halfMinutes = 20, .overtime = true}, TimeOutRule::ThreePerMatch});
  m.startClock();
  double paused = 0;
  for (int end : {1200, 2400, 2700, 3000, 3300}) {
    at(paused + end + 1);  // the clock stopped at the end, continued a second later
    if (end == 3000) {
      ASSERT_TRUE(m.pickPerson(TeamId::One, 5) && m.chooseAction(Action::Goal));
      EXPECT_TRUE(m.matchOver());  // 1-0
      ASSERT_TRUE(m.takeBackAction());
      EXPECT_FALSE(m.matchOver());  // 0-0
      ASSERT_TRUE(m.chooseAction(Action::KeepMiss) && m.choosePlace(1) && m.chooseDetail(1));
      timeOut(TeamId::Two);
    }
    m.togglePause();
    paused += 1;
  }
  at(paused + 3400);
  timeOut(TeamId::One);
  EXPECT_EQ(m.events().back().period, 6);
  at(paused + 3601);
  EXPECT_FALSE(m.matchOver());  // level again: the shoot-out follows, the clock stays
  m.togglePause();
  at(paused + 3700);
  EXPECT_TRUE(m.clock().inShootOut());
  EXPECT_EQ(m.clock().shownSeconds(), 3600);
  const std::vector<std::string> flagged{"B: 延長戦では作戦タイムは取れない",
                                         "A: 延長戦では作戦タイムは取れない"};
  EXPECT_EQ(notices(), flagged);
  m.setSettings({m.settings().periods, TimeOutRule::OnePerHalf});  // the classic rule
  EXPECT_EQ(notices(), flagged);
  // Overtime played cannot be switched off: the clock stays in its period.
  m.setSettings({{.halfMinutes = 20, .overtime = false}, TimeOutRule::OnePerHalf});
  EXPECT_TRUE(m.settings().periods.overtime);
  EXPECT_EQ(m.clock().period(), 7);
}

}  // namespace
