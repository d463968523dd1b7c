// Two-minute suspensions on the clock: each recorded 退場, and each 失格,
// takes the team one short for two minutes of play. The countdowns run only
// while the match clock runs and carry over into the next half, since they
// are counted in playing time from the event's time.
//
// As the rules apply them (IHF rule 16): one person's suspensions run one
// after another, so two given together keep the team one short for four
// minutes, not two short for two; a 退場 and a 失格 of one person at the
// same time of play are one suspension of two minutes (the third 退場 and
// the disqualification it brings); a person's running suspensions show as
// one countdown to the end of the last.
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

// The countdowns of a team still running at the clock's shown time, one
// for each person, the one ending first first.
std::vector<Countdown> runningCountdowns(const Match& m, TeamId team);
// Players on court: seven less the persons whose suspensions run.
int courtPlayers(const Match& m, TeamId team);

// One person's time keeping the team one short, in seconds of play
// [start, end): from the first suspension to the end of the last run after
// it, by the rules above. A person's stretches never overlap.
struct SuspensionStretch {
  TeamId team = TeamId::One;
  int slot = 0;
  int start = 0;
  int end = 0;
  bool operator==(const SuspensionStretch&) const = default;
};
// Every stretch of a team over the whole match, person by person.
std::vector<SuspensionStretch> suspensionStretches(const Match& m, TeamId team);
