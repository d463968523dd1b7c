#include "goalkeeper.h"

ShotGroup shotGroupOf(int place) {
  using namespace place;
  switch (place) {
    case kLeftWing:
    case kRightWing:
      return ShotGroup::Wing;
    case kLeftBack:
    case kCentre:
    case kRightBack:
      return ShotGroup::NineMetre;
    case kPenaltyThrow:
      return ShotGroup::SevenMetre;
    case kOpponentHalf:
      return ShotGroup::Distance;
    default:
      return ShotGroup::SixMetre;
  }
}

void addShotFaced(GoalkeeperFigures& g, const Event& shot) {
  const bool goal = shot.action == Action::Goal;
  if (!goal) {
    switch (shot.outcome()) {
      case MissOutcome::Post:
        ++g.posts;
        return;
      case MissOutcome::Blocked:
        ++g.blocked;
        return;
      case MissOutcome::Wide:
        ++g.wide;
        return;
      default:
        break;  // saved: on target
    }
  }
  const SaveCount c{1, goal ? 0 : 1};
  const bool penalty = shot.place == place::kPenaltyThrow;
  const bool zoneKnown = zoneInGoal(shot.detail);
  (zoneKnown ? g.byZone[shot.detail] : g.zoneNotKnown) += c;
  if (penalty) {
    (zoneKnown ? g.penaltyByZone[shot.detail] : g.penaltyZoneNotKnown) += c;
    g.penalty += c;
  }
  g.byGroup[static_cast<int>(shotGroupOf(shot.place))] += c;
  const int attack = static_cast<int>(shot.facts.attack);
  if (attack >= 0 && attack < kAttackKinds) g.byAttack[attack] += c;
  g.total += c;
}
