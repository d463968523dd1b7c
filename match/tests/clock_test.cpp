#include "clock.h"

#include <gtest/gtest.h>

namespace {
constexpr double kSecond = 1.0 / 86400.0;
}

TEST(MatchClock, HoursAreCutOff) {
  EXPECT_EQ(clockText(0), "00:00");
  EXPECT_EQ(clockText((3600 + 2 * 60 + 5) * kSecond), "02:05");
  EXPECT_EQ(clockText(59 * 60 * kSecond + 59 * kSecond), "59:59");
}

TEST(MatchClock, PlayingTimeLessPauses) {
  const double start = 10 * 3600 * kSecond;
  const double now = start + 600 * kSecond;
  EXPECT_EQ(clockText(playingTime(now, start, 75 * kSecond)), "08:45");
}

TEST(MatchClock, MatchPastMidnightKeepsCounting) {
  const double start = (23 * 3600 + 50 * 60) * kSecond;  // 23:50
  const double now = (0 * 3600 + 5 * 60) * kSecond;      // 00:05 next day
  EXPECT_EQ(clockText(playingTime(now, start, 0)), "15:00");
}
