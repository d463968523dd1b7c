// The figures of a match per team and per person, over the whole match. Only
// completed events count: the event being entered counts once its last
// step is taken. The counts come from countCompletedEvents, so they agree
// with the saved tables wherever both show the same count.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "halves.h"
#include "score_flow.h"
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

  const ShotCount& penalty() const { return byPlace[place::kPenaltyThrow]; }
  // The shots from the court, without the 7 m throws.
  ShotCount field() const { return total - penalty(); }
};

// The goalkeeper's view of the goal a team defends, from the other team's
// shots: a shot into one of the nine zones (2..10) is on target; a missed
// one there counts as a save. Misses outside left or right (1 and 11) are
// not on target.
struct GoalkeeperFigures {
  std::array<SaveCount, kGoalZones + 1> byZone{};         // zones 2..10; 1 and 11 stay empty
  std::array<SaveCount, kGoalZones + 1> penaltyByZone{};  // the 7 m throws among them
  SaveCount total;                                        // 7 m throws included
  SaveCount penalty;                                      // 7 m throws only
  int32_t wide = 0;                                       // missed shots outside left or right

  SaveCount field() const {
    return {total.onTarget - penalty.onTarget, total.saves - penalty.saves};
  }
};

// What one person did, 7 m throws and sanctions included.
struct PersonFigures {
  int slot = 0;  // 0 the official, 1..14 players
  // The roster line as it reads now.
  std::string number;
  std::string name;
  ShotFigures shots;                                     // players only; the official never shoots
  std::array<int32_t, kKeepMissKinds + 1> lostByKind{};  // [1..7]
  int32_t lost = 0;                                      // lost possessions of every kind
  int32_t penaltiesWon = 0;
  int32_t timeOuts = 0;
  int32_t warnings = 0;
  int32_t suspensions = 0;
  int32_t disqualifications = 0;
  // The player table's contribution score (tallies.h).
  int64_t contribution = 0;

  // Whether any completed event of this person was recorded.
  bool active() const;
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
  GoalkeeperFigures goalkeeper;  // the goal this team defends
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

  const TeamFigures& team(TeamId t) const { return teams[teamIndex(t)]; }
};

MatchFigures matchFigures(const Match& match);
