// "データ保存" for a full match (200 events per team), a long one (2,000) and
// a very long one (10,000 per team): the three tables built and the three files written,
// then the building and the writing apart to show which dominates.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "export_tables.h"
#include "save_match.h"
#include "screen.h"
#include "table_file.h"

namespace {

// Every kind of event in turn, for persons of both teams.
void recordEvent(Screen& s, int team, int n) {
  const auto action = static_cast<Action>(1 + n % 6);
  s.pickPerson(team, 1 + n % 14);
  s.chooseAction(action);
  if (action == Action::TimeOut) {
    s.choosePlace(place::kBench);
    s.chooseDetail(WindowId::TimeOut, 1);
    return;
  }
  s.choosePlace(1 + n % 10);
  if (isShot(action))
    s.chooseZone(1 + n % 11);
  else
    s.chooseDetail(dialogFor(action), action == Action::Foul ? 1 + n % 3 : 1);
}

class RecordedMatch {
 public:
  explicit RecordedMatch(int eventsPerTeam) {
    m.timeOfDay = [] { return 0.5; };
    for (int slot = 1; slot <= 14; ++slot) {
      m.team(1).lines[slot].number = std::to_string(slot + 3);
      m.team(1).lines[slot].name = "選手" + std::to_string(slot);
      m.team(2).lines[slot].number = std::to_string(slot + 20);
      m.team(2).lines[slot].name = "Player" + std::to_string(slot);
    }
    screen.finishInput();
    screen.startMatch();
    for (int n = 0; n < eventsPerTeam; ++n) {
      recordEvent(screen, 1, n);
      recordEvent(screen, 2, n + 3);
    }
    std::string name = (std::filesystem::temp_directory_path() / "hb-bench-XXXXXX").string();
    folder_ = mkdtemp(name.data());
    m.fileStem = folder_ + "/試合";
  }
  ~RecordedMatch() { std::filesystem::remove_all(folder_); }

  Match m;
  Screen screen{m};

 private:
  std::string folder_;
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
