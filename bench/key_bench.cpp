// One event by keys against the same event by clicks, through the real
// windows: the keys go where the platform sends them (the control in focus
// of the window in front), pass the keyboard entry and take the same steps
// as the buttons; after each key every window is redrawn, as after a click.
#include <benchmark/benchmark.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "window_set.h"

namespace {

void press(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// The key of a step in the default keymap.
QKeyCombination key(int step) {
  static const Keymap keymap;
  return QKeySequence::fromString(QString::fromStdString(keymap.keys(step).front()))[0];
}
QKeyCombination key(const char* step) {
  return key(*keyStepIndex(step));
}

void type(QWidget* window, QKeyCombination k) {
  QWidget* focus = window->focusWidget();
  QTest::keyClick(focus ? focus : window, k.key(), k.keyboardModifiers());
}

// The same events as the click benchmark: a goal or a shot miss; `n` varies
// the person, team, place and zone. Both teams' lines 1 to 14 carry the
// shirt numbers 1 to 14, so the team's key goes first: five or six keys.
void keyEvent(const WindowSet& windows, int n) {
  const TeamId team = teamAt(n % 2);
  const int slot = 1 + n % 14;
  QWidget* match = windows.matchWindow();
  type(match, key(team == TeamId::One ? "team1" : "team2"));
  for (char c : std::to_string(slot)) type(match, key(("number" + std::string(1, c)).c_str()));
  type(match, key(keyStepOf(KeyGroup::MatchWindow, KeyStepKind::Action, 1 + n % 2)));
  QWidget* court = windows.courtDialog();
  type(court, key(keyStepOf(KeyGroup::CourtPlace, KeyStepKind::Place, 1 + n % 10)));
  type(court, key(keyStepOf(KeyGroup::CourtZone, KeyStepKind::Zone, 1 + n % 11)));
}

void clickEvent(const WindowSet& windows, int n) {
  const TeamId team = teamAt(n % 2);
  press(windows.matchWindow()->personButtons[teamIndex(team) * kRosterLines + 1 + n % 14]);
  press(windows.matchWindow()->actionButtons[n % 2]);
  press(windows.courtDialog()->locationButtons[n % 10]);
  press(windows.courtDialog()->zoneButtons[n % 11]);
}

std::unique_ptr<WindowSet> matchUnderWay(int events, bool byKeys) {
  auto windows = std::make_unique<WindowSet>();
  windows->match().timeOfDay = [] { return 0.5; };
  for (TeamId team : kBothTeams)
    for (int slot = 1; slot <= 14; ++slot)
      windows->match().team(team).lines[slot].number = std::to_string(slot);
  windows->start();
  press(windows->teamSheet()->ui.finishInputButton);
  press(windows->matchWindow()->ui.startButton);
  for (int n = 0; n < events; ++n) byKeys ? keyEvent(*windows, n) : clickEvent(*windows, n);
  return windows;
}

void runEvents(benchmark::State& state, bool byKeys) {
  const int before = static_cast<int>(state.range(0));
  auto windows = matchUnderWay(before, byKeys);
  int n = before;
  for (auto _ : state) {
    byKeys ? keyEvent(*windows, n) : clickEvent(*windows, n);
    // Keep the logs near the size under test.
    if (++n == before + 100) {
      state.PauseTiming();
      windows.reset();
      windows = matchUnderWay(before, byKeys);
      n = before;
      state.ResumeTiming();
    }
  }
  if (windows->match().events().size() < static_cast<size_t>(before))
    state.SkipWithError("the events were not recorded");
  state.counters["events in the logs"] = before;
}

void BM_EventByKeys(benchmark::State& state) {
  runEvents(state, true);
}
BENCHMARK(BM_EventByKeys)->Arg(0)->Arg(400)->Unit(benchmark::kMicrosecond);

void BM_EventByClicksBeside(benchmark::State& state) {
  runEvents(state, false);
}
BENCHMARK(BM_EventByClicksBeside)->Arg(0)->Unit(benchmark::kMicrosecond);

// One key against one click for the same step: the action chosen and taken
// back again on the court.
void oneStep(benchmark::State& state, bool byKey) {
  auto windows = matchUnderWay(0, byKey);
  press(windows->matchWindow()->personButtons[3]);
  for (auto _ : state) {
    if (byKey)
      type(windows->matchWindow(), key("action.shot-miss"));
    else
      press(windows->matchWindow()->actionButtons[1]);
    state.PauseTiming();
    press(windows->courtDialog()->ui.correctionButton);
    state.ResumeTiming();
  }
  if (windows->match().entry().stage != Stage::PersonPicked)
    state.SkipWithError("the action was not taken back");
}

void BM_ActionByKey(benchmark::State& state) {
  oneStep(state, true);
}
BENCHMARK(BM_ActionByKey)->Unit(benchmark::kMicrosecond);

void BM_ActionByClick(benchmark::State& state) {
  oneStep(state, false);
}
BENCHMARK(BM_ActionByClick)->Unit(benchmark::kMicrosecond);

// The same keys in the toolkit-free core alone: looking each key up and
// taking its step.
void BM_EventByKeysInTheCore(benchmark::State& state) {
  Match m;
  Screen s(m);
  m.timeOfDay = [] { return 0.5; };
  for (TeamId team : kBothTeams)
    for (int slot = 1; slot <= 14; ++slot) m.team(team).lines[slot].number = std::to_string(slot);
  s.finishInput();
  s.startMatch();
  KeyEntry keys;
  // The key names of the events, one cycle of the persons, places and
  // zones, looked up before the timing.
  auto name = [&](int step) { return keys.keymap().keys(step).front(); };
  std::vector<std::vector<std::string>> events;
  for (int n = 0; n < 2 * 7 * 10 * 11; ++n) {
    std::vector<std::string> event = {name(*keyStepIndex(n % 2 == 0 ? "team1" : "team2"))};
    for (char c : std::to_string(1 + n % 14))
      event.push_back(name(*keyStepIndex("number" + std::string(1, c))));
    event.push_back(name(keyStepOf(KeyGroup::MatchWindow, KeyStepKind::Action, 1 + n % 2)));
    event.push_back(name(keyStepOf(KeyGroup::CourtPlace, KeyStepKind::Place, 1 + n % 10)));
    event.push_back(name(keyStepOf(KeyGroup::CourtZone, KeyStepKind::Zone, 1 + n % 11)));
    events.push_back(std::move(event));
  }
  size_t n = 0;
  for (auto _ : state) {
    for (const std::string& key : events[n % events.size()]) keys.press(s, key, false);
    ++n;
  }
  if (m.events().size() != n) state.SkipWithError("events were lost");
}
BENCHMARK(BM_EventByKeysInTheCore)->Unit(benchmark::kMicrosecond);

// A shirt-number digit: nothing recorded, the typed person shown and its
// buttons marked.
void BM_DigitTyped(benchmark::State& state) {
  auto windows = matchUnderWay(0, true);
  QWidget* match = windows->matchWindow();
  type(match, key("team1"));
  for (auto _ : state) {
    type(match, key("number1"));
    type(match, key("correct"));
  }
  state.counters["keys per iteration"] = 2;
}
BENCHMARK(BM_DigitTyped)->Unit(benchmark::kMicrosecond);

}  // namespace
