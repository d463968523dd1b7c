// The four detail dialogs that complete an event: keep-miss kind,
// penalty-throw reason, sanction and score situation.
#pragma once

#include <functional>
#include <string>

#include "match_model.h"

// Writes `text` as the last cell of the row, finishes it, lets `count` add
// the dialog's own counting, hides `dialog` and hands control back to the
// match window.
void recordDetail(MatchModel& m, Window dialog, const std::string& text,
                  const std::function<void()>& count = {});

void pickKeepMiss(MatchModel& m, const std::string& text, int kind);
void pickPenaltyReason(MatchModel& m, const std::string& text);
// Throws ConversionError, changing nothing, when the roster's sanction cell
// is not a whole number.
void pickSanction(MatchModel& m, const std::string& text, int sanction);
void pickSituation(MatchModel& m, const std::string& text);

// "修正" of a detail dialog: back to the court dialog for the location.
void correctDetail(MatchModel& m, Window dialog);

// Whether an open event can only go on through window `w`; its close box
// then leaves it open.
bool windowNeededByOpenEvent(const MatchModel& m, Window w);
// The close box of `w`: hides it unless the open event needs it.
bool requestClose(MatchModel& m, Window w);
