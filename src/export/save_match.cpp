#include "save_match.h"

#include "export_tables.h"
#include "identify.h"
#include "replacing_file.h"
#include "table_file.h"

namespace {

constexpr int kShotFileLines = 401;
constexpr int kShotFileFields = 31;
constexpr int kLogFileFields = 21;

}  // namespace

std::vector<SavedFile> saveMatch(const Match& m, FileFaults* faults) {
  const std::vector<std::string> names = savedFileNames(m.fileStem);
  const int logLines = logFileLineCount(m);
  // Each table is built and written before the next is built, so that only
  // one is held at a time.
  ReplacingFile shot(names[0], faults);
  writeTable(shot, shotTable(m), kShotFileLines, kShotFileFields, CellWords::Full);
  ReplacingFile table(names[1], faults);
  writeTable(table, eventLogTable(m), logLines, kLogFileFields, CellWords::Full);
  ReplacingFile list(names[2], faults);
  writeTable(list, playerTable(m), logLines, kLogFileFields, CellWords::Abbreviated);
  shot.commit();
  table.commit();
  list.commit();

  std::vector<SavedFile> written;
  for (const std::string& name : names)
    if (auto file = savedFile(name)) written.push_back(*file);
  return written;
}
