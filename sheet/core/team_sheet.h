// The team sheet's part of the match: the roster heads, carrying the roster
// to the match window, and the one-shot splash timer.
#pragma once

#include "match_model.h"

void createTeamSheet(MatchModel& m);
void carryRosterToMatchWindow(MatchModel& m);
void finishInput(MatchModel& m);      // "入力終了" / "画面切り替え"
void splashTimerTick(MatchModel& m);  // shows the splash once
void closeSplash(MatchModel& m);
