// How the match is played: the length of its halves, overtime, and which
// rule limits the team time-outs. Set before the match and kept with it.
#pragma once

#include "periods.h"

enum class TimeOutRule {
  // At most three in the match, two in a half, one in the last five minutes.
  ThreePerMatch,
  // One in each half.
  OnePerHalf,
};

struct MatchSettings {
  Periods periods;
  TimeOutRule timeOutRule = TimeOutRule::ThreePerMatch;
  bool operator==(const MatchSettings&) const = default;
};
