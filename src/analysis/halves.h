// The figures of each half played: both teams' shots and goals in it and
// the score at its end. Completed events only, each in the half it was
// recorded in, whatever its time says.
#pragma once

#include <array>
#include <vector>

#include "score_flow.h"
#include "shot_count.h"
#include "words.h"

class Match;

struct HalfFigures {
  int period = 1;                       // 1, 2; 3 to 6 overtime; 7 the shoot-out
  std::array<ShotCount, kTeams> shots;  // by team: the half's shots and goals
  Score score;                          // at the end of the half, halves before included

  const ShotCount& team(TeamId t) const { return shots[teamIndex(t)]; }
};

// The two halves always, then each half of overtime once it has been
// reached: it holds an event, a later half does, or the clock has got there;
// last the shoot-out once a throw was taken, its score its own.
std::vector<HalfFigures> halfFigures(const Match& match);
