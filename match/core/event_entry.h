// The match window's part of recording an event: the clock buttons, the
// person and action buttons, the person correction, and the log cursor rules
// that the dialogs share.
#pragma once

#include <string>

#include "match_model.h"

// Creation of the match window: log heads, flags, button states, cursors.
void createMatchWindow(MatchModel& m);

// Match clock.
void startMatch(MatchModel& m);       // "試合開始"
void clockTick(MatchModel& m);        // one-second refresh
void pauseOrContinue(MatchModel& m);  // "中断/続行"
std::string currentClockText(const MatchModel& m);

void enablePlayerButtons(MatchModel& m);
void disablePlayerButtons(MatchModel& m);
void enableActionButtons(MatchModel& m);  // all six
void disableActionButtons(MatchModel& m);
// All six for a player, only "反則" and "作戦タイム" for the team official.
void enableActionButtonsForSlot(MatchModel& m);

void pickPlayer(MatchModel& m, int team, int slot);
// Throws ConversionError, changing nothing, when a goal meets a roster goal
// cell that is not a whole number.
void recordAction(MatchModel& m, int action);
void undoPlayerPick(MatchModel& m);
void correctPlayerPick(MatchModel& m);  // "修正" on the match window
void showTeamSheet(MatchModel& m);      // "画面切り替え"

// Writes the current cell of the active team's log and moves its cursor on.
void writeLogCell(MatchModel& m, const std::string& text);
// Back to column 0 of a new row; the grid grows and its selection follows.
void finishLogRow(MatchModel& m);
// Takes back the last cell written in the active team's log.
void stepBackLogCell(MatchModel& m);
