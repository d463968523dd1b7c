#include "numbers_on_court.h"

#include <algorithm>

#include "match.h"
#include "shoot_out.h"
#include "tallies.h"

namespace {

int playersAt(const std::vector<SuspensionStretch>& stretches, int seconds) {
  int short_ = 0;
  for (const SuspensionStretch& s : stretches)
    if (s.start <= seconds && seconds < s.end) ++short_;  // one person's never overlap
  return std::max(0, kCourtPlayers - short_);
}

}  // namespace

std::optional<double> SituationFigures::efficiency() const {
  if (attacks() == 0) return std::nullopt;
  return static_cast<double>(shots.goals) / attacks();
}

Situation situationAt(const std::array<std::vector<SuspensionStretch>, kTeams>& stretches,
                      TeamId team, int seconds) {
  const int own = playersAt(stretches[teamIndex(team)], seconds);
  const int other = playersAt(stretches[teamIndex(otherTeam(team))], seconds);
  if (own > other) return Situation::Superiority;
  if (own < other) return Situation::Inferiority;
  return Situation::Equal;
}

NumbersOnCourt numbersOnCourt(const Match& match) {
  std::array<std::vector<SuspensionStretch>, kTeams> stretches;
  for (TeamId t : kBothTeams) stretches[teamIndex(t)] = suspensionStretches(match, t);
  NumbersOnCourt n;
  for (TeamId t : kBothTeams)
    for (const SuspensionStretch& s : stretches[teamIndex(t)]) n.suspensions.push_back({s});
  for (const Event& e : match.events()) {
    if (isShootOutThrow(e)) continue;
    const int s = static_cast<int>(situationAt(stretches, e.team, e.clockSeconds));
    SituationFigures& f = n.teams[teamIndex(e.team)][s];
    ++f.events;
    if (countsAsShot(e)) f.shots += {1, e.action == Action::Goal ? 1 : 0};
    if (e.action == Action::KeepMiss) ++f.lost;
    if (e.action != Action::Goal) continue;
    for (SuspensionEffect& x : n.suspensions)
      if (x.stretch.start <= e.clockSeconds && e.clockSeconds < x.stretch.end)
        ++(x.stretch.team == e.team ? x.goalsFor : x.goalsAgainst);
  }
  return n;
}
