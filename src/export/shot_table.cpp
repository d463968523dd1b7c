// The shot table: keep-miss tables in columns 14 to 22 (team 2 17 rows below
// team 1), and a block of 13 rows per player and per team total in columns
// 0 to 12 (team 2's from row 196). Every ratio cell reads "goals/shots".
#include "export_tables.h"
#include "number_text.h"
#include "tallies.h"

namespace {

constexpr int kTotalLine = kRosterLines;  // the team's block after the players'
constexpr int kZoneTotal = kGoalZones + 1;
constexpr int kPlaceTotal = kCourtPlaces + 1;
constexpr int kKeepMissTotal = kKeepMissKinds + 1;
constexpr int kKeepMissNameCol = 14;

constexpr int keepMissBaseRow(TeamId team) {
  return 17 * teamIndex(team);
}
constexpr int shotBlockBaseRow(TeamId team, int line) {
  return (team == TeamId::Two ? 196 : 0) + 13 * (line - 1);
}

const std::string& playerName(const Match& m, TeamId team, int slot) {
  return m.team(team).lines[slot].name;
}

void writeKeepMisses(TextTable& table, const Match& m, const TeamTallies& t, TeamId team) {
  const int b = keepMissBaseRow(team);
  table.setCell(kKeepMissNameCol, b + 1, m.team(team).name);
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    table.setCell(kKeepMissNameCol, b + 1 + slot, playerName(m, team, slot));
  table.setCell(kKeepMissNameCol, b + 16, std::string(kTotalWord));
  for (int kind = 1; kind <= kKeepMissKinds; ++kind)
    table.setCell(kKeepMissNameCol + kind, b + 1, std::string(kKeepMissWords[kind]));
  table.setCell(kKeepMissNameCol + kKeepMissTotal, b + 1, std::string(kTotalWord));

  std::array<int32_t, kKeepMissTotal + 1> kindTotals{};
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
    int32_t slotTotal = 0;
    for (int kind = 1; kind <= kKeepMissKinds; ++kind) {
      const int32_t n = t.keepMisses[slot][kind];
      table.setCell(kKeepMissNameCol + kind, b + 1 + slot, intToStr(n));
      slotTotal += n;
      kindTotals[kind] += n;
    }
    table.setCell(kKeepMissNameCol + kKeepMissTotal, b + 1 + slot, intToStr(slotTotal));
    kindTotals[kKeepMissTotal] += slotTotal;
  }
  for (int kind = 1; kind <= kKeepMissTotal; ++kind)
    table.setCell(kKeepMissNameCol + kind, b + 1 + kTotalLine, intToStr(kindTotals[kind]));
}

// Goals or shots of one line by place and zone, with a totals row (place 11)
// and a totals column (zone 12).
using ShotCounts = std::array<std::array<int64_t, kZoneTotal + 1>, kPlaceTotal + 1>;

ShotCounts lineCounts(const TeamTallies::ShotGrid& grid, int line) {
  ShotCounts c{};
  const int first = line == kTotalLine ? 1 : line;
  const int last = line == kTotalLine ? kLastPlayerSlot : line;
  for (int slot = first; slot <= last; ++slot)
    for (int place = 1; place <= kCourtPlaces; ++place)
      for (int zone = 1; zone <= kGoalZones; ++zone) c[place][zone] += grid[slot][place][zone];
  for (int place = 1; place <= kCourtPlaces; ++place)
    for (int zone = 1; zone <= kGoalZones; ++zone) {
      c[kPlaceTotal][zone] += c[place][zone];
      c[place][kZoneTotal] += c[place][zone];
      c[kPlaceTotal][kZoneTotal] += c[place][zone];
    }
  return c;
}

void writeShotBlock(TextTable& table, const Match& m, const TeamTallies& t, TeamId team, int line) {
  const int o = shotBlockBaseRow(team, line);
  table.setCell(0, o + 2, line == kTotalLine ? m.team(team).name : playerName(m, team, line));
  for (int place = 1; place <= kCourtPlaces; ++place)
    table.setCell(0, o + 2 + place, std::string(kPlaceWords[place]));
  table.setCell(0, o + 13, std::string(kTotalWord));
  for (int zone = 1; zone <= kGoalZones; ++zone)
    table.setCell(zone, o + 2, std::string(kZoneWords[zone]));
  table.setCell(kZoneTotal, o + 2, std::string(kTotalWord));

  const ShotCounts goals = lineCounts(t.goals, line);
  const ShotCounts misses = lineCounts(t.shotMisses, line);
  for (int zone = 1; zone <= kZoneTotal; ++zone)
    for (int place = 1; place <= kPlaceTotal; ++place) {
      const int64_t g = static_cast<int32_t>(goals[place][zone]);
      const int64_t shots = g + static_cast<int32_t>(misses[place][zone]);
      std::string ratio = m.exportPrefix;
      ratio += intToStr(g);
      ratio += '/';
      ratio += intToStr(shots);
      table.setCell(zone, o + 2 + place, std::move(ratio));
    }
}

}  // namespace

TextTable shotTable(const Match& m) {
  TextTable table(kKeepMissNameCol + kKeepMissTotal + 1);
  table.setCell(0, 0, m.fileStem + "シュート成功率");
  const Tallies tallies = countEvents(m);
  for (TeamId team : kBothTeams) writeKeepMisses(table, m, tallies.team(team), team);
  for (TeamId team : kBothTeams)
    for (int line = 1; line <= kTotalLine; ++line)
      writeShotBlock(table, m, tallies.team(team), team, line);
  return table;
}
