// Where events lie in a video of the match: a match recorded live and tied
// to its video afterwards, and a match recorded from the video, its clock
// following the picture.
#include "video_sync.h"

#include <gtest/gtest.h>

#include "event_editor.h"
#include "match_fixture.h"

namespace {

constexpr double kKickOff = 18 * 3600;  // 18:00, seconds of the day

double videoOf(const Match& m, const Event& e) {
  return videoPositionOf(e, m.video(), m.clockRuns()).value_or(-1);
}

// A live match: play, a pause, a nudge of the clock, half-time, the second
// half; a goal picked in each stretch.
struct LiveMatch : ClockedMatch {
  LiveMatch() {
    fillRoster(TeamId::One, 1);
    fillRoster(TeamId::Two, 20);
    at(kKickOff);
    m.startClock();
    at(kKickOff + 100);  // 01:40
    record(TeamId::One, 3, Action::Goal, 4, 1);
    at(kKickOff + 130);
    m.togglePause();  // a pause of a minute at 02:10
    at(kKickOff + 190);
    m.togglePause();
    at(kKickOff + 250);  // 03:10
    record(TeamId::Two, 5, Action::Goal, 4, 1);
    m.nudgeClock(-10);   // the hall clock read 03:00
    at(kKickOff + 270);  // 03:20 on the clock
    record(TeamId::One, 4, Action::Goal, 4, 1);
    at(kKickOff + 2000);  // the half ended at 30:00, 18:31:10
    at(kKickOff + 2600);  // a break of ten minutes
    m.togglePause();
    at(kKickOff + 2900);  // 35:00
    record(TeamId::Two, 6, Action::Goal, 4, 1);
  }
};

TEST(VideoSync, ALiveMatchTiedAtTheKickOffFollowsTheRealTimeThroughPauses) {
  LiveMatch g;
  const Match& m = g.m;
  ASSERT_EQ(m.events().size(), 4u);
  VideoLink v{"m.mp4"};
  setSyncPoint(v, kickOffMoment(m.clockRuns()), 42.0);
  g.m.setVideo(v);
  // Each goal where it happened in a video that ran on: 42 s + the real time.
  const double expected[] = {42 + 100, 42 + 250, 42 + 270, 42 + 2900};
  for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(videoOf(m, m.events()[i]), expected[i], 1e-3) << i;
  // Put in afterwards, with no time of day: the clock's runs place it, at
  // 02:30 on the clock 20 s after the pause.
  EventEditor(g.m).insertBefore(TeamId::One, 0, {2, 150, Action::Goal, 4, 1});
  const Event& inserted = m.teamEvent(TeamId::One, 0);
  EXPECT_LT(inserted.pickedAt, 0);
  EXPECT_NEAR(videoOf(m, inserted), 42 + 190 + 20, 1e-3);
  // A mended time moves its moment with it.
  EventDraft later = draftOf(m.teamEvent(TeamId::One, 1));
  later.clockSeconds += 4;
  EventEditor(g.m).replace(TeamId::One, 1, later);
  EXPECT_NEAR(videoOf(m, m.teamEvent(TeamId::One, 1)), 42 + 104, 1e-3);
}

TEST(VideoSync, APickJustAfterMidnightMendedEarlierIsPlacedByTheClock) {
  ClockedMatch g;
  g.fillRoster(TeamId::One, 1);
  g.at(10);  // 00:00:10
  g.m.startClock();
  g.m.setClock(20 * 60);
  g.at(15);
  g.record(TeamId::One, 3, Action::Goal, 4, 1);
  EventDraft earlier = draftOf(g.m.events()[0]);
  earlier.clockSeconds = 5 * 60;  // 15 minutes before a pick at 00:00:15
  EventEditor(g.m).replace(TeamId::One, 0, earlier);
  const Event& mended = g.m.events()[0];
  EXPECT_EQ(mended.pickedAt, -1);
  VideoLink v{"m.mp4"};
  setSyncPoint(v, kickOffMoment(g.m.clockRuns()), 30);
  g.m.setVideo(v);
  // No run covers 05:00, so it goes by match time from the kick-off.
  EXPECT_NEAR(videoOf(g.m, mended), 30 + 300, 1e-3);
}

TEST(VideoSync, APointAtAnEventAndASecondForAVideoCutAtHalfTime) {
  LiveMatch g;
  const Match& m = g.m;
  VideoLink v{"m.mp4"};
  // "This goal is here": the second goal seen at 10:00 of the video.
  setSyncPoint(v, momentOf(m.events()[1], m.clockRuns()), 600);
  g.m.setVideo(v);
  EXPECT_NEAR(videoOf(m, m.events()[0]), 600 - 150, 1e-3);
  EXPECT_NEAR(videoOf(m, m.events()[3]), 600 - 250 + 2900, 1e-3);
  // The break cut out: the second half starts at 40:00 of the video.
  setSyncPoint(v, periodStartMoment(2, m.settings().periods, m.clockRuns()), 2400);
  g.m.setVideo(v);
  EXPECT_NEAR(videoOf(m, m.events()[3]), 2400 + 300, 1e-3);
  EXPECT_NEAR(videoOf(m, m.events()[2]), 600 + 20, 1e-3);  // the first half keeps its point

  // A file kept before times of day were: by match time from the point.
  MatchState old = m.state();
  old.clockRuns.clear();
  for (Event& e : old.events) e.pickedAt = -1;
  Match without;
  without.restore(old);
  VideoLink byTime{"m.mp4"};
  setSyncPoint(byTime, momentOf(without.events()[1], without.clockRuns()), 600);
  EXPECT_NEAR(videoPositionOf(without.events()[0], byTime, {}).value(), 600 - 90, 1e-3);
}

TEST(VideoSync, RecordedFromTheVideoTheClockFollowsIt) {
  ClockedMatch g;
  g.fillRoster(TeamId::One, 1);
  Match& m = g.m;
  g.at(kKickOff);
  VideoLink v{"m.mp4"};
  v.clockFollows = true;
  setSyncPoint(v, kickOffMoment({}), 30);  // the kick-off is at 00:30 of the video
  m.setVideo(v);
  m.videoAt(20, true);
  EXPECT_FALSE(m.clock().started());  // before the kick-off
  m.videoAt(95.5, true);
  EXPECT_TRUE(m.clock().ticking());
  EXPECT_EQ(m.clock().shownSeconds(), 65);
  g.at(kKickOff + 1);  // the wall clock alone does not move it once the video pauses
  m.videoAt(96, false);
  g.at(kKickOff + 5);
  EXPECT_EQ(m.clock().shownSeconds(), 66);
  EXPECT_FALSE(m.clock().ticking());
  ASSERT_TRUE(g.record(TeamId::One, 3, Action::Goal, 4, 1));
  EXPECT_EQ(m.events().back().clockSeconds, 66);
  EXPECT_DOUBLE_EQ(m.events().back().videoAt, 96);
  // Slow motion and seeking back move the clock with the picture.
  m.videoAt(50, true);
  EXPECT_EQ(m.clock().shownSeconds(), 20);
  // The nudge moves the tie, not the picture: 00:20 becomes 00:25 here and after.
  m.nudgeClock(5);
  EXPECT_EQ(m.clock().shownSeconds(), 25);
  m.videoAt(60, false);
  EXPECT_EQ(m.clock().shownSeconds(), 35);
  m.setClock(40);
  EXPECT_EQ(m.clock().shownSeconds(), 40);
  // The second half marked: the clock goes on from 30:00 there, not before.
  VideoLink halves = m.video();
  setSyncPoint(halves, periodStartMoment(2, m.settings().periods, {}), 2500);
  m.setVideo(halves);
  m.videoAt(2400, false);
  EXPECT_EQ(m.clock().period(), 1);
  EXPECT_EQ(m.clock().shownSeconds(), 1800);  // the first half's end, however long the break
  m.videoAt(2510, true);
  EXPECT_EQ(m.clock().period(), 2);
  EXPECT_EQ(m.clock().shownSeconds(), 1810);
}

}  // namespace
