#include "shot_table.h"

#include <string>

#include "codes.h"
#include "text_convert.h"

namespace {

using codes::kBench;
using codes::kKeepMissKinds;
using codes::kLastPlayerSlot;
using codes::kLocations;
using codes::kTotalSlot;
using codes::kZones;

constexpr int kLocationTotal = kBench;  // the bench never holds a shot
constexpr int kZoneTotal = kZones + 1;
constexpr int kKeepMissTotal = kKeepMissKinds + 1;

// Keep-miss tables: columns 14 to 22, team 2 17 rows below team 1.
constexpr int kKeepMissNameCol = 14;
constexpr int keepMissBaseRow(int team) {
  return 17 * (team - 1);
}

// Shot blocks: 13 rows per line, team 2 one spare row below team 1's 195.
constexpr int shotBlockBaseRow(int team, int line) {
  return (team == 2 ? 196 : 0) + 13 * (line - 1);
}

const char* const kTotal = "Total";

const std::string& teamName(const MatchModel& m, int team) {
  return team == 2 ? m.sheet.edit4 : m.sheet.edit3;
}

const std::string& rosterName(const MatchModel& m, int team, int slot) {
  return m.sheet.roster.cell(codes::rosterCol(team, codes::kRosterNameCol), slot + 1);
}

void clearShotTotals(ShotTally& tally) {
  for (int team = 1; team <= 2; ++team) {
    for (int slot = 1; slot <= kTotalSlot; ++slot) {
      for (int loc = 1; loc <= kLocationTotal; ++loc) tally.at(team, slot, loc, kZoneTotal) = 0;
      for (int zone = 1; zone <= kZoneTotal; ++zone) tally.at(team, slot, kLocationTotal, zone) = 0;
    }
    for (int loc = 1; loc <= kLocations; ++loc)
      for (int zone = 1; zone <= kZones; ++zone) tally.at(team, kTotalSlot, loc, zone) = 0;
  }
}

void sumKeepMisses(KeepMissTally& tally) {
  for (int team = 1; team <= 2; ++team) {
    for (int slot = 1; slot <= kTotalSlot; ++slot) tally.at(team, slot, kKeepMissTotal) = 0;
    for (int kind = 1; kind <= kKeepMissTotal; ++kind) tally.at(team, kTotalSlot, kind) = 0;
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
      for (int kind = 1; kind <= kKeepMissKinds; ++kind)
        tally.at(team, slot, kKeepMissTotal) += tally.at(team, slot, kind);
    for (int kind = 1; kind <= kKeepMissTotal; ++kind)
      for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
        tally.at(team, kTotalSlot, kind) += tally.at(team, slot, kind);
  }
}

void writeKeepMissTable(MatchModel& m, const ExportHeads& heads, int team) {
  TextGrid& grid = m.sheet.shotTable;
  const KeepMissTally& tally = m.state.keepMissTally;
  const int b = keepMissBaseRow(team);
  grid.setCell(kKeepMissNameCol, b + 1, teamName(m, team));
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    grid.setCell(kKeepMissNameCol, b + 1 + slot, rosterName(m, team, slot));
  grid.setCell(kKeepMissNameCol, b + 16, kTotal);
  for (int kind = 1; kind <= kKeepMissKinds; ++kind)
    grid.setCell(kKeepMissNameCol + kind, b + 1, heads.keepMiss[kind]);
  grid.setCell(kKeepMissNameCol + kKeepMissTotal, b + 1, kTotal);
  for (int slot = 1; slot <= kTotalSlot; ++slot)
    for (int kind = 1; kind <= kKeepMissTotal; ++kind)
      grid.setCell(kKeepMissNameCol + kind, b + 1 + slot, intToStr(tally.at(team, slot, kind)));
}

void sumTeamShots(ShotTally& tally) {
  for (int team = 1; team <= 2; ++team)
    for (int loc = 1; loc <= kLocations; ++loc)
      for (int zone = 1; zone <= kZones; ++zone)
        for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
          tally.at(team, kTotalSlot, loc, zone) += tally.at(team, slot, loc, zone);
}

// Location 11 and zone 12 of one line: the totals row and column.
void sumLineShots(ShotTally& tally, int team, int line) {
  for (int zone = 1; zone <= kZones; ++zone) {
    int32_t sum = 0;
    for (int loc = 1; loc <= kLocations; ++loc) sum += tally.at(team, line, loc, zone);
    tally.at(team, line, kLocationTotal, zone) = sum;
  }
  for (int loc = 1; loc <= kLocationTotal; ++loc) {
    int32_t sum = 0;
    for (int zone = 1; zone <= kZones; ++zone) sum += tally.at(team, line, loc, zone);
    tally.at(team, line, loc, kZoneTotal) = sum;
  }
}

void writeShotBlock(MatchModel& m, const ExportHeads& heads, int team, int line) {
  TextGrid& grid = m.sheet.shotTable;
  const int o = shotBlockBaseRow(team, line);
  grid.setCell(0, o + 2, line == kTotalSlot ? teamName(m, team) : rosterName(m, team, line));
  for (int loc = 1; loc <= kLocations; ++loc) grid.setCell(0, o + 2 + loc, heads.location[loc]);
  grid.setCell(0, o + 13, kTotal);
  for (int zone = 1; zone <= kZones; ++zone) grid.setCell(zone, o + 2, heads.zone[zone]);
  grid.setCell(kZoneTotal, o + 2, kTotal);

  sumLineShots(m.state.goalTally, team, line);
  sumLineShots(m.state.shotMissTally, team, line);

  const std::string& prefix = m.sheet.edit2;
  for (int zone = 1; zone <= kZoneTotal; ++zone) {
    for (int loc = 1; loc <= kLocationTotal; ++loc) {
      const int64_t goals = m.state.goalTally.at(team, line, loc, zone);
      const int64_t misses = m.state.shotMissTally.at(team, line, loc, zone);
      grid.setCell(zone, o + 2 + loc, prefix + intToStr(goals) + "/" + intToStr(goals + misses));
    }
  }
}

}  // namespace

void buildShotTable(MatchModel& m, const ExportHeads& heads) {
  MatchState& s = m.state;
  clearShotTotals(s.goalTally);
  clearShotTotals(s.shotMissTally);
  sumKeepMisses(s.keepMissTally);
  for (int team = 1; team <= 2; ++team) writeKeepMissTable(m, heads, team);
  sumTeamShots(s.goalTally);
  sumTeamShots(s.shotMissTally);
  for (int team = 1; team <= 2; ++team)
    for (int line = 1; line <= kTotalSlot; ++line) writeShotBlock(m, heads, team, line);
}
