#include "halves.h"

#include <algorithm>

#include "match.h"
#include "shoot_out.h"
#include "tallies.h"

namespace {

int periodOf(int period) {
  // Whatever the shoot-out holds besides its throws counts in the last overtime.
  return std::clamp(period, 1, Periods::kShootOut - 1);
}

}  // namespace

std::vector<HalfFigures> halfFigures(const Match& match) {
  int last = 2;
  if (match.clock().started()) last = std::max(last, periodOf(match.clock().period()));
  for (const Event& e : match.events()) last = std::max(last, periodOf(e.period));

  std::vector<HalfFigures> halves(static_cast<size_t>(last));
  for (int p = 1; p <= last; ++p) halves[p - 1].period = p;
  for (const Event& e : match.events()) {
    if (isShootOutThrow(e)) continue;
    ShotCount& c = halves[periodOf(e.period) - 1].shots[teamIndex(e.team)];
    // Goals as the score counts them, shots as the shot figures do.
    if (e.action == Action::Goal) ++c.goals;
    if (countsAsShot(e)) ++c.shots;
  }
  Score running;
  for (HalfFigures& h : halves) {
    running.team1 += h.team(TeamId::One).goals;
    running.team2 += h.team(TeamId::Two).goals;
    h.score = running;
  }
  // The shoot-out last, with its throws as shots and its own score.
  const ShootOut s = shootOut(match);
  if (s.taken()) {
    HalfFigures& h = halves.emplace_back();
    h.period = Periods::kShootOut;
    for (int t = 0; t < kTeams; ++t) h.shots[t] = {s.throws[t], s.goals[t]};
    h.score = {s.goals[0], s.goals[1]};
  }
  return halves;
}
