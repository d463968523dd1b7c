// A team's event log as the match window and the saved tables show it: one
// row per recorded event in order, then the row of the event being entered
// with the cells its stage has reached.
#pragma once

#include <vector>

#include "event.h"

class Match;

std::vector<LogRow> eventLog(const Match& match, TeamId team);
