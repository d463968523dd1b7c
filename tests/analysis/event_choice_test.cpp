// The events chosen to watch on the match's video, and their clips.
#include "event_choice.h"

#include <gtest/gtest.h>

#include "event_editor.h"
#include "match_fixture.h"
#include "video_sync.h"

namespace {

constexpr double kKickOff = 18 * 3600;  // 18:00, seconds of the day

// A playlist's choice by team, person, action, zone, attack and shot group,
// and the clips' spans and names.
TEST(EventChoice, ChosenEventsPlayInMatchOrderFromTheLeadToTheTail) {
  ClockedMatch g;
  g.fillRoster(TeamId::One, 1);
  g.fillRoster(TeamId::Two, 20);
  g.at(kKickOff);
  g.m.startClock();
  g.at(kKickOff + 2);  // 00:02: the lead is cut at the video's start
  g.record(TeamId::One, 3, Action::Goal, place::kLeftWing, 2);
  g.at(kKickOff + 60);
  g.record(TeamId::One, 3, Action::ShotMiss, 7, 6);  // centre back, middle zone
  EventFacts fastBreak;
  fastBreak.attack = AttackKind::FastBreak;
  ASSERT_TRUE(g.m.setLastFacts(fastBreak));
  g.at(kKickOff + 90);
  g.record(TeamId::Two, 5, Action::Goal, 7, 6);
  g.at(kKickOff + 120);
  g.record(TeamId::One, 4, Action::KeepMiss, 7, 1);
  ASSERT_TRUE(g.m.setLastFacts(fastBreak));
  g.at(kKickOff + 150);
  g.record(TeamId::One, 4, Action::Goal, 7, 6);
  // Put in afterwards at 00:30: it plays in its place, not last.
  EventEditor(g.m).insertBefore(TeamId::One, 1, {1, 30, Action::Goal, place::kLeftWing, 6});
  const Match& m = g.m;

  auto slotsOf = [&](const EventChoice& c) {
    std::vector<int> clocks;
    for (size_t i : chosenEvents(m, c)) clocks.push_back(m.events()[i].clockSeconds);
    return clocks;
  };
  EventChoice c;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{2, 30, 60, 120, 150}));
  c.action = ActionChoice::Shots;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{2, 30, 60, 150}));
  c.zone = 6;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{30, 60, 150}));
  c.group = ShotGroup::Wing;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{30}));
  // A fast break: the missed shot and the lost possession, not the goals.
  c = {};
  c.attack = AttackKind::FastBreak;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{60, 120}));
  c.slot = 4;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{120}));
  c = {};
  c.team = TeamId::Two;
  c.action = ActionChoice::Goal;
  EXPECT_EQ(slotsOf(c), (std::vector<int>{90}));

  const std::vector<size_t> every = chosenEvents(m, {});
  EXPECT_TRUE(eventClips(m, every).empty()) << "no sync point yet";
  VideoLink v{"m.mp4"};
  setSyncPoint(v, kickOffMoment(m.clockRuns()), 1.0);
  g.m.setVideo(v);
  const std::vector<EventClip> clips = eventClips(m, every);
  ASSERT_EQ(clips.size(), 5u);
  EXPECT_DOUBLE_EQ(clips[0].from, 0.0);
  EXPECT_NEAR(clips[0].to, 1 + 2 + 3, 1e-3);
  EXPECT_NEAR(clips[1].from, 1 + 30 - 5, 1e-3);
  EXPECT_NEAR(clips[4].to, 1 + 150 + 3, 1e-3);
  EXPECT_EQ(clips[0].name, "01 前半 00-02 " + m.team(TeamId::One).name + " 4 得点");
  EXPECT_EQ(clips[3].name, "04 前半 02-00 " + m.team(TeamId::One).name + " 5 保持ミス");
  EXPECT_EQ(clips[3].caption, m.team(TeamId::One).name + " 02：00 5 保持ミス センター パス");
}

}  // namespace
