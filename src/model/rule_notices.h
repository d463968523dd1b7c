// Limits of the rules the operator should see: they never block or change
// the recording, they only say that an event went past a limit.
//  - a player's third 退場 or the official's second (a disqualification
//    follows);
//  - a second 警告 for one person, a fourth for the team's players (the
//    official's one is counted apart), or a 警告 after the person's 退場;
//  - team time-outs: any in overtime; under the three-per-match rule more
//    than two in a half, more than three in the match, or a second one in
//    the last five minutes; under the classic rule more than one in a half;
//  - a shoot-out throw out of turn, or after the winner is known.
#pragma once

#include <string>
#include <vector>

#include "team_id.h"

class Match;

struct RuleNotice {
  TeamId team = TeamId::One;
  int clockSeconds = 0;  // of the event that went past the limit
  std::string text;
};

// Every notice of the recorded events, in the order they were recorded.
std::vector<RuleNotice> ruleNotices(const Match& m);
