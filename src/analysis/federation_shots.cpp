#include "federation_shots.h"

#include "goalkeeper.h"
#include "match.h"
#include "shoot_out.h"
#include "tallies.h"

FederationGroup federationGroupOf(const Event& shot) {
  if (shot.place == place::kPenaltyThrow) return FederationGroup::SevenMetre;
  switch (shot.facts.attack) {
    case AttackKind::FastBreak:
      return FederationGroup::FastBreak;
    case AttackKind::Breakthrough:
      return FederationGroup::Breakthrough;
    case AttackKind::EmptyGoal:
      return FederationGroup::EmptyGoal;
    default:
      break;
  }
  switch (shotGroupOf(shot.place)) {
    case ShotGroup::Wing:
      return FederationGroup::Wing;
    case ShotGroup::SixMetre:
      return FederationGroup::SixMetre;
    default:
      return FederationGroup::NineMetre;  // the backs and place 9
  }
}

namespace {

bool onTargetForKeeper(const Event& shot) {
  return shot.action == Action::Goal || shot.outcome() == MissOutcome::Saved;
}

}  // namespace

std::array<TeamFederationShots, kTeams> federationShots(const Match& match) {
  std::array<TeamFederationShots, kTeams> all;
  for (const Event& e : match.events()) {
    if (!countsAsShot(e) || isShootOutThrow(e)) continue;
    const int g = static_cast<int>(federationGroupOf(e));
    const bool goal = e.action == Action::Goal;
    TeamFederationShots& attackers = all[teamIndex(e.team)];
    const ShotCount c{1, goal ? 1 : 0};
    attackers.team.shots[g] += c;
    if (e.slot >= 0 && e.slot < kRosterLines) attackers.persons[e.slot].shots[g] += c;
    if (!onTargetForKeeper(e)) continue;
    TeamFederationShots& defenders = all[teamIndex(otherTeam(e.team))];
    const SaveCount s{1, goal ? 0 : 1};
    defenders.team.saves[g] += s;
    const int keeper = e.facts.goalkeeper;
    if (keeper >= 1 && keeper <= kLastPlayerSlot) defenders.persons[keeper].saves[g] += s;
  }
  return all;
}
