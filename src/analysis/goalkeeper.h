// The goalkeeper's view of one goal, from the shots of the team attacking it.
#pragma once

#include "figures.h"

struct TeamTallies;

GoalkeeperFigures goalkeeperFigures(const TeamTallies& attackers);

// Zones 2..10: the three columns of three inside the goal.
inline bool onTarget(int zone) {
  return zone >= 2 && zone <= kGoalZones - 1;
}
