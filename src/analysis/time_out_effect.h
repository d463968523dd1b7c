// The time-out effect: for each team time-out, the goals for and against
// the team that took it in the five minutes of play before and after it.
// Before: goals from five minutes earlier up to the time-out's time,
// recorded before it; after: goals recorded after it, up to five minutes
// later. A goal at the time-out's very second goes by the recorded order.
#pragma once

#include <vector>

#include "words.h"

class Match;

inline constexpr int kTimeOutWindowSeconds = 5 * 60;

struct TimeOutEffect {
  TeamId team = TeamId::One;  // the team that took it
  int clockSeconds = 0;
  int goalsForBefore = 0;
  int goalsAgainstBefore = 0;
  int goalsForAfter = 0;
  int goalsAgainstAfter = 0;
};

// In recorded order, both teams' time-outs.
std::vector<TimeOutEffect> timeOutEffects(const Match& match);
