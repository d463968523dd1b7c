// The event-log table of the "-table-.xls" file: both teams' logs side by
// side, team 1 in columns 0 to 6 and team 2 in columns 7 to 13, log row j in
// table row j + 2.
#pragma once

#include "match_model.h"

// Fills m.sheet.eventLogTable from row 2 down; the title cells (0, 0), (0, 1)
// and (7, 1) are left to the caller. Event times gain the edit2 prefix.
void buildEventLogTable(MatchModel& m);
