// Shots in the layout of the federations' match statistics (IHF, EHF): 6 m,
// wing, 9 m, 7 m, fast break, breakthrough, empty goal; per team, per
// player, and the goalkeepers' saves in the same groups.
//
// Each shot falls in exactly one group. A 7 m throw is always 7 m: the kind
// of attack said of it is that of the attack that won it (event_facts.h, "a
// 7 m throw is known by its place"). Any other shot goes by its kind of
// attack first (速攻, 突破, 空ゴール), and a set attack by its place: the
// posts (2, 3, 4) 6 m, the wings (1, 5) wing, the backs (6, 7, 8) 9 m. A
// shot from place 9 (相手陣地) in a set attack counts as 9 m, as the
// federations count every shot from beyond nine metres: their layout has no
// group of its own for it (the goalkeeper's view in goalkeeper.h keeps it
// apart as 相手陣地).
#pragma once

#include <array>
#include <string_view>

#include "event.h"
#include "shot_count.h"
#include "words.h"

class Match;

enum class FederationGroup : int {
  SixMetre = 0,
  Wing = 1,
  NineMetre = 2,
  SevenMetre = 3,
  FastBreak = 4,
  Breakthrough = 5,
  EmptyGoal = 6,
};
inline constexpr int kFederationGroups = 7;
inline constexpr std::array<std::string_view, kFederationGroups> kFederationGroupWords = {
    "6m", "サイド", "9m", "7m", "速攻", "突破", "空ゴール"};

// The group of a shot (a goal or a missed shot with its place).
FederationGroup federationGroupOf(const Event& shot);

struct FederationShots {
  std::array<ShotCount, kFederationGroups> shots{};  // the shots taken
  std::array<SaveCount, kFederationGroups> saves{};  // the goalkeepers' view of the shots faced

  const ShotCount& group(FederationGroup g) const { return shots[static_cast<int>(g)]; }
  const SaveCount& saved(FederationGroup g) const { return saves[static_cast<int>(g)]; }
};

struct TeamFederationShots {
  FederationShots team;
  std::array<FederationShots, kRosterLines> persons;  // by slot; saves by the goalkeeper faced
};

// Completed shots only (countsAsShot). A shot is on target for the
// goalkeeper as goalkeeper.h says: goals and saved misses.
std::array<TeamFederationShots, kTeams> federationShots(const Match& match);
