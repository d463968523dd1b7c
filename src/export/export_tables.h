// The three tables a save writes, built from the match and never changing it.
//  - The shot table ("-shot-.xls"): per player and per team, goals over shots
//    by court place and goal zone; to the right, each team's lost
//    possessions by player and kind.
//  - The event-log table ("-table-.xls"): both teams' logs side by side.
//  - The player table (".xls"): per person the counts and a contribution
//    score, and a short form of both logs.
#pragma once

#include "match.h"
#include "text_table.h"

TextTable shotTable(const Match& m);
TextTable eventLogTable(const Match& m);
TextTable playerTable(const Match& m);

// Lines of the event-log and player files: 201, or as many more as it takes
// for the longest log, so that no recorded event is ever left out of a file.
int logFileLineCount(const Match& m);
