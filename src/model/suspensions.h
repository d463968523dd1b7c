// Two-minute suspensions on the clock: each recorded 退場, and each 失格,
// takes the team one short for two minutes of play. The countdowns run only
// while the match clock runs and carry over into the next half, since they
// are counted in playing time from the event's time.
#pragma once

#include <string>
#include <vector>

#include "team_id.h"

class Match;

inline constexpr int kSuspensionSeconds = 120;
inline constexpr int kCourtPlayers = 7;

struct Countdown {
  TeamId team = TeamId::One;
  int slot = 0;
  std::string person;  // shirt number, or "監督" for the official
  int remaining = 0;   // seconds of play
};

// The countdowns of a team still running at the clock's shown time, the
// one ending first first.
std::vector<Countdown> runningCountdowns(const Match& m, TeamId team);
// Players on court: seven less the running countdowns.
int courtPlayers(const Match& m, TeamId team);
