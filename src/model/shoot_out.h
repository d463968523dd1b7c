// The 7 m shoot-out after a second overtime that ended level: the teams
// throw in turn, five each, then one each until one is ahead after equal
// throws; it is over as soon as the other cannot catch up. Its throws are
// recorded like shots in the shoot-out period and count in neither the
// match's score nor any player's figures.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "event.h"
#include "periods.h"

class Match;

inline bool inShootOut(const Event& e) {
  return e.period == Periods::kShootOut;
}
// A throw of the shoot-out: none of the match's figures counts it.
inline bool isShootOutThrow(const Event& e) {
  return inShootOut(e) && isShot(e.action);
}

struct ShootOut {
  static constexpr int kRounds = 5;

  std::array<int, kTeams> throws{};
  std::array<int, kTeams> goals{};
  std::optional<TeamId> first;  // the team that threw first

  // Counts a throw taken in the shoot-out: a goal or a missed shot.
  void add(const Event& e);
  bool taken() const { return first.has_value(); }
  // Whether the winner is known: ahead by more than the other's throws left
  // in the five rounds, or after equal throws past them.
  bool decided() const;
  // Whether a throw by the team now would be out of turn: the first team
  // throws when both have thrown as often, the other when it is behind.
  bool outOfTurn(TeamId team) const;
};

ShootOut shootOut(const Match& m);
// "(7mTC 4-3)", the first team's goals first; empty when none was thrown.
std::string shootOutText(const ShootOut& s);
