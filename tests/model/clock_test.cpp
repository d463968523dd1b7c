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
  clock.start((23 * 3600 + 30 * 60) * kSecond);
  clock.togglePause((23 * 3600 + 50 * 60) * kSecond);
  clock.togglePause((60) * kSecond);  // 00:01 next day: eleven minutes paused
  EXPECT_EQ(clock.shownText(), "20:00");
}

// Seconds of play at a time of day in seconds, for a clock started at 0.
class Halves : public ::testing::Test {
 protected:
  void at(int seconds) { clock.tick(seconds * kSecond); }
  void toggleAt(int seconds) { clock.togglePause(seconds * kSecond); }
  MatchClock clock;
};

TEST_F(Halves, TheClockStopsAtTheEndOfAHalfAndTheNextStartsFromThere) {
  clock.start(0);
  at(1799);
  EXPECT_EQ(clock.shownText(), "29:59");
  at(1802);  // the tick came late: still exactly 30:00
  EXPECT_EQ(clock.shownText(), "30:00");
  EXPECT_TRUE(clock.periodOver());
  EXPECT_FALSE(clock.ticking());
  EXPECT_EQ(clock.period(), 1);
  at(2400);  // half-time
  EXPECT_EQ(clock.shownText(), "30:00");
  toggleAt(2700);
  EXPECT_EQ(clock.period(), 2);
  EXPECT_EQ(clock.shownText(), "30:00");
  at(2765);
  EXPECT_EQ(clock.shownText(), "31:05");
}

TEST_F(Halves, PauseAndContinueAcrossTheEndOfAHalf) {
  clock.start(0);
  toggleAt(1790);  // paused at 29:50
  toggleAt(1900);
  at(1905);
  EXPECT_EQ(clock.shownText(), "29:55");
  at(1920);
  EXPECT_EQ(clock.shownText(), "30:00");
  EXPECT_EQ(clock.period(), 1);
  toggleAt(2000);
  at(2001);
  EXPECT_EQ(clock.shownText(), "30:01");
}

TEST_F(Halves, OvertimeAndTheEndOfTheMatch) {
  clock.setPeriods({.halfMinutes = 20, .overtime = true});
  clock.start(0);
  at(1200);
  toggleAt(1200);
  at(2400);
  EXPECT_EQ(clock.period(), 2);
  EXPECT_TRUE(clock.periodOver());
  toggleAt(2400);
  at(2700);
  EXPECT_EQ(clock.shownText(), "45:00");  // first overtime: five minutes
  toggleAt(2700);
  at(3100);
  EXPECT_EQ(clock.shownText(), "50:00");
  EXPECT_TRUE(clock.matchOver());
  toggleAt(3200);  // nothing left to play
  EXPECT_FALSE(clock.ticking());
  EXPECT_EQ(clock.shownText(), "50:00");
}

TEST_F(Halves, NudgesMoveTheClockWithinItsHalf) {
  clock.start(0);
  at(600);
  clock.nudge(600 * kSecond, -10);
  EXPECT_EQ(clock.shownText(), "09:50");
  at(601);
  EXPECT_EQ(clock.shownText(), "09:51");  // and it runs on from there
  clock.nudge(601 * kSecond, +1);
  EXPECT_EQ(clock.shownText(), "09:52");
  clock.setTo(601 * kSecond, 5000);  // past the half: kept at its end
  EXPECT_EQ(clock.shownText(), "30:00");
  clock.setTo(601 * kSecond, -5);
  EXPECT_EQ(clock.shownText(), "00:00");
  toggleAt(700);  // paused at 01:39
  clock.nudge(800 * kSecond, +10);
  EXPECT_EQ(clock.shownText(), "01:49");
  toggleAt(900);
  at(901);
  EXPECT_EQ(clock.shownText(), "01:50");
}
