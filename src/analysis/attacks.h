// Attacks and efficiency per team: attacks counted as goals + missed shots
// + lost possessions (7 m throws included, as shots). An attack that goes on
// after an offensive rebound or a 7 m throw won is counted once per shot, so
// the count runs over the attacks played by those.
#pragma once

#include <cstdint>
#include <optional>

struct TeamFigures;

struct AttackFigures {
  int32_t goals = 0;
  int32_t missedShots = 0;
  int32_t lost = 0;

  int32_t attacks() const { return goals + missedShots + lost; }
  std::optional<double> goalsPerAttack() const;
  std::optional<double> lostPerAttack() const;
};

AttackFigures attackFigures(const TeamFigures& team);
