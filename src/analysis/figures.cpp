#include "figures.h"

#include "goalkeeper.h"
#include "match.h"
#include "match_clock.h"
#include "shoot_out.h"
#include "tallies.h"

namespace {

void addShots(ShotFigures& f, const TeamTallies& t, int slot) {
  for (int place = 1; place <= kCourtPlaces; ++place)
    for (int zone = 1; zone <= kGoalZones; ++zone) {
      const int32_t goals = t.goals[slot][place][zone];
      const ShotCount c{goals + t.shotMisses[slot][place][zone], goals};
      f.byPlace[place] += c;
      f.byZone[zone] += c;
      f.total += c;
      if (place == place::kPenaltyThrow) f.penaltyByZone[zone] += c;
    }
}

PersonFigures personFigures(const Team& team, const TeamTallies& t, int slot) {
  PersonFigures p;
  p.slot = slot;
  p.number = team.lines[slot].number;
  p.name = team.lines[slot].name;
  p.goalkeeper = team.lines[slot].goalkeeper;
  if (slot != kOfficialSlot) addShots(p.shots, t, slot);
  for (int kind = 1; kind <= kKeepMissKinds; ++kind) {
    p.lostByKind[kind] = t.keepMisses[slot][kind];
    p.lost += p.lostByKind[kind];
  }
  p.penaltiesWon = t.person(Tally::PenaltyWon, slot);
  p.timeOuts = t.person(Tally::TimeOut, slot);
  p.warnings = t.person(Tally::Warning, slot);
  p.suspensions = t.person(Tally::Suspension, slot);
  p.disqualifications = t.person(Tally::Disqualification, slot);
  p.contribution = contributionScore(t, slot);
  return p;
}

TeamFigures teamFigures(const Match& match, const Tallies& tallies, TeamId team) {
  const TeamTallies& t = tallies.team(team);
  TeamFigures f;
  f.team = team;
  f.name = match.team(team).name;
  for (int slot = 0; slot < kRosterLines; ++slot) {
    PersonFigures& p = f.persons[slot];
    p = personFigures(match.team(team), t, slot);
    f.goals += t.person(Tally::Goal, slot);
    if (slot != kOfficialSlot) addShots(f.shots, t, slot);
    for (int kind = 1; kind <= kKeepMissKinds; ++kind) f.lostByKind[kind] += p.lostByKind[kind];
    f.lost += p.lost;
    f.penaltiesWon += p.penaltiesWon;
    f.warnings += p.warnings;
    f.suspensions += p.suspensions;
    f.disqualifications += p.disqualifications;
    f.contribution += p.contribution;
  }
  for (const Event& e : match.events())
    if (e.team == team && e.action == Action::TimeOut)
      f.timeOuts.push_back({e.clockSeconds, e.slot, e.detail});
  return f;
}

// What the tallies do not hold, from the facts said of each shot: how the
// misses ended, the kind of attack, the assists, and the goalkeepers' view.
void addShotFacts(MatchFigures& f, const Match& match) {
  for (const Event& e : match.events()) {
    if (!countsAsShot(e) || isShootOutThrow(e)) continue;
    TeamFigures& attackers = f.teams[teamIndex(e.team)];
    PersonFigures& shooter = attackers.persons[e.slot];
    const bool goal = e.action == Action::Goal;
    const ShotCount c{1, goal ? 1 : 0};
    const int attack = static_cast<int>(e.facts.attack);
    if (attack >= 0 && attack < kAttackKinds) {
      attackers.shots.byAttack[attack] += c;
      shooter.shots.byAttack[attack] += c;
    }
    if (!goal) {
      const int outcome = static_cast<int>(e.outcome());
      if (outcome >= 1 && outcome <= kMissOutcomes) {
        ++attackers.shots.missesBy[outcome];
        ++shooter.shots.missesBy[outcome];
      }
    }
    const int passer = e.facts.assist;
    if (goal && passer >= 1 && passer <= kLastPlayerSlot && passer != e.slot) {
      ++attackers.persons[passer].assists;
      ++attackers.assists;
    }
    TeamFigures& defenders = f.teams[teamIndex(otherTeam(e.team))];
    addShotFaced(defenders.goalkeeper, e);
    const int keeper = e.facts.goalkeeper;
    if (keeper >= 1 && keeper <= kLastPlayerSlot)
      addShotFaced(defenders.persons[keeper].keeping, e);
  }
}

}  // namespace

bool PersonFigures::active() const {
  return shots.total.shots > 0 || assists > 0 || keeping.shotsFaced() > 0 || lost > 0 ||
         penaltiesWon > 0 || timeOuts > 0 || warnings > 0 || suspensions > 0 ||
         disqualifications > 0;
}

std::string TimeOutFigure::time() const {
  return clockText(clockSeconds);
}

MatchFigures matchFigures(const Match& match) {
  const Tallies tallies = countMatchPlay(match);
  MatchFigures f;
  for (TeamId team : kBothTeams) f.teams[teamIndex(team)] = teamFigures(match, tallies, team);
  addShotFacts(f, match);
  f.scoreFlow = scoreFlow(match);
  f.halves = halfFigures(match);
  f.shootOut = shootOut(match);
  return f;
}
