#include "goalkeeper.h"

#include "tallies.h"

GoalkeeperFigures goalkeeperFigures(const TeamTallies& attackers) {
  GoalkeeperFigures g;
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    for (int place = 1; place <= kCourtPlaces; ++place)
      for (int zone = 1; zone <= kGoalZones; ++zone) {
        const int32_t goals = attackers.goals[slot][place][zone];
        const int32_t misses = attackers.shotMisses[slot][place][zone];
        if (!onTarget(zone)) {
          g.wide += misses;
          continue;
        }
        const SaveCount shots{goals + misses, misses};
        g.byZone[zone] += shots;
        g.total += shots;
        if (place == place::kPenaltyThrow) {
          g.penaltyByZone[zone] += shots;
          g.penalty += shots;
        }
      }
  return g;
}
