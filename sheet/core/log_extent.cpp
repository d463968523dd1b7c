#include "log_extent.h"

#include <algorithm>

namespace {

constexpr int kFixedLogRowsToCopy = 200;
constexpr int kFixedLines = 201;
constexpr int kLogColumns = 7;  // the six of the log and one that reads empty

int lastFilledRow(const TextGrid& log) {
  for (int row = log.usedRows() - 1; row > 0; --row)
    for (int col = 0; col < kLogColumns; ++col)
      if (!log.cell(col, row).empty()) return row;
  return 0;
}

}  // namespace

int lastFilledLogRow(const MatchModel& m) {
  return std::max(lastFilledRow(m.match.log1), lastFilledRow(m.match.log2));
}

int lastLogRowToCopy(const MatchModel& m) {
  return std::max(kFixedLogRowsToCopy, lastFilledLogRow(m));
}

int logFileLineCount(const MatchModel& m) {
  return std::max(kFixedLines, lastFilledLogRow(m) + kLogRowOffset + 1);
}
