// What the window tests read back beside the windows: how far the open
// event's row of each log has come (the column it waits for) and the counts
// behind the saved tables, derived from the match as the logs and the
// tables show them.
#pragma once

#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "match.h"
#include "tallies.h"

struct Readings {
  // Goals or missed shots: at(team, slot 1..14, place 1..11, zone 1..11).
  struct Shots {
    std::array<TeamTallies::ShotGrid, 2> grids;
    int32_t at(int team, int slot, int place, int zone) const {
      return grids[team - 1][slot][place][zone];
    }
    std::vector<int32_t> flat() const;
  };
  // Lost possessions: at(team, slot 1..14, kind 1..7).
  struct KeepMisses {
    std::array<std::array<std::array<int32_t, kKeepMissKinds + 1>, kRosterLines>, 2> counts;
    int32_t at(int team, int slot, int kind) const { return counts[team - 1][slot][kind]; }
    std::vector<int32_t> flat() const;
  };
  // Per-person counts of one team: at(kind 0..7, slot 0..14).
  struct Persons {
    TeamTallies tallies;
    int32_t at(int kind, int slot) const { return tallies.persons[kind][slot]; }
    std::vector<int32_t> flat() const;
  };

  explicit Readings(const Match& m);

  // The next cell of each team's open row: 0 with no open event in that
  // log, then 1 (time), 3 (person), 4 (action) and 5 (place).
  int logCol1 = 0, logCol2 = 0;
  // The row of each log the next event goes into, from 1.
  int logRow1 = 1, logRow2 = 1;
  bool clockRunning = true;
  // The open event: its team and slot, its action once chosen (else 0), and
  // whether its person was taken back and waits for the right one.
  int activeTeam = 0, activeSlot = 0, activeAction = 0;
  bool correctionPending = false;

  Shots goalTally, shotMissTally;
  KeepMisses keepMissTally;
  Persons team1Tally, team2Tally;
};

template <typename Counts>
int total(const Counts& counts) {
  const auto flat = counts.flat();
  return std::accumulate(flat.begin(), flat.end(), 0);
}
