// The shot table of the "-shot-.xls" file: per player line and per team,
// goals over shots by court location and goal zone, and to the right each
// team's keep misses by player and kind.
#pragma once

#include "export_heads.h"
#include "match_model.h"

// Recomputes the total slots of goalTally, shotMissTally and keepMissTally
// from zero (so saving twice gives the same numbers) and fills
// m.sheet.shotTable, rows 1 to 391 and columns 0 to 22. Cell (0, 0), the
// title, is left to the caller.
void buildShotTable(MatchModel& m, const ExportHeads& heads);
