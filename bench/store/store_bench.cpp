// The match file: one event entered click by click with the file kept after
// each click, under both journal settings, and with facts said of it; an edit, which writes every
// event again; bringing back and opening a long match; looking for matches to bring back at
// start-up; the copy beside the saved tables.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "event_editor.h"
#include "match_file.h"
#include "match_fixture.h"
#include "match_listing.h"
#include "scratch_folder.h"
#include "screen.h"
#include "screen_in_file.h"

namespace {

namespace fs = std::filesystem;

// Every kind of event in turn, for persons of both teams; `keep` after each
// click.
template <typename Keep>
void recordEvent(Screen& s, TeamId team, int n, Keep keep) {
  const auto action = static_cast<Action>(1 + n % 6);
  s.pickPerson(team, 1 + n % 14);
  keep();
  s.chooseAction(action);
  keep();
  if (action == Action::TimeOut) {
    s.choosePlace(place::kBench);
    keep();
    s.chooseDetail(WindowId::TimeOut, 1);
    keep();
    return;
  }
  s.choosePlace(1 + n % 10);
  keep();
  if (isShot(action))
    s.chooseZone(1 + n % 11);
  else
    s.chooseDetail(dialogFor(action), action == Action::Foul ? 1 + n % 3 : 1);
  keep();
}

// A match with `eventsPerTeam` events per team, its match window shown.
struct RecordedMatch : ClockedMatch {
  explicit RecordedMatch(int eventsPerTeam) {
    screen.finishInput();
    recordMixed(eventsPerTeam);
  }
  Screen screen{m};
};

// Four clicks, the file kept after each: what the windows add to an event.
void BM_EventKeptAfterEachClick(benchmark::State& state) {
  const auto durability = static_cast<Durability>(state.range(0));
  TempFolder folder;
  RecordedMatch r(200);
  MatchFile file = MatchFile::create(folder.path(), std::chrono::system_clock::now(), durability);
  file.commit(r.m, storedScreen(r.screen));
  int n = 0;
  for (auto _ : state) {
    recordEvent(r.screen, teamAt(n % 2), n, [&] { file.commit(r.m, storedScreen(r.screen)); });
    ++n;
  }
  state.SetLabel(durability == Durability::EveryStep    ? "FULL at every click"
                 : durability == Durability::EveryEvent ? "FULL once no event is open"
                                                        : "NORMAL, synced in the background");
}
BENCHMARK(BM_EventKeptAfterEachClick)
    ->Arg(static_cast<int>(Durability::EveryStep))
    ->Arg(static_cast<int>(Durability::EveryEvent))
    ->Arg(static_cast<int>(Durability::Background))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

// The same in the background setting, then waiting until the event is on the
// disk: how long a power cut could take it back.
void BM_EventKeptUntilOnDisk(benchmark::State& state) {
  TempFolder folder;
  RecordedMatch r(200);
  MatchFile file = MatchFile::create(folder.path());
  file.commit(r.m, storedScreen(r.screen));
  int n = 0;
  for (auto _ : state) {
    recordEvent(r.screen, teamAt(n % 2), n, [&] { file.commit(r.m, storedScreen(r.screen)); });
    ++n;
    file.waitUntilOnDisk();
  }
}
BENCHMARK(BM_EventKeptUntilOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The four clicks and then two facts said of the event (the kind of attack,
// and how the miss ended or the assist), each kept: the facts write the
// event again, not the match's other events.
void BM_EventAndFactsKept(benchmark::State& state) {
  TempFolder folder;
  RecordedMatch r(static_cast<int>(state.range(0)));
  MatchFile file = MatchFile::create(folder.path());
  auto keep = [&] { file.commit(r.m, storedScreen(r.screen)); };
  keep();
  int n = 0;
  for (auto _ : state) {
    recordEvent(r.screen, teamAt(n % 2), n, keep);
    EventFacts f{MissOutcome::Unsaid, AttackKind::FastBreak};
    r.m.setLastFacts(f);
    keep();
    f.outcome = MissOutcome::Post;
    f.assist = 1 + (n + 3) % kLastPlayerSlot;
    r.m.setLastFacts(f);
    keep();
    ++n;
  }
  state.counters["events per team"] = static_cast<double>(state.range(0));
  state.SetLabel("six clicks, NORMAL, synced in the background");
}
BENCHMARK(BM_EventAndFactsKept)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same four clicks with nothing kept.
void BM_EventNotKept(benchmark::State& state) {
  RecordedMatch r(200);
  int n = 0;
  for (auto _ : state) {
    recordEvent(r.screen, teamAt(n % 2), n, [] {});
    ++n;
  }
}
BENCHMARK(BM_EventNotKept)->Unit(benchmark::kMicrosecond);

// An edit and its undo, each kept: every event written again.
void BM_EditKept(benchmark::State& state) {
  TempFolder folder;
  RecordedMatch r(static_cast<int>(state.range(0)));
  MatchFile file = MatchFile::create(folder.path());
  file.commit(r.m, storedScreen(r.screen));
  EventEditor editor(r.m);
  for (auto _ : state) {
    editor.remove(TeamId::One, 0);
    file.commit(r.m, storedScreen(r.screen));
    editor.undo();
    file.commit(r.m, storedScreen(r.screen));
  }
  state.SetLabel("two commits");
}
BENCHMARK(BM_EditKept)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening a kept match of 1,000 events per team and bringing it back.
void BM_RestoreMatch(benchmark::State& state) {
  TempFolder folder;
  fs::path path;
  {
    RecordedMatch r(static_cast<int>(state.range(0)));
    MatchFile file = MatchFile::create(folder.path());
    file.commit(r.m, storedScreen(r.screen));
    path = file.path();
  }
  for (auto _ : state) {
    Match m;
    Screen s(m);
    MatchFile file = MatchFile::open(path);
    s.restore(screenState(file.restoreInto(m)));
    benchmark::DoNotOptimize(m.events().size());
  }
}
BENCHMARK(BM_RestoreMatch)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Start-up: the data folder looked through for a match to bring back, with
// no file at all, and with that many matches that ended properly.
void BM_ListRestorable(benchmark::State& state) {
  TempFolder folder;
  for (int i = 0; i < state.range(0); ++i) {
    RecordedMatch r(100);
    MatchFile file = MatchFile::create(folder.path());
    file.commit(r.m, storedScreen(r.screen));
    file.markEndedCleanly();
  }
  for (auto _ : state) benchmark::DoNotOptimize(listRestorable(folder.path()).restorable.size());
}
BENCHMARK(BM_ListRestorable)->Arg(0)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

// The copy beside the saved tables, 1,000 events per team.
void BM_BackupBesideTheTables(benchmark::State& state) {
  TempFolder folder;
  RecordedMatch r(1000);
  MatchFile file = MatchFile::create(folder.path());
  file.commit(r.m, storedScreen(r.screen));
  const std::string target = (folder.path() / "試合.hbmatch").string();
  for (auto _ : state) file.backupTo(target);
}
BENCHMARK(BM_BackupBesideTheTables)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
