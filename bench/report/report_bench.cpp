// "データ保存" with the two analysis files: a full match (200 events per
// team) and a long one (2,000), the whole save and its parts.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>

#include "figures.h"
#include "report.h"
#include "save_analysis.h"
#include "save_match.h"
#include "shot_chart.h"
#include "workbook.h"

namespace {

// Every kind of event in turn, for persons of both teams, the clock 9 s on
// before each pair.
void recordEvent(Match& m, int team, int n) {
  const auto action = static_cast<Action>(1 + n % kActions);
  const bool official = action == Action::TimeOut || (action == Action::Foul && n % 4 == 0);
  m.pickPerson(team, official ? kOfficialSlot : 1 + n % kLastPlayerSlot);
  m.chooseAction(action);
  if (action == Action::TimeOut) {
    m.choosePlace(place::kBench);
    m.chooseDetail(1 + n % 4);
    return;
  }
  m.choosePlace(1 + n % kCourtPlaces);
  m.chooseDetail(1 + n % detailCount(action));
}

class RecordedMatch {
 public:
  explicit RecordedMatch(int eventsPerTeam) {
    m.timeOfDay = [this] { return now_; };
    m.startClock();
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
      m.team(1).lines[slot] = {std::to_string(slot + 3), "選手" + std::to_string(slot), {}};
      m.team(2).lines[slot] = {std::to_string(slot + 20), "Player" + std::to_string(slot), {}};
    }
    for (int n = 0; n < eventsPerTeam; ++n) {
      now_ += 9.0 / 86400;
      m.tickClock();
      recordEvent(m, 1, n);
      recordEvent(m, 2, n + 3);
    }
    std::string name = (std::filesystem::temp_directory_path() / "hb-bench-XXXXXX").string();
    folder_ = mkdtemp(name.data());
    m.fileStem = folder_ + "/試合";
  }
  ~RecordedMatch() { std::filesystem::remove_all(folder_); }

  Match m;

 private:
  double now_ = 0.5;
  std::string folder_;
};

void BM_WholeSave(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    saveMatch(match.m);
    saveAnalysisFiles(match.m);
  }
  state.counters["events per team"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_WholeSave)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_ThreeTables(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) saveMatch(match.m);
}
BENCHMARK(BM_ThreeTables)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_Figures(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(matchFigures(match.m));
    benchmark::DoNotOptimize(shotChart(match.m, 1));
    benchmark::DoNotOptimize(shotChart(match.m, 2));
  }
}
BENCHMARK(BM_Figures)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_Workbook(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) writeWorkbook(match.m, match.m.fileStem + ".xlsx");
}
BENCHMARK(BM_Workbook)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ReportDrawn(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(reportPdf(match.m));
}
BENCHMARK(BM_ReportDrawn)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ReportWritten(benchmark::State& state) {
  RecordedMatch match(static_cast<int>(state.range(0)));
  for (auto _ : state) writeReport(match.m, match.m.fileStem + ".pdf");
}
BENCHMARK(BM_ReportWritten)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
