// "データ保存" with the two analysis files: a full match (200 events per
// team) and a long one (2,000), the whole save and its parts.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>

#include "figures.h"
#include "match_fixture.h"
#include "report.h"
#include "save_analysis.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "shot_chart.h"
#include "workbook.h"

namespace {

// A match with `eventsPerTeam` events per team, saved in a folder of its own.
struct RecordedMatch : ClockedMatch {
  explicit RecordedMatch(int eventsPerTeam) {
    recordMixed(eventsPerTeam);
    m.fileStem = (folder.path() / "試合").string();
  }
  TempFolder folder;
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
    benchmark::DoNotOptimize(shotChart(match.m, TeamId::One));
    benchmark::DoNotOptimize(shotChart(match.m, TeamId::Two));
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
