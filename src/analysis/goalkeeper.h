// The goalkeeper's view of a goal, from the shots of the team attacking it:
// for the team that defends it, and for each of its players who was in goal
// (Event::facts.goalkeeper; a shot against nobody known counts for the team
// alone).
//
// Every goal is a goal against and a shot on target, whatever zone was
// clicked; a missed shot is on target only when it was saved (its outcome,
// said or by default: セーブ inside the goal, 枠外 outside). Posts, blocked
// shots and shots wide are not on target and are counted apart. An on-target
// shot clicked outside left or right has no zone: it goes to a cell of its
// own, "zone not known". Save rate = saves / (saves + goals against).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "event.h"
#include "shot_count.h"
#include "words.h"

// Where a shot was taken from, as analysts group the court places: 6 m (the
// posts 2, 3, 4), the wings (1, 5), 9 m (the backs 6, 7, 8) and the 7 m
// throws (10). A shot from the own half (place 9, 相手陣地) is kept apart
// rather than folded into 9 m: it is nearly always at an empty or a far-out
// goal, and would flatter or spoil the 9 m save rate.
enum class ShotGroup : int { SixMetre = 0, Wing = 1, NineMetre = 2, SevenMetre = 3, Distance = 4 };
inline constexpr int kShotGroups = 5;
inline constexpr std::array<std::string_view, kShotGroups> kShotGroupWords = {"6m", "サイド", "9m",
                                                                              "7m", "相手陣地"};
// The group of a court place 1..10.
ShotGroup shotGroupOf(int place);

// The caption of the cell of on-target shots clicked outside the goal.
inline constexpr std::string_view kZoneNotKnownWord = "位置不明";

// Zones 2..10: the three columns of three inside the goal.
inline bool onTarget(int zone) {
  return zoneInGoal(zone);
}

struct GoalkeeperFigures {
  std::array<SaveCount, kGoalZones + 1> byZone{};         // zones 2..10; 1 and 11 stay empty
  SaveCount zoneNotKnown;                                 // on target, clicked outside the goal
  std::array<SaveCount, kGoalZones + 1> penaltyByZone{};  // the 7 m throws among them
  SaveCount penaltyZoneNotKnown;
  std::array<SaveCount, kShotGroups> byGroup{};    // by ShotGroup
  std::array<SaveCount, kAttackKinds> byAttack{};  // by AttackKind
  SaveCount total;                                 // 7 m throws included
  SaveCount penalty;                               // 7 m throws only
  // The shots faced that were not on target.
  int32_t posts = 0;
  int32_t blocked = 0;
  int32_t wide = 0;

  SaveCount field() const {
    return {total.onTarget - penalty.onTarget, total.saves - penalty.saves};
  }
  int32_t shotsFaced() const { return total.onTarget + posts + blocked + wide; }
  const SaveCount& group(ShotGroup g) const { return byGroup[static_cast<int>(g)]; }
  const SaveCount& attack(AttackKind a) const { return byAttack[static_cast<int>(a)]; }
};

// Adds one shot of the attacking team (a completed goal or missed shot with
// its place and zone, countsAsShot) to the view of the goal it was shot at.
void addShotFaced(GoalkeeperFigures& g, const Event& shot);
