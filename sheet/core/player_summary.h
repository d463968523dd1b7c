// The player summary of the ".xls" list file: per team a table of counts per
// person with totals and contribution scores, and beside it a short form of
// both event logs.
#pragma once

#include "match_model.h"

// 2 x goals - shot misses - keep misses + penalty throws won - warnings
// - 2 x suspensions - 3 x disqualifications; time-outs count nothing.
int32_t contributionScore(const TeamTally& tally, int slot);

// Recomputes kind 8 (contribution) and slot 15 (team total) of both team
// tallies from zero and fills m.sheet.playerSummary. The title cells (0, 0),
// (0, 2) and (0, 20) are left to the caller.
void buildPlayerSummary(MatchModel& m);
