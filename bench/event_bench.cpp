// One event recorded through the real handlers: the person, the action, the
// court location and the goal zone clicked on the offscreen windows, at the
// start of a match and with a full match already in the logs. The same event
// in the toolkit-free core alone shows what the windows add. Each event
// through the windows is timed with the match kept in its match file after
// every click, as the program does, and without.
#include <benchmark/benchmark.h>

#include <QTest>
#include <filesystem>
#include <memory>

#include "scratch_folder.h"
#include "window_set.h"

namespace {

void press(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// A goal or a shot miss; `n` varies the person, team, place and zone.
void clickEvent(const WindowSet& windows, int n) {
  const TeamId team = teamAt(n % 2);
  press(windows.matchWindow()->personButtons[teamIndex(team) * kRosterLines + 1 + n % 14]);
  press(windows.matchWindow()->actionButtons[n % 2]);
  press(windows.courtDialog()->locationButtons[n % 10]);
  press(windows.courtDialog()->zoneButtons[n % 11]);
}

std::unique_ptr<WindowSet> matchUnderWay(int events, const TempFolder* kept) {
  auto windows = std::make_unique<WindowSet>();
  windows->match().timeOfDay = [] { return 0.5; };
  windows->start();
  if (kept) windows->keepIn(kept->path());
  press(windows->teamSheet()->ui.finishInputButton);
  press(windows->matchWindow()->ui.startButton);
  for (int n = 0; n < events; ++n) clickEvent(*windows, n);
  return windows;
}

void BM_EventThroughTheWindows(benchmark::State& state) {
  const int before = static_cast<int>(state.range(0));
  const TempFolder folder;
  const TempFolder* kept = state.range(1) ? &folder : nullptr;
  auto windows = matchUnderWay(before, kept);
  int n = before;
  for (auto _ : state) {
    clickEvent(*windows, n);
    // Keep the logs near the size under test.
    if (++n == before + 100) {
      state.PauseTiming();
      windows.reset();
      windows = matchUnderWay(before, kept);
      n = before;
      state.ResumeTiming();
    }
  }
  state.counters["events in the logs"] = before;
  state.SetLabel(kept ? "kept in the match file" : "not kept");
}
BENCHMARK(BM_EventThroughTheWindows)
    ->ArgsProduct({{0, 400}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

void BM_EventInTheCore(benchmark::State& state) {
  Match m;
  Screen s(m);
  m.timeOfDay = [] { return 0.5; };
  s.finishInput();
  s.startMatch();
  int n = 0;
  for (auto _ : state) {
    s.pickPerson(teamAt(n % 2), 1 + n % 14);
    s.chooseAction(static_cast<Action>(1 + n % 2));
    s.choosePlace(1 + n % 10);
    s.chooseZone(1 + n % 11);
    ++n;
  }
}
BENCHMARK(BM_EventInTheCore)->Unit(benchmark::kMicrosecond);

}  // namespace
