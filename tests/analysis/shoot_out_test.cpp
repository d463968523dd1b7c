// The 7 m shoot-out after a second overtime that ended level, from the
// clock that enters it to the figures that leave its throws out.
#include "shoot_out.h"

#include <gtest/gtest.h>

#include "figures.h"
#include "match_fixture.h"
#include "rule_notices.h"
#include "rules_view.h"
#include "tallies.h"

namespace {

// Shoot-outs played to the end: throws alternate, five each and then one each;
// they are not the match's goals, and a throw out of turn or after the end
// is flagged.
class ShootOuts : public ::testing::Test, protected ClockedMatch {
 protected:
  void SetUp() override {
    m.team(TeamId::One).name = "A";
    m.team(TeamId::Two).name = "B";
    m.setSettings({{.halfMinutes = 20, .overtime = true}, TimeOutRule::ThreePerMatch});
    m.startClock();
    for (int end : {1200, 2400, 2700, 3000, 3300, 3600}) {
      at(end + paused_ + 1);
      m.togglePause();
      paused_ += 1;
    }
  }
  void shoot(TeamId team, bool goal) {
    ASSERT_TRUE(ClockedMatch::record(team, team == TeamId::One ? 7 : 9,
                                     goal ? Action::Goal : Action::ShotMiss, place::kPenaltyThrow,
                                     goal ? 6 : 1));
  }
  void rounds(const std::string& throws) {  // "AgBm": team then g or m
    for (size_t i = 0; i + 1 < throws.size(); i += 2)
      shoot(throws[i] == 'A' ? TeamId::One : TeamId::Two, throws[i + 1] == 'g');
  }
  std::vector<std::string> notices() {
    std::vector<std::string> texts;
    for (const RuleNotice& n : ruleNotices(m)) texts.push_back(n.text);
    return texts;
  }
  double paused_ = 0;
};

TEST_F(ShootOuts, DecidedAfterFiveRounds) {
  ASSERT_TRUE(m.clock().inShootOut());
  EXPECT_EQ(rulesView(m).period, "7mTC 0-0");
  rounds(
      "AgBg"
      "AgBg"
      "AgBm"
      "AmBg"
      "AgBm");
  EXPECT_TRUE(m.matchOver());
  EXPECT_EQ(shootOutText(shootOut(m)), "(7mTC 4-3)");
  EXPECT_EQ(rulesView(m).period, "7mTC 4-3");
  EXPECT_EQ(m.score(TeamId::One), 0);
  EXPECT_EQ(m.events().back().period, Periods::kShootOut);
  EXPECT_EQ(m.events().back().clockSeconds, 3600);
  // The saved tables count each throw as recorded; the figures do not.
  EXPECT_EQ(countEvents(m).team(TeamId::One).person(Tally::Goal, 7), 4);
  const MatchFigures f = matchFigures(m);
  EXPECT_EQ(f.team(TeamId::One).goals, 0);
  EXPECT_EQ(f.team(TeamId::One).shots.total.shots, 0);
  EXPECT_TRUE(f.scoreFlow.empty());
  ASSERT_EQ(f.halves.size(), 7u);
  EXPECT_EQ(f.halves.back().period, Periods::kShootOut);
  EXPECT_EQ(f.halves.back().score, (Score{4, 3}));
  EXPECT_EQ(goalsOverShots(f.halves.back().team(TeamId::Two)), "3/5");
  EXPECT_TRUE(notices().empty());
  shoot(TeamId::Two, true);
  EXPECT_EQ(notices(), std::vector<std::string>{"B: 7mTC 決着後の投球"});
}

TEST_F(ShootOuts, DecidedAfterSevenRoundsWithAThrowOutOfTurn) {
  rounds(
      "BgAg"
      "BmAm"
      "BgAg"
      "BgAg"
      "BmAm");
  EXPECT_FALSE(m.matchOver());  // 3-3 after five each
  rounds("AgBg");               // A threw first though B began
  EXPECT_FALSE(m.matchOver());
  rounds("BgAm");
  EXPECT_TRUE(m.matchOver());
  EXPECT_EQ(shootOutText(shootOut(m)), "(7mTC 4-5)");
  EXPECT_EQ(notices(), std::vector<std::string>{"A: 7mTC 順番違い (交互に投げる)"});
}

// Over as soon as the other team cannot catch up in its throws left.
TEST(ShootOut, DecidedOnceOutOfReach) {
  auto decided = [](std::array<int, 2> throws, std::array<int, 2> goals) {
    ShootOut s;
    s.throws = throws;
    s.goals = goals;
    return s.decided();
  };
  EXPECT_FALSE(decided({3, 2}, {3, 0}));  // 3-0, two throws left to the second
  EXPECT_TRUE(decided({3, 3}, {3, 0}));   // out of reach with two left
  EXPECT_FALSE(decided({4, 4}, {3, 2}));
  EXPECT_TRUE(decided({5, 4}, {2, 4}));   // the first cannot catch up
  EXPECT_FALSE(decided({6, 5}, {5, 4}));  // sudden death waits for the reply
  EXPECT_FALSE(decided({6, 6}, {5, 5}));
  EXPECT_TRUE(decided({6, 6}, {5, 4}));
}

}  // namespace
