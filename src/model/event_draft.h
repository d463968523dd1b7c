// An event as the edit window shows it, before it goes into a team's log:
// the person by roster slot, the time and what happened. The edit window
// offers only what entering an event offers, and this says what that is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "event.h"

struct EventDraft {
  int slot = 1;
  int clockSeconds = 0;
  Action action = Action::Goal;
  int place = 0;
  int detail = 0;
  // The half (3 to 6: overtime) when the time could end one and start the
  // next, as 30:00 can; 0, or a half the time is not in, means the one the
  // time falls in.
  int period = 0;
  EventFacts facts;  // those that do not fit the action are left out
  bool operator==(const EventDraft&) const = default;
};

EventDraft draftOf(const Event& e);

// The latest time the edit window takes, "99:59".
inline constexpr int kLatestEditSeconds = 99 * 60 + 59;

// Why entering an event could not have given this, for the error box; empty
// when it could.
std::string draftProblem(const EventDraft& d);

// The seconds of a time typed as "mm:ss", 00:00 to 99:59; nothing for any
// other text.
std::optional<int> parseClockText(std::string_view text);
inline constexpr std::string_view kClockTextRule =
    "時間は 00:00 から 99:59 までの mm:ss で入力してください";
