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

// The same event and then, on the facts panel, its kind of attack and how
// the miss ended or who gave the assist.
void clickEventWithFacts(const WindowSet& windows, int n) {
  clickEvent(windows, n);
  const EventFactsPanel* panel = windows.factsPanel();
  press(panel->attackButtons[1 + n % 3]);
  if (n % 2 == 0)
    press(panel->assistButtons[1 + (n + 1) % 14]);
  else
    press(panel->outcomeButtons[n % kMissOutcomes]);
}

// With `numbered`, the players have shirt numbers, so that the facts panel
// offers them as the assist.
std::unique_ptr<WindowSet> matchUnderWay(int events, const TempFolder* kept,
                                         bool numbered = false) {
  auto windows = std::make_unique<WindowSet>();
  windows->match().timeOfDay = [] { return 0.5; };
  if (numbered)
    for (TeamId t : kBothTeams)
      for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
        windows->match().team(t).lines[slot].number = std::to_string(slot + 1);
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
  const bool facts = state.range(2) != 0;
  auto windows = matchUnderWay(before, kept, facts);
  int n = before;
  for (auto _ : state) {
    if (facts)
      clickEventWithFacts(*windows, n);
    else
      clickEvent(*windows, n);
    // Keep the logs near the size under test.
    if (++n == before + 100) {
      state.PauseTiming();
      windows.reset();
      windows = matchUnderWay(before, kept, facts);
      n = before;
      state.ResumeTiming();
    }
  }
  state.counters["events in the logs"] = before;
  state.SetLabel(std::string(kept ? "kept in the match file" : "not kept") +
                 (facts ? ", two facts clicked" : ""));
}
BENCHMARK(BM_EventThroughTheWindows)
    ->ArgsProduct({{0, 400}, {0, 1}, {0, 1}})
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
