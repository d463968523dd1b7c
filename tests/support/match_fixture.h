// A match under a test's or a benchmark's control: a time of day that moves
// only when told, rosters filled in, and events recorded through the same
// steps the windows' buttons take.
#pragma once

#include <string>

#include "match.h"

class ClockedMatch {
 public:
  ClockedMatch() {
    m.timeOfDay = [this] { return seconds / 86400.0; };
  }
  // The time of day is read through `this`.
  ClockedMatch(const ClockedMatch&) = delete;
  ClockedMatch& operator=(const ClockedMatch&) = delete;

  // The time of day brought to `s` seconds since midnight, and the match
  // clock told.
  void at(double s) {
    seconds = s;
    m.tickClock();
  }

  // One whole event; false as soon as a step is refused.
  bool record(TeamId team, int slot, Action a, int place, int detail) {
    return m.pickPerson(team, slot) && m.chooseAction(a) && m.choosePlace(place) &&
           m.chooseDetail(detail);
  }

  // Every player line of `team` numbered `offset + slot` and, with a
  // prefix, named `prefix + slot`.
  void fillRoster(TeamId team, int offset, const std::string& prefix = "") {
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
      m.team(team).lines[slot].number = std::to_string(offset + slot);
      if (!prefix.empty()) m.team(team).lines[slot].name = prefix + std::to_string(slot);
    }
  }

  // A long match for benchmarks: both rosters full, the clock started, and
  // for each team `eventsPerTeam` events of every kind in turn, the
  // officials' time-outs and fouls among them, with every kind of fact said
  // of them, 9 s of play before each pair until both halves are over; each
  // team changes its goalkeeper halfway.
  void recordMixed(int eventsPerTeam) {
    fillRoster(TeamId::One, 3, "選手");
    fillRoster(TeamId::Two, 20, "Player");
    for (TeamId t : kBothTeams) m.markGoalkeeper(t, 1, true);
    m.startClock();
    for (int n = 0; n < eventsPerTeam; ++n) {
      if (seconds < 3600) at(seconds + 9);
      if (n == eventsPerTeam / 2)
        for (TeamId t : kBothTeams) m.changeGoalkeeper(t, 2);
      recordMixedEvent(TeamId::One, n);
      recordMixedEvent(TeamId::Two, n + 3);
    }
  }

  Match m;
  double seconds = 0;  // the time of day, in seconds since midnight

 private:
  void recordMixedEvent(TeamId team, int n) {
    const auto action = static_cast<Action>(1 + n % kActions);
    const bool official = action == Action::TimeOut || (action == Action::Foul && n % 4 == 0);
    const int slot = official ? kOfficialSlot : 1 + n % kLastPlayerSlot;
    if (action == Action::TimeOut)
      record(team, slot, action, place::kBench, 1 + n % 4);
    else
      record(team, slot, action, 1 + n % kCourtPlaces, 1 + n % detailCount(action));
    m.setLastFacts({static_cast<MissOutcome>(n % (kMissOutcomes + 1)),
                    static_cast<AttackKind>(n % kAttackKinds), 1 + (slot + n) % kLastPlayerSlot, 0,
                    n % 4 == 1});
  }
};
