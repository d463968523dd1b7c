// What the edit window "記録の修正" offers for an event of a team: the
// persons of the roster as it stands, for each choice only what the next
// step of entering an event would have offered after it, and the halves a
// time can lie in.
#pragma once

#include <string>
#include <vector>

#include "event_draft.h"
#include "match.h"

// One entry of a list: the code it records and what it reads.
struct EditChoice {
  int code = 0;
  std::string caption;
  bool operator==(const EditChoice&) const = default;
};

// The official ("監督 田中") and the 14 players by shirt number and name
// ("4 伊藤"), a line with neither as "3行"; codes are the slots.
std::vector<EditChoice> personChoices(const Match& m, TeamId team);
// The actions the person of `slot` may take: the official only a time-out
// or a foul. Codes are action codes.
std::vector<EditChoice> actionChoices(int slot);
// The court places, or the bench alone for a time-out.
std::vector<EditChoice> placeChoices(Action a);
// The goal zones of a shot, or the action's own list of details.
std::vector<EditChoice> detailChoices(Action a);
// The halves (and periods of overtime) time `seconds` can lie in: one, or
// two at the end of a half, where the clock stops and the next one starts.
// Codes are period numbers.
std::vector<EditChoice> periodChoices(const Periods& p, int seconds);
