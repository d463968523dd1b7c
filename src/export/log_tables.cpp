// The event-log table and the player table: both copy the two event logs
// (log row r in table row r + 2), event times with the export prefix.
#include <algorithm>

#include "export_tables.h"
#include "number_text.h"
#include "tallies.h"

namespace {

constexpr int kLogRowOffset = 2;
constexpr int kFixedLines = 201;

// A team's log with its heads as row 0.
std::vector<LogRow> logWithHeads(const Match& m, TeamId team) {
  std::vector<LogRow> rows;
  rows.reserve(m.teamEventCount(team) + 2);
  rows.emplace_back();
  for (int col = 0; col < 6; ++col) rows[0][col] = std::string(kLogHeads[col]);
  for (int i = 0; i < m.teamEventCount(team); ++i) rows.push_back(logRow(m.teamEvent(team, i)));
  const Entry& open = m.entry();
  if (open.open() && open.event.team == team) rows.push_back(partialLogRow(open));
  return rows;
}

// Rows of a team's log under the heads: its events and the open one.
int logRows(const Match& m, TeamId team) {
  const Entry& open = m.entry();
  return m.teamEventCount(team) + (open.open() && open.event.team == team ? 1 : 0);
}

// The time of an event carries the prefix; the heads and empty times do not.
std::string exportedCell(const Match& m, const std::vector<LogRow>& log, int col, int row) {
  const std::string& text = log[row][col];
  if (col == 0 && row >= 1 && !text.empty()) return m.exportPrefix + text;
  return text;
}

// The player table's short log: a foul shows its sanction, since a cell
// reading "反則" gives way to the cell two columns to its right.
std::string shortLogCell(const Match& m, const std::vector<LogRow>& log, int col, int row) {
  const std::string& text = log[row][col];
  if (col == 0 && row >= 1 && !text.empty()) return m.exportPrefix + text;
  if (text == actionWord(Action::Foul)) return log[row][col + 2];
  return text;
}

}  // namespace

int logFileLineCount(const Match& m) {
  const int lastRow = std::max(logRows(m, TeamId::One), logRows(m, TeamId::Two));
  return std::max(kFixedLines, lastRow + kLogRowOffset + 1);
}

TextTable eventLogTable(const Match& m) {
  constexpr int kColumnsPerTeam = 7;
  TextTable table(2 * kColumnsPerTeam);
  table.setCell(0, 0, m.fileStem + "リスト");
  for (TeamId team : kBothTeams) {
    const int firstCol = teamIndex(team) * kColumnsPerTeam;
    table.setCell(firstCol, 1, m.team(team).name);
    const std::vector<LogRow> log = logWithHeads(m, team);
    for (int row = 0; row < static_cast<int>(log.size()); ++row)
      for (int col = 0; col < 6; ++col)
        table.setCell(firstCol + col, row + kLogRowOffset, exportedCell(m, log, col, row));
  }
  return table;
}

namespace {

constexpr std::array<std::string_view, kTallyKinds + 1> kCountHeads = {
    "得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "警告", "退場", "失格", "貢献度"};
constexpr int kContributionCol = kTallyKinds + 1;
constexpr int kTotalSlot = kRosterLines;

// A team's counts: heads in `headRow`, slot s in row headRow + 1 + s, the
// team's totals below the last player.
void writeCounts(TextTable& table, const Match& m, const TeamTallies& t, TeamId team, int headRow) {
  table.setCell(0, headRow, m.team(team).name);
  for (int kind = 0; kind <= kTallyKinds; ++kind)
    table.setCell(kind + 1, headRow, std::string(kCountHeads[kind]));
  std::array<int32_t, kTallyKinds + 1> totals{};
  for (int slot = 0; slot < kRosterLines; ++slot) {
    const int row = headRow + 1 + slot;
    // The official's line reads "監督", whatever the roster holds.
    table.setCell(
        0, row, slot == kOfficialSlot ? std::string(kOfficialWord) : m.team(team).lines[slot].name);
    for (int kind = 0; kind < kTallyKinds; ++kind) {
      const int32_t n = t.persons[kind][slot];
      table.setCell(kind + 1, row, intToStr(n));
      totals[kind] += n;
    }
    const auto contribution = static_cast<int32_t>(contributionScore(t, slot));
    table.setCell(kContributionCol, row, intToStr(contribution));
    totals[kTallyKinds] += contribution;
  }
  const int totalRow = headRow + 1 + kTotalSlot;
  table.setCell(0, totalRow, std::string(kTotalWord));
  for (int kind = 0; kind <= kTallyKinds; ++kind)
    table.setCell(kind + 1, totalRow, intToStr(totals[kind]));
}

}  // namespace

TextTable playerTable(const Match& m) {
  constexpr int kHeadRows[] = {2, 20};
  constexpr int kShortLogCols[] = {11, 16};  // "when", "No.", "who", "play"
  TextTable table(kShortLogCols[1] + 4);
  table.setCell(0, 0, m.fileStem);
  const Tallies tallies = countEvents(m);
  for (TeamId team : kBothTeams) {
    writeCounts(table, m, tallies.team(team), team, kHeadRows[teamIndex(team)]);
    const int firstCol = kShortLogCols[teamIndex(team)];
    table.setCell(firstCol, 1, m.team(team).name);
    const std::vector<LogRow> log = logWithHeads(m, team);
    for (int row = 0; row < static_cast<int>(log.size()); ++row)
      for (int col = 0; col < 4; ++col)
        table.setCell(firstCol + col, row + kLogRowOffset, shortLogCell(m, log, col, row));
  }
  return table;
}
