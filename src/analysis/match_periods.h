// The match in stretches of ten minutes (0-10 ... 50-60), or of five
// minutes for halves under 30 minutes, then each period of overtime: goals,
// shots and lost possessions per team.
//
// Each completed event falls in exactly one stretch, so the stretches sum
// to the match: within its half (Event::period) by its time of play from
// the half's start, the end of a stretch belonging to it (10:00 is in
// 0-10, 10:01 in 10-20); a time before its half's start goes to the half's
// first stretch, one after its end to the last. An event of overtime goes
// to its period's stretch, whatever its time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shot_count.h"
#include "words.h"

class Match;

struct StretchTeamFigures {
  ShotCount shots;  // goals and shots
  int32_t lost = 0;
};

struct MatchStretch {
  int period = 1;       // 1, 2; 3 to 6 overtime
  int fromSeconds = 0;  // of play, from the match's start
  int toSeconds = 0;
  std::array<StretchTeamFigures, kTeams> teams{};

  // "0-10", "25-30"; the period's word for overtime.
  std::string label() const;
  const StretchTeamFigures& team(TeamId t) const { return teams[teamIndex(t)]; }
};

// The stretches of both halves always, then those of each period of
// overtime reached (an event in it or a later one, or the clock there).
std::vector<MatchStretch> matchStretches(const Match& match);
