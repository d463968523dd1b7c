#include "event_log_table.h"

#include "log_extent.h"

namespace {

constexpr int kColumnsPerTeam = 7;

// The time of an event carries the prefix; the head "when" and empty times
// do not, and no other column is changed.
std::string exportedLogCell(const MatchModel& m, const TextGrid& log, int col, int row) {
  const std::string& text = log.cell(col, row);
  if (col == 0 && row >= 1 && !text.empty()) return m.sheet.edit2 + text;
  return text;
}

}  // namespace

void buildEventLogTable(MatchModel& m) {
  TextGrid& table = m.sheet.eventLogTable;
  const int lastRow = lastLogRowToCopy(m);
  for (int col = 0; col < kColumnsPerTeam; ++col) {
    for (int row = 0; row <= lastRow; ++row) {
      table.setCell(col, row + kLogRowOffset, exportedLogCell(m, m.match.log1, col, row));
      table.setCell(col + kColumnsPerTeam, row + kLogRowOffset,
                    exportedLogCell(m, m.match.log2, col, row));
    }
  }
}
