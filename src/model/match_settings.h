// How the match is played: the length of its halves, overtime, and which
// rule limits the team time-outs. Set before the match and kept with it.
#pragma once

#include "periods.h"

// Numbers kept in match files: never renumber.
enum class TimeOutRule : int {
  // At most three in the match, two in a half, one in the last five minutes.
  ThreePerMatch = 0,
  // One in each half.
  OnePerHalf = 1,
};

struct MatchSettings {
  Periods periods;
  TimeOutRule timeOutRule = TimeOutRule::ThreePerMatch;
  // A video clip of an event: from this long before its moment to this long
  // after, in seconds.
  int clipLeadSeconds = 5;
  int clipTailSeconds = 3;
  bool operator==(const MatchSettings&) const = default;
};
