#include "save_match.h"

#include "export_tables.h"
#include "table_file.h"

namespace {
constexpr int kShotFileLines = 401;
constexpr int kShotFileFields = 31;
constexpr int kLogFileFields = 21;
}  // namespace

void saveMatch(const Match& m, FileFaults* faults) {
  const std::string& stem = m.fileStem;
  writeTableFile(stem + "-shot-.xls", shotTable(m), kShotFileLines, kShotFileFields,
                 CellWords::Full, faults);
  const int lines = logFileLineCount(m);
  writeTableFile(stem + "-table-.xls", eventLogTable(m), lines, kLogFileFields, CellWords::Full,
                 faults);
  writeTableFile(stem + ".xls", playerTable(m), lines, kLogFileFields, CellWords::Abbreviated,
                 faults);
}
