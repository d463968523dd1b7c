// The one set of variables through which all windows cooperate while a match
// is recorded: the clock, the event being entered, the two log cursors and the
// counter arrays.
#pragma once

#include <array>
#include <cstdint>

#include "codes.h"

// goalTally / shotMissTally: [team 1..2][slot 1..15][location 1..11][zone 1..12],
// the last index varying fastest. Slot 15, location 11 and zone 12 are totals.
class ShotTally {
 public:
  static constexpr int kSize = 2 * 1980;
  static constexpr int flatIndex(int team, int slot, int location, int zone) {
    return (team - 1) * 1980 + (slot - 1) * 132 + (location - 1) * 12 + (zone - 1);
  }
  int32_t& at(int team, int slot, int location, int zone) {
    return cells_[flatIndex(team, slot, location, zone)];
  }
  int32_t at(int team, int slot, int location, int zone) const {
    return cells_[flatIndex(team, slot, location, zone)];
  }
  std::array<int32_t, kSize>& flat() { return cells_; }
  const std::array<int32_t, kSize>& flat() const { return cells_; }

 private:
  std::array<int32_t, kSize> cells_{};
};

// keepMissTally: [team 1..2][slot 1..15][kind 1..8]; kind 8 and slot 15 are totals.
class KeepMissTally {
 public:
  static constexpr int kSize = 2 * 120;
  static constexpr int flatIndex(int team, int slot, int kind) {
    return (team - 1) * 120 + (slot - 1) * 8 + (kind - 1);
  }
  int32_t& at(int team, int slot, int kind) { return cells_[flatIndex(team, slot, kind)]; }
  int32_t at(int team, int slot, int kind) const { return cells_[flatIndex(team, slot, kind)]; }
  std::array<int32_t, kSize>& flat() { return cells_; }
  const std::array<int32_t, kSize>& flat() const { return cells_; }

 private:
  std::array<int32_t, kSize> cells_{};
};

// team1Tally / team2Tally: [kind 0..8][slot 0..15]; slot 15 and kind 8 are
// filled by the player summary.
class TeamTally {
 public:
  static constexpr int kSize = 9 * 16;
  static constexpr int flatIndex(int kind, int slot) { return kind * 16 + slot; }
  int32_t& at(int kind, int slot) { return cells_[flatIndex(kind, slot)]; }
  int32_t at(int kind, int slot) const { return cells_[flatIndex(kind, slot)]; }
  std::array<int32_t, kSize>& flat() { return cells_; }
  const std::array<int32_t, kSize>& flat() const { return cells_; }

 private:
  std::array<int32_t, kSize> cells_{};
};

struct MatchState {
  // Match clock; date-times are days, their fraction the time of day.
  double matchStartTime = 0;
  double pauseStartTime = 0;
  double pausedTotal = 0;
  bool clockRunning = false;  // set when the match window is created

  // The event being entered.
  int32_t activeTeam = 0;  // 1 or 2; 0 before the first pick
  int32_t activeSlot = 0;
  int32_t tallySlot = 0;
  int32_t sheetRow = 0;
  int32_t activeAction = 0;
  int32_t tallyKind = 0;
  int32_t sheetCol = 0;
  int32_t courtLocation = 0;
  int32_t detailCode = 0;
  bool correctionPending = false;
  bool lastPickWasTeam1 = false;

  // Next cell of the current row of each team's log.
  int32_t logCol1 = 0;
  int32_t logRow1 = 1;
  int32_t logCol2 = 0;
  int32_t logRow2 = 1;

  ShotTally goalTally;
  ShotTally shotMissTally;
  KeepMissTally keepMissTally;
  TeamTally team1Tally;
  TeamTally team2Tally;

  TeamTally& teamTally(int team) { return team == 2 ? team2Tally : team1Tally; }
  const TeamTally& teamTally(int team) const { return team == 2 ? team2Tally : team1Tally; }
  int32_t& logCol(int team) { return team == 2 ? logCol2 : logCol1; }
  int32_t& logRow(int team) { return team == 2 ? logRow2 : logRow1; }
  int32_t logCol(int team) const { return team == 2 ? logCol2 : logCol1; }
  int32_t logRow(int team) const { return team == 2 ? logRow2 : logRow1; }

  // Zeroes every event count: both shot tallies whole, keep-miss kinds 1..7
  // (not the kind-8 totals) and both team tallies whole.
  void resetTallies();
};
