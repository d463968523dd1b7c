// The team sheet's roster grid over the two teams of the match.
#pragma once

#include <array>
#include <string>

#include "match.h"

// The team sheet's roster grid: a head row, a line-label column, and per
// team the number, name and four counts of each line; column 7 separates the
// teams. Columns 1..6 are team 1's, 8..13 team 2's; row r is slot r - 1.
class RosterGrid {
 public:
  static constexpr int kColumns = 14;
  static constexpr int kRows = 16;
  static constexpr int kSeparatorColumn = 7;

  explicit RosterGrid(Match& m) : match_(m) {}

  std::string cell(int col, int row) const;
  // Rows 1..15 and columns 1..13 are typed into; other cells stay.
  void setCell(int col, int row, const std::string& text);

  // The team of a column, 0 for the label and separator columns.
  static int teamOfColumn(int col);
  // The field of a team column: 1 number, 2 name, 3..6 the four counts.
  static int fieldOfColumn(int col);
  static int columnOf(int team, int field) { return team == 2 ? field + kSeparatorColumn : field; }

 private:
  template <typename Grid>
  static auto fieldOf(Grid& grid, int col, int row) -> decltype(&grid.separator_[0]);

  Match& match_;
  // The separator column can be typed into like any cell; nothing reads it.
  std::array<std::string, kRows> separator_;
};
