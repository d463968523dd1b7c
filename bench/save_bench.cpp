// "データ保存" for a full match (200 events per team), a long one (2,000) and
// a very long one (10,000 per team): the three tables built and the three files written,
// then the building and the writing apart to show which dominates.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "court_dialog.h"
#include "detail_dialogs.h"
#include "event_entry.h"
#include "event_log_table.h"
#include "log_extent.h"
#include "player_summary.h"
#include "save_match.h"
#include "shot_table.h"
#include "table_file.h"
#include "team_sheet.h"

namespace {

// Every kind of event in turn, for persons of both teams.
void recordEvent(MatchModel& m, int team, int n) {
  const int slot = 1 + n % 14;
  const int action = 1 + n % 6;
  pickPlayer(m, team, slot);
  recordAction(m, action);
  if (action == codes::kTimeOut) {
    pickCourtLocation(m, "ベンチ", codes::kBench);
    pickSituation(m, "リード");
    return;
  }
  const int place = 1 + n % 10;
  pickCourtLocation(m, std::string(codes::kLocationCaption[place]), place);
  switch (action) {
    case codes::kGoal:
    case codes::kShotMiss:
      pickGoalZone(m, std::string(codes::kZoneCaption[1 + n % 11]), 1 + n % 11);
      break;
    case codes::kKeepMiss:
      pickKeepMiss(m, "パス", 1);
      break;
    case codes::kPenaltyWon:
      pickPenaltyReason(m, "ライン内");
      break;
    default:
      pickSanction(m, "警告", 1 + n % 3);
      break;
  }
}

class RecordedMatch {
 public:
  explicit RecordedMatch(int eventsPerTeam) {
    createTeamSheet(m);
    createMatchWindow(m);
    createCourtDialog(m);
    m.timeOfDay = [] { return 0.5; };
    for (int slot = 1; slot <= 14; ++slot) {
      m.sheet.roster.setCell(1, slot + 1, std::to_string(slot + 3));
      m.sheet.roster.setCell(2, slot + 1, "選手" + std::to_string(slot));
      m.sheet.roster.setCell(8, slot + 1, std::to_string(slot + 20));
      m.sheet.roster.setCell(9, slot + 1, "Player" + std::to_string(slot));
    }
    finishInput(m);
    startMatch(m);
    for (int n = 0; n < eventsPerTeam; ++n) {
      recordEvent(m, 1, n);
      recordEvent(m, 2, n + 3);
    }
    std::string name = (std::filesystem::temp_directory_path() / "hb-bench-XXXXXX").string();
    folder_ = mkdtemp(name.data());
    m.sheet.edit1 = folder_ + "/試合";
  }
  ~RecordedMatch() { std::filesystem::remove_all(folder_); }

  MatchModel m;

 private:
  std::string folder_;
};

void BM_SaveMatch(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) saveMatch(match.m, defaultExportHeads());
  state.counters["events per team"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_SaveMatch)->Arg(200)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BuildTables(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  const ExportHeads heads = defaultExportHeads();
  for (auto _ : state) {
    buildShotTable(match.m, heads);
    buildEventLogTable(match.m);
    buildPlayerSummary(match.m);
  }
}
BENCHMARK(BM_BuildTables)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteFiles(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  saveMatch(match.m, defaultExportHeads());
  const TeamSheetModel& sheet = match.m.sheet;
  const int logLines = logFileLineCount(match.m);
  for (auto _ : state) {
    writeTableFile(sheet.edit1 + "-shot-.xls", sheet.shotTable, 401, 31, CellWords::Full);
    writeTableFile(sheet.edit1 + "-table-.xls", sheet.eventLogTable, logLines, 21, CellWords::Full);
    writeTableFile(sheet.edit1 + ".xls", sheet.playerSummary, logLines, 21, CellWords::Abbreviated);
  }
}
BENCHMARK(BM_WriteFiles)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
