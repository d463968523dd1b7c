#include "match_state.h"

void MatchState::resetTallies() {
  goalTally.flat().fill(0);
  shotMissTally.flat().fill(0);
  for (int team = 1; team <= 2; ++team)
    for (int slot = 1; slot <= codes::kTotalSlot; ++slot)
      for (int kind = 1; kind <= codes::kKeepMissKinds; ++kind)
        keepMissTally.at(team, slot, kind) = 0;
  team1Tally.flat().fill(0);
  team2Tally.flat().fill(0);
}
