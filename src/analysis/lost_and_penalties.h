// Lost possessions by court place, and the 7 m throws won by reason with
// how many became goals, per team.
//
// The 7 m throw that followed a throw won (PT(獲得)) is the same team's
// first 7 m shot (a goal or a miss from place PT) recorded after it and
// before that team's next throw won; a 7 m throw with no throw won before
// it is not matched, and a throw won with none after it stays unthrown.
#pragma once

#include <array>
#include <cstdint>

#include "words.h"

class Match;

struct PenaltyReasonFigures {
  int32_t won = 0;
  int32_t thrown = 0;  // of those, followed by a 7 m throw
  int32_t goals = 0;   // of those, scored
};

struct LostAndPenalties {
  std::array<int32_t, kCourtPlaces + 1> lostByPlace{};                               // [1..10]
  std::array<PenaltyReasonFigures, kPenaltyReasonWords.size()> penaltiesByReason{};  // [1..4]
};

std::array<LostAndPenalties, kTeams> lostAndPenalties(const Match& match);
