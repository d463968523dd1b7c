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
    m.team(1).name = "A";
    m.team(2).name = "B";
    fillRoster(1, 0);
    fillRoster(2, 20);
  }
  void record(int team, int slot, Action a, int detail) {
    ASSERT_TRUE(ClockedMatch::record(
        team, slot, a, a == Action::TimeOut ? place::kBench : place::kCentre, detail));
  }
  void sanction(int team, int slot, Sanction s) {
    record(team, slot, Action::Foul, static_cast<int>(s));
  }
  void timeOut(int team) { record(team, 0, Action::TimeOut, 1); }
  std::vector<std::string> notices() {
    std::vector<std::string> texts;
    for (const RuleNotice& n : ruleNotices(m)) texts.push_back(n.text);
    return texts;
  }
};

TEST_F(Rules, EventsKnowTheirHalf) {
  m.startClock();
  at(100);
  timeOut(1);
  at(1900);  // the first half ended at 30:00; an event in the break is of it
  timeOut(2);
  m.togglePause();
  at(1960);
  timeOut(1);
  EXPECT_EQ(m.events()[0].period, 1);
  EXPECT_EQ(m.events()[1].period, 1);
  EXPECT_EQ(m.events()[1].clockSeconds, 1800);
  EXPECT_EQ(m.events()[2].period, 2);
}

TEST_F(Rules, SuspensionsCountDownWhileTheClockRunsAndCarryOverTheBreak) {
  m.startClock();
  at(1750);
  sanction(2, 3, Sanction::Suspension);
  at(1770);
  sanction(2, 4, Sanction::Disqualification);
  at(1790);
  auto running = runningCountdowns(m, 2);
  ASSERT_EQ(running.size(), 2u);
  EXPECT_EQ(running[0].person, "23");
  EXPECT_EQ(running[0].remaining, 80);
  EXPECT_EQ(courtPlayers(m, 2), 5);
  EXPECT_EQ(courtPlayers(m, 1), 7);
  at(2500);  // half-time: the clock stands at 30:00
  EXPECT_EQ(runningCountdowns(m, 2)[0].remaining, 70);
  m.togglePause();
  at(2570);  // 31:10: the first countdown is over
  running = runningCountdowns(m, 2);
  ASSERT_EQ(running.size(), 1u);
  EXPECT_EQ(running[0].person, "24");
  EXPECT_EQ(running[0].remaining, 20);
  at(2590);
  EXPECT_EQ(courtPlayers(m, 2), 7);
}

TEST_F(Rules, TheOfficialsSuspensionCountsAgainstTheTeam) {
  m.startClock();
  at(60);
  sanction(1, 0, Sanction::Suspension);
  sanction(1, 5, Sanction::Suspension);
  EXPECT_EQ(courtPlayers(m, 1), 5);
  EXPECT_EQ(runningCountdowns(m, 1)[0].person, "監督");
}

TEST_F(Rules, SanctionLimitsOnAndPastTheirEdge) {
  m.startClock();
  at(60);
  sanction(1, 7, Sanction::Suspension);
  sanction(1, 7, Sanction::Suspension);
  sanction(1, 2, Sanction::Warning);
  sanction(1, 3, Sanction::Warning);
  sanction(1, 4, Sanction::Warning);
  EXPECT_TRUE(notices().empty());
  sanction(1, 7, Sanction::Suspension);
  sanction(1, 2, Sanction::Warning);
  EXPECT_EQ(notices(), (std::vector<std::string>{
                           "A: 7番 3回目の退場 (失格)",
                           "A: 2番 2回目の警告 (警告は1人1回まで)",
                           "A: 4回目の警告 (警告はチーム3回まで)",
                       }));
}

TEST_F(Rules, TimeOutsUnderTheThreePerMatchRule) {
  m.startClock();
  at(60);
  timeOut(1);
  timeOut(1);
  EXPECT_TRUE(notices().empty());
  timeOut(1);
  EXPECT_EQ(notices(), std::vector<std::string>{"A: 作戦タイムは各ハーフ2回まで"});
  at(1800);
  m.togglePause();
  at(3300);  // 55:00, the last five minutes
  timeOut(2);
  EXPECT_EQ(notices().size(), 1u);
  timeOut(2);
  timeOut(1);
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
  timeOut(2);
  at(1800);
  m.togglePause();
  at(1900);
  timeOut(2);
  EXPECT_TRUE(notices().empty());
  timeOut(2);
  EXPECT_EQ(notices(), std::vector<std::string>{"B: 作戦タイムは各ハーフ1回まで"});
}

}  // namespace
