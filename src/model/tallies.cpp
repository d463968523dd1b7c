#include "tallies.h"

#include "match.h"
#include "shoot_out.h"

namespace {

Tally sanctionTally(int sanction) {
  return static_cast<Tally>(static_cast<int>(Tally::Warning) + sanction - 1);
}

void countChosenAction(TeamTallies& t, const Event& e) {
  if (e.action == Action::Foul) return;  // counted by its sanction
  t.persons[static_cast<int>(e.action) - 1][e.slot] += 1;
}

void countCompleted(TeamTallies& t, const Event& e) {
  countChosenAction(t, e);
  switch (e.action) {
    case Action::Goal:
    case Action::ShotMiss:
      if (countsAsShot(e)) {
        auto& grid = e.action == Action::Goal ? t.goals : t.shotMisses;
        grid[e.slot][e.place][e.detail] += 1;
      }
      break;
    case Action::KeepMiss:
      if (e.isPlayer() && e.detail >= 1 && e.detail <= kKeepMissKinds)
        t.keepMisses[e.slot][e.detail] += 1;
      break;
    case Action::Foul:
      t.persons[static_cast<int>(sanctionTally(e.detail))][e.slot] += 1;
      break;
    default:
      break;
  }
}

}  // namespace

bool countsAsShot(const Event& e) {
  return isShot(e.action) && e.isPlayer() && e.place >= 1 && e.place <= place::kBench &&
         e.detail >= 1 && e.detail <= kGoalZones;
}

Tallies countMatchPlay(const Match& match) {
  Tallies tallies;
  for (const Event& e : match.events())
    if (!isShootOutThrow(e)) countCompleted(tallies.teams[teamIndex(e.team)], e);
  return tallies;
}

Tallies countEvents(const Match& match) {
  Tallies tallies;
  for (const Event& e : match.events()) countCompleted(tallies.teams[teamIndex(e.team)], e);
  const Entry& open = match.entry();
  if (open.reached(Stage::ActionChosen))
    countChosenAction(tallies.teams[teamIndex(open.event.team)], open.event);
  return tallies;
}

int64_t contributionScore(const TeamTallies& t, int slot) {
  return 2 * int64_t{t.person(Tally::Goal, slot)} - t.person(Tally::ShotMiss, slot) -
         t.person(Tally::KeepMiss, slot) + t.person(Tally::PenaltyWon, slot) -
         t.person(Tally::Warning, slot) - 2 * int64_t{t.person(Tally::Suspension, slot)} -
         3 * int64_t{t.person(Tally::Disqualification, slot)};
}
