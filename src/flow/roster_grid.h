// The team sheet's roster grid over the two teams of the match.
#pragma once

#include <array>
#include <string>

#include "match.h"
#include "screen.h"

// The team sheet's roster grid: a head row, a line-label column, and per
// team the number, name and four counts of each line; column 7 separates the
// teams. Columns 1..6 are team 1's, 8..13 team 2's; row r is slot r - 1.
class RosterGrid {
 public:
  static constexpr int kColumns = 14;
  static constexpr int kRows = 16;
  static constexpr int kSeparatorColumn = 7;

  // The separator column is kept by the screen, or by the grid itself.
  explicit RosterGrid(Screen& s) : match_(s.match()), separator_(&s.notes()) {}
  explicit RosterGrid(Match& m) : match_(m), separator_(&ownSeparator_) {}
  RosterGrid(const RosterGrid&) = delete;
  RosterGrid& operator=(const RosterGrid&) = delete;

  std::string cell(int col, int row) const;
  // Rows 1..15 and columns 1..13 are typed into; other cells stay.
  void setCell(int col, int row, const std::string& text);

  // The team of a column, none for the label and separator columns.
  static std::optional<TeamId> teamOfColumn(int col);
  // The field of a team column: 1 number, 2 name, 3..6 the four counts.
  static int fieldOfColumn(int col);
  static int columnOf(TeamId team, int field) {
    return team == TeamId::Two ? field + kSeparatorColumn : field;
  }

 private:
  // The text behind a typed cell, or null.
  std::string* field(int col, int row) const;

  Match& match_;
  // The separator column can be typed into like any cell; nothing reads it.
  std::array<std::string, kRosterLines>* separator_;
  std::array<std::string, kRosterLines> ownSeparator_;
};
