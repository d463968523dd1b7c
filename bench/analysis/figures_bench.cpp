// Every figure of the analysis recomputed over a match of range(0) events
// per team, spread over every action, place, zone, fact and both halves,
// with suspensions running: the figures of figures.h and the match statistics.
#include <benchmark/benchmark.h>

#include "attacks.h"
#include "federation_shots.h"
#include "figures.h"
#include "lost_and_penalties.h"
#include "match.h"
#include "match_periods.h"
#include "numbers_on_court.h"
#include "runs.h"
#include "time_out_effect.h"

namespace {

Event eventAt(int n, int total) {
  static constexpr Action kinds[] = {Action::Goal,     Action::ShotMiss,   Action::Goal,
                                     Action::KeepMiss, Action::PenaltyWon, Action::ShotMiss,
                                     Action::Goal,     Action::Foul};
  Event e;
  e.team = teamAt(n % 2);
  e.slot = 1 + n % 14;
  e.clockSeconds = static_cast<int>(int64_t{n} * 3600 / total);
  e.period = e.clockSeconds < 1800 ? 1 : 2;
  e.action = kinds[(n / 2) % 8];
  e.place = 1 + n % 10;
  e.detail = e.action == Action::Foul         ? 1 + n % 3
             : e.action == Action::KeepMiss   ? 1 + n % 7
             : e.action == Action::PenaltyWon ? 1 + n % 4
                                              : 1 + n % 11;
  if (n % 97 == 0) {
    e.action = Action::TimeOut;
    e.place = place::kBench;
    e.detail = 1;
    e.slot = 0;
  }
  e.facts = fittingFacts(e.action, e.slot, e.detail,
                         {static_cast<MissOutcome>(n % 5), static_cast<AttackKind>(n % 4),
                          1 + (n + 3) % 14, 1 + n % 2});
  return e;
}

void BM_AllFigures(benchmark::State& state) {
  const int perTeam = static_cast<int>(state.range(0));
  Match match;
  MatchState s = match.state();
  for (int n = 0; n < 2 * perTeam; ++n) s.events.push_back(eventAt(n, 2 * perTeam));
  match.restore(s);
  for (auto _ : state) {
    const MatchFigures f = matchFigures(match);
    benchmark::DoNotOptimize(f);
    benchmark::DoNotOptimize(attackFigures(f.team(TeamId::One)));
    benchmark::DoNotOptimize(federationShots(match));
    benchmark::DoNotOptimize(numbersOnCourt(match));
    benchmark::DoNotOptimize(matchStretches(match));
    benchmark::DoNotOptimize(runFigures(match));
    benchmark::DoNotOptimize(timeOutEffects(match));
    benchmark::DoNotOptimize(lostAndPenalties(match));
  }
  state.counters["events per team"] = perTeam;
}
BENCHMARK(BM_AllFigures)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// The match statistics alone.
void BM_NewFigures(benchmark::State& state) {
  const int perTeam = static_cast<int>(state.range(0));
  Match match;
  MatchState s = match.state();
  for (int n = 0; n < 2 * perTeam; ++n) s.events.push_back(eventAt(n, 2 * perTeam));
  match.restore(s);
  for (auto _ : state) {
    benchmark::DoNotOptimize(federationShots(match));
    benchmark::DoNotOptimize(numbersOnCourt(match));
    benchmark::DoNotOptimize(matchStretches(match));
    benchmark::DoNotOptimize(runFigures(match));
    benchmark::DoNotOptimize(timeOutEffects(match));
    benchmark::DoNotOptimize(lostAndPenalties(match));
  }
  state.counters["events per team"] = perTeam;
}
BENCHMARK(BM_NewFigures)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
