// The analysis window after a step: the last click of an event (the goal
// zone) through the real handler, which brings every window in line, then
// the event loop's repaint of what changed, the analysis window included.
// Beside it, the same step with the analysis window closed, and a full
// repaint of the analysis window alone. Marks spread over every place and
// zone, with the logs near the size under test.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "window_set.h"

namespace {

void press(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// Person, action and place of a goal or a shot miss; `n` varies them.
void startEvent(const WindowSet& windows, int n) {
  const TeamId team = teamAt(n % 2);
  press(windows.matchWindow()->personButtons[teamIndex(team) * kRosterLines + 1 + n % 14]);
  press(windows.matchWindow()->actionButtons[(n / 2) % 2]);
  press(windows.courtDialog()->locationButtons[n % 10]);
}
void finishEvent(const WindowSet& windows, int n) {
  press(windows.courtDialog()->zoneButtons[n % 11]);
}

std::unique_ptr<WindowSet> analysedMatch(int events, bool open = true) {
  auto windows = std::make_unique<WindowSet>();
  windows->match().timeOfDay = [] { return 0.5; };
  windows->start();
  press(windows->teamSheet()->ui.finishInputButton);
  press(windows->matchWindow()->ui.startButton);
  for (int n = 0; n < events; ++n) {
    startEvent(*windows, n);
    finishEvent(*windows, n);
  }
  if (open) press(windows->matchWindow()->ui.analysisButton);
  QCoreApplication::processEvents();
  return windows;
}

// range(0): events before, both teams in turn (4,000: 2,000 per team, the
// target's size); range(1): whether the analysis window is open.
void BM_StepAndRepaint(benchmark::State& state) {
  const int before = static_cast<int>(state.range(0));
  const bool open = state.range(1) != 0;
  auto windows = analysedMatch(before, open);
  int n = before;
  for (auto _ : state) {
    state.PauseTiming();
    startEvent(*windows, n);
    QCoreApplication::processEvents();
    state.ResumeTiming();
    finishEvent(*windows, n);
    QCoreApplication::processEvents();  // the repaint
    if (++n == before + 100) {
      state.PauseTiming();
      windows.reset();
      windows = analysedMatch(before, open);
      n = before;
      state.ResumeTiming();
    }
  }
  state.counters["events in the logs"] = before;
  state.counters["analysis window open"] = open;
}
BENCHMARK(BM_StepAndRepaint)
    ->ArgsProduct({{0, 400, 2000, 4000}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

void BM_AnalysisWindowFullRepaint(benchmark::State& state) {
  auto windows = analysedMatch(static_cast<int>(state.range(0)));
  AnalysisWindow* analysis = windows->analysisWindow();
  for (auto _ : state) analysis->repaint();
  state.counters["events in the logs"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_AnalysisWindowFullRepaint)->Arg(0)->Arg(400)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
