#include "save_match.h"

#include "event_log_table.h"
#include "log_extent.h"
#include "player_summary.h"
#include "shot_table.h"
#include "table_file.h"

namespace {
constexpr int kShotFileLines = 401;
constexpr int kShotFileFields = 31;
constexpr int kLogFileFields = 21;
}  // namespace

void saveMatch(MatchModel& m, const ExportHeads& heads) {
  TeamSheetModel& sheet = m.sheet;
  const std::string stem = sheet.edit1;

  const std::string shotName = stem + "-shot-.xls";
  sheet.shotTable.setCell(0, 0, stem + "シュート成功率");
  buildShotTable(m, heads);
  writeTableFile(shotName, sheet.shotTable, kShotFileLines, kShotFileFields, CellWords::Full);

  const std::string tableName = stem + "-table-.xls";
  sheet.eventLogTable.setCell(0, 0, stem + "リスト");
  sheet.eventLogTable.setCell(0, 1, sheet.edit3);
  sheet.eventLogTable.setCell(7, 1, sheet.edit4);
  buildEventLogTable(m);
  writeTableFile(tableName, sheet.eventLogTable, logFileLineCount(m), kLogFileFields,
                 CellWords::Full);

  const std::string listName = stem + ".xls";
  sheet.playerSummary.setCell(0, 0, stem);
  sheet.playerSummary.setCell(0, 2, sheet.edit3);
  sheet.playerSummary.setCell(0, 20, sheet.edit4);
  buildPlayerSummary(m);
  writeTableFile(listName, sheet.playerSummary, logFileLineCount(m), kLogFileFields,
                 CellWords::Abbreviated);

  m.unsaved = false;
}
