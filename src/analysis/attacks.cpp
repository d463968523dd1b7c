#include "attacks.h"

#include "figures.h"

std::optional<double> AttackFigures::goalsPerAttack() const {
  if (attacks() == 0) return std::nullopt;
  return static_cast<double>(goals) / attacks();
}

std::optional<double> AttackFigures::lostPerAttack() const {
  if (attacks() == 0) return std::nullopt;
  return static_cast<double>(lost) / attacks();
}

AttackFigures attackFigures(const TeamFigures& team) {
  return {team.shots.total.goals, team.shots.total.misses(), team.lost};
}
