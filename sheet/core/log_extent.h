// How far the two event logs reach, which sets how many log rows the table
// and list files hold.
#pragma once

#include "match_model.h"

// Table row r of the event-log table and the player summary holds log row r - 2.
inline constexpr int kLogRowOffset = 2;

// Highest log row of either team holding any text; 0 when only the heads.
int lastFilledLogRow(const MatchModel& m);

// Log rows 0 to this are copied into the event-log table and the player
// summary: 200, or further when a log reaches further.
int lastLogRowToCopy(const MatchModel& m);

// Lines of the table file and the list file: 201 (log rows 0 to 198), or as
// many more as it takes for the last filled log row, so that no recorded
// event is ever left out of a file.
int logFileLineCount(const MatchModel& m);
