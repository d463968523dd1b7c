// The court dialog's part of an event: where it happened and, for goals and
// shot misses, the goal zone; its correction takes back the last step.
#pragma once

#include <string>

#include "match_model.h"

void createCourtDialog(MatchModel& m);

void setZoneButtons(MatchModel& m, bool enabled);
void setLocationButtons(MatchModel& m, bool enabled);

// A location (1..10) or the bench (11).
void pickCourtLocation(MatchModel& m, const std::string& text, int code);
// A goal zone 1..11: finishes the row and counts the shot.
void pickGoalZone(MatchModel& m, const std::string& text, int code);

// Takes back the action written on the match window, with its counts.
// Throws ConversionError, changing nothing, when a goal's roster cell or the
// score is not a whole number.
void undoAction(MatchModel& m);
// "修正" on the court dialog.
void correctCourtStep(MatchModel& m);
