// The counts behind the saved tables, derived from the events in one place.
// Nothing else counts events, so a count can never be taken twice or missed.
#pragma once

#include <array>
#include <cstdint>

#include "words.h"

class Match;
struct Event;

// Kinds of the per-person counts, in the player table's column order.
enum class Tally : int {
  Goal = 0,
  ShotMiss = 1,
  KeepMiss = 2,
  PenaltyWon = 3,
  TimeOut = 4,
  Warning = 5,
  Suspension = 6,
  Disqualification = 7,
};
inline constexpr int kTallyKinds = 8;

struct TeamTallies {
  // [kind][slot]: actions by their person, the official (slot 0) included.
  // An action counts from the moment it is chosen; a sanction once the
  // foul is complete.
  std::array<std::array<int32_t, kRosterLines>, kTallyKinds> persons{};
  // [slot][place][zone] of completed goals and missed shots of players;
  // index 0 unused.
  using ShotGrid = std::array<std::array<std::array<int32_t, kGoalZones + 1>, 12>, kRosterLines>;
  ShotGrid goals{};
  ShotGrid shotMisses{};
  // [slot][kind] of completed lost possessions of players.
  std::array<std::array<int32_t, kKeepMissKinds + 1>, kRosterLines> keepMisses{};

  int32_t person(Tally kind, int slot) const { return persons[static_cast<int>(kind)][slot]; }
};

struct Tallies {
  std::array<TeamTallies, kTeams> teams;
  const TeamTallies& team(TeamId t) const { return teams[teamIndex(t)]; }
};

// Whether a completed event counts as a shot in the shot counts: a goal or
// a missed shot of a player, with its court place and goal zone.
bool countsAsShot(const Event& e);

// Every event as recorded, the one being entered included: the tables' counts.
Tallies countEvents(const Match& match);
// The counts of the match's play alone, as its figures read them: the
// completed events without the shoot-out's throws.
Tallies countMatchPlay(const Match& match);

// 2 x goals - missed shots - lost possessions + penalty throws won - warnings
// - 2 x suspensions - 3 x disqualifications; time-outs count nothing.
int64_t contributionScore(const TeamTallies& t, int slot);
