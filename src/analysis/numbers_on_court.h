// Numbers on court: each event's situation, equal numbers, superiority or
// inferiority, from the suspensions running at its time (the model's
// suspensions.h: one person's suspensions run one after another), and what
// each team did in each situation; and the goals for and against during
// each suspension.
//
// A suspension keeps its team short in [start, end) of play: an event at
// the very second it was given already counts short (the suspension itself
// too), an event at the second it ends no longer does. The players on court
// are seven less the persons suspended; the situation compares the two
// teams' players. Completed events only; time-outs count as events too, so
// the situations sum to the team's events.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "event.h"
#include "shot_count.h"
#include "suspensions.h"
#include "words.h"

class Match;

enum class Situation : int { Equal = 0, Superiority = 1, Inferiority = 2 };
inline constexpr int kSituations = 3;
inline constexpr std::array<std::string_view, kSituations> kSituationNames = {"同数", "数的優位",
                                                                              "数的不利"};

struct SituationFigures {
  int32_t events = 0;  // every completed event of the team in the situation
  ShotCount shots;     // goals and shots
  int32_t lost = 0;    // lost possessions
  int32_t attacks() const { return shots.shots + lost; }
  // Efficiency: goals per attack (goals + missed shots + lost possessions).
  std::optional<double> efficiency() const;
};

struct SuspensionEffect {
  SuspensionStretch stretch;  // the team and person suspended, the time
  int32_t goalsFor = 0;       // goals of the team short
  int32_t goalsAgainst = 0;   // goals of the other team
};

struct NumbersOnCourt {
  // [team][situation], the situation as seen by that team.
  std::array<std::array<SituationFigures, kSituations>, kTeams> teams{};
  std::vector<SuspensionEffect> suspensions;  // team 1's, then team 2's, person by person

  const SituationFigures& of(TeamId t, Situation s) const {
    return teams[teamIndex(t)][static_cast<int>(s)];
  }
};

// The team's situation at a time of play, given both teams' stretches.
Situation situationAt(const std::array<std::vector<SuspensionStretch>, kTeams>& stretches,
                      TeamId team, int seconds);
NumbersOnCourt numbersOnCourt(const Match& match);
