#include "roster_grid.h"

namespace {

// Heads of the columns, and labels of the lines.
constexpr std::array<std::string_view, 7> kTeamColumnHeads = {" ",    "番号", "氏名", "得点",
                                                              "警告", "退場", "失格"};

}  // namespace

std::optional<TeamId> RosterGrid::teamOfColumn(int col) {
  if (col >= 1 && col < kSeparatorColumn) return TeamId::One;
  if (col > kSeparatorColumn && col < kColumns) return TeamId::Two;
  return std::nullopt;
}

int RosterGrid::fieldOfColumn(int col) {
  const std::optional<TeamId> team = teamOfColumn(col);
  if (!team) return 0;
  return *team == TeamId::Two ? col - kSeparatorColumn : col;
}

std::string* RosterGrid::field(int col, int row) const {
  if (row < 1 || row >= kRows) return nullptr;
  if (col == kSeparatorColumn) return &(*separator_)[row - 1];
  const std::optional<TeamId> team = teamOfColumn(col);
  if (!team) return nullptr;
  RosterLine& line = match_.team(*team).lines[row - 1];
  const int f = fieldOfColumn(col);
  return f == 1 ? &line.number : f == 2 ? &line.name : &line.counts[f - 3];
}

std::string RosterGrid::cell(int col, int row) const {
  if (row == 0 && col >= 0 && col < kColumns)
    return std::string(kTeamColumnHeads[col == kSeparatorColumn ? 0 : fieldOfColumn(col)]);
  if (col == 0 && row >= 1 && row < kRows)
    return row == 1 ? std::string(kOfficialWord) : std::to_string(row - 1);
  const std::string* text = field(col, row);
  return text ? *text : std::string();
}

void RosterGrid::setCell(int col, int row, const std::string& text) {
  std::string* target = field(col, row);
  if (!target || *target == text) return;
  *target = text;
  if (col != kSeparatorColumn) match_.markEdited();  // nothing saved reads the separator
}
