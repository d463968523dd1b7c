// The figures of a match per team and per person, over the whole match. Only
// completed events count: the event being entered counts once its last
// step is taken. The counts come from countCompletedEvents, so they agree
// with the saved tables wherever both show the same count; what the tables
// do not hold (how a miss ended, the kind of attack, the assist, the
// goalkeeper's view) comes from the facts said of each shot (event_facts.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "goalkeeper.h"
#include "halves.h"
#include "score_flow.h"
#include "shoot_out.h"
#include "shot_count.h"
#include "words.h"

class Match;

// Shots of a person or a team. A 7 m throw is a shot from the place "PT":
// it is in every total and also counted apart.
struct ShotFigures {
  std::array<ShotCount, kCourtPlaces + 1> byPlace{};      // [1..10]; [10] the 7 m throws
  std::array<ShotCount, kGoalZones + 1> byZone{};         // [1..11], 7 m throws included
  std::array<ShotCount, kGoalZones + 1> penaltyByZone{};  // [1..11], 7 m throws only
  ShotCount total;                                        // every shot, 7 m throws included
  // How the misses ended (Event::outcome): [1] saved, [2] post, [3] blocked,
  // [4] wide, by MissOutcome.
  std::array<int32_t, kMissOutcomes + 1> missesBy{};
  std::array<ShotCount, kAttackKinds> byAttack{};  // by AttackKind

  const ShotCount& penalty() const { return byPlace[place::kPenaltyThrow]; }
  int32_t misses(MissOutcome o) const { return missesBy[static_cast<int>(o)]; }
  // Goals and saved shots: the shots on target, as the goalkeepers count them.
  int32_t onTarget() const { return total.goals + misses(MissOutcome::Saved); }
  const ShotCount& attack(AttackKind a) const { return byAttack[static_cast<int>(a)]; }
  // The shots from the court, without the 7 m throws.
  ShotCount field() const { return total - penalty(); }
};

// What one person did, 7 m throws and sanctions included.
struct PersonFigures {
  int slot = 0;  // 0 the official, 1..14 players
  // The roster line as it reads now.
  std::string number;
  std::string name;
  ShotFigures shots;          // players only; the official never shoots
  int32_t assists = 0;        // goals of teammates this player gave the last pass to
  bool goalkeeper = false;    // the roster line is marked as a goalkeeper
  GoalkeeperFigures keeping;  // the shots faced while in goal (goalkeeper.h)
  std::array<int32_t, kKeepMissKinds + 1> lostByKind{};  // [1..7]
  int32_t lost = 0;                                      // lost possessions of every kind
  int32_t penaltiesWon = 0;
  int32_t timeOuts = 0;
  int32_t warnings = 0;
  int32_t suspensions = 0;
  int32_t disqualifications = 0;
  // The player table's contribution score (tallies.h).
  int64_t contribution = 0;

  // Whether any completed event of this person was recorded, he gave an
  // assist or faced a shot in goal.
  bool active() const;
  // Whether the analysis shows his goalkeeper's view: marked as a
  // goalkeeper, or he faced a shot in goal.
  bool keeps() const { return goalkeeper || keeping.shotsFaced() > 0; }
  // Whether tables list this line: it has a number, a name or an event.
  bool listed() const { return !number.empty() || !name.empty() || active(); }
};

struct TimeOutFigure {
  int clockSeconds = 0;
  int slot = 0;
  int situation = 0;         // the score situation's code (kSituationWords)
  std::string time() const;  // "mm:ss", as the clock panel showed it
  bool operator==(const TimeOutFigure&) const = default;
};

struct TeamFigures {
  TeamId team = TeamId::One;
  std::string name;
  int32_t goals = 0;
  ShotFigures shots;             // the team's players together
  GoalkeeperFigures goalkeeper;  // the goal this team defends, every goalkeeper together
  int32_t assists = 0;
  std::array<int32_t, kKeepMissKinds + 1> lostByKind{};
  int32_t lost = 0;
  int32_t penaltiesWon = 0;
  int32_t warnings = 0;
  int32_t suspensions = 0;
  int32_t disqualifications = 0;
  std::vector<TimeOutFigure> timeOuts;  // in recorded order
  // The sum of the persons' scores, as the player table's totals row.
  int64_t contribution = 0;
  std::array<PersonFigures, kRosterLines> persons;  // by slot
};

struct MatchFigures {
  std::array<TeamFigures, kTeams> teams;
  std::vector<ScorePoint> scoreFlow;  // after every goal
  std::vector<HalfFigures> halves;    // each half played, in order
  ShootOut shootOut;                  // the match's goals do not hold its goals

  const TeamFigures& team(TeamId t) const { return teams[teamIndex(t)]; }
};

MatchFigures matchFigures(const Match& match);
