#include <gtest/gtest.h>

#include "match_clock.h"

namespace {
constexpr double kSecond = 1.0 / 86400.0;

std::string shownAt(double days) {
  return clockText(wholeSecondsOfDay(days));
}
}  // namespace

TEST(MatchClock, MinutesCountOnPastTheHour) {
  EXPECT_EQ(shownAt(0), "00:00");
  EXPECT_EQ(shownAt(59 * 60 * kSecond + 59 * kSecond), "59:59");
  EXPECT_EQ(shownAt((3600 + 7) * kSecond), "60:07");
  EXPECT_EQ(shownAt((3600 + 2 * 60 + 5) * kSecond), "62:05");
  EXPECT_EQ(clockText(75 * 60), "75:00");
  EXPECT_EQ(logTimeText(12 * 60 + 34), "12：34");
  EXPECT_EQ(logTimeText(60 * 60 + 7), "60：07");
}

TEST(MatchClock, PlayingTimeLessPauses) {
  const double start = 10 * 3600 * kSecond;
  const double now = start + 600 * kSecond;
  EXPECT_EQ(shownAt(playingTime(now, start, 75 * kSecond)), "08:45");
}

TEST(MatchClock, MatchPastMidnightKeepsCounting) {
  const double start = (23 * 3600 + 50 * 60) * kSecond;  // 23:50
  const double now = (0 * 3600 + 5 * 60) * kSecond;      // 00:05 next day
  EXPECT_EQ(shownAt(playingTime(now, start, 0)), "15:00");
}

TEST(MatchClock, PanelMovesOnlyAtTicksAndRestarts) {
  MatchClock clock;
  EXPECT_FALSE(clock.ticking());
  clock.start(100 * kSecond);
  EXPECT_TRUE(clock.ticking());
  EXPECT_EQ(clock.shownText(), "00:00");  // not before the first tick
  clock.tick(165 * kSecond);
  EXPECT_EQ(clock.shownText(), "01:05");
  clock.togglePause(170 * kSecond);
  EXPECT_FALSE(clock.ticking());
  clock.togglePause(200 * kSecond);  // 30 s paused; the panel catches up at once
  EXPECT_EQ(clock.shownText(), "01:10");
}

TEST(MatchClock, PauseAcrossMidnightCountsAsPaused) {
  MatchClock clock;
  clock.start((23 * 3600) * kSecond);
  clock.togglePause((23 * 3600 + 59 * 60) * kSecond);
  clock.togglePause((60) * kSecond);  // 00:01 next day: two minutes paused
  EXPECT_EQ(clock.shownText(), "59:00");
}
