#include "shoot_out.h"

#include <algorithm>

#include "match.h"

void ShootOut::add(const Event& e) {
  if (!isShot(e.action)) return;
  if (!first) first = e.team;
  ++throws[teamIndex(e.team)];
  goals[teamIndex(e.team)] += e.action == Action::Goal;
}

bool ShootOut::decided() const {
  if (throws[0] > kRounds || throws[1] > kRounds || (throws[0] == kRounds && throws[1] == kRounds))
    return throws[0] == throws[1] && goals[0] != goals[1];
  const int left0 = kRounds - std::min(throws[0], kRounds);
  const int left1 = kRounds - std::min(throws[1], kRounds);
  return goals[0] > goals[1] + left1 || goals[1] > goals[0] + left0;
}

bool ShootOut::outOfTurn(TeamId team) const {
  if (!first) return false;
  const int own = throws[teamIndex(team)];
  const int other = throws[teamIndex(otherTeam(team))];
  return own > other || (own == other && team != *first);
}

ShootOut shootOut(const Match& m) {
  ShootOut s;
  for (const Event& e : m.events())
    if (inShootOut(e)) s.add(e);
  return s;
}

std::string shootOutText(const ShootOut& s) {
  if (!s.taken()) return "";
  return "(7mTC " + std::to_string(s.goals[0]) + "-" + std::to_string(s.goals[1]) + ")";
}
