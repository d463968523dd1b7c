// "データ保存" for a full match (200 events per team), a long one (2,000) and
// a very long one (10,000 per team): the three tables built and the three files written,
// then the building and the writing apart to show which dominates.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "export_tables.h"
#include "match_fixture.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "table_file.h"

namespace {

// A match with `eventsPerTeam` events per team, saved in a folder of its own.
struct RecordedMatch : ClockedMatch {
  explicit RecordedMatch(int eventsPerTeam) {
    recordMixed(eventsPerTeam);
    m.fileStem = (folder.path() / "試合").string();
  }
  TempFolder folder;
};

void BM_SaveMatch(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) saveMatch(match.m);
  state.counters["events per team"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_SaveMatch)->Arg(200)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BuildTables(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(shotTable(match.m));
    benchmark::DoNotOptimize(eventLogTable(match.m));
    benchmark::DoNotOptimize(playerTable(match.m));
  }
}
BENCHMARK(BM_BuildTables)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteFiles(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  const Match& m = match.m;
  const TextTable shots = shotTable(m), log = eventLogTable(m), players = playerTable(m);
  const int logLines = logFileLineCount(m);
  for (auto _ : state) {
    writeTableFile(m.fileStem + "-shot-.xls", shots, 401, 31, CellWords::Full);
    writeTableFile(m.fileStem + "-table-.xls", log, logLines, 21, CellWords::Full);
    writeTableFile(m.fileStem + ".xls", players, logLines, 21, CellWords::Abbreviated);
  }
}
BENCHMARK(BM_WriteFiles)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
