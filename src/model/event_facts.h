// What analysts add to a recorded event beyond the four clicks that record
// it: how a missed shot ended, the kind of attack, the assist on a goal,
// the goalkeeper the shot was taken against, and whether a disqualification
// came with the referees' written report. None of it is in the saved
// tables; the analysis, the workbook and the report count by it. Every fact
// is optional: an event nobody said anything more of has the defaults.
#pragma once

#include <array>
#include <string_view>

#include "words.h"

// How a missed shot ended. Numbers kept in match files: never renumber.
enum class MissOutcome : int { Unsaid = 0, Saved = 1, Post = 2, Blocked = 3, Wide = 4 };
inline constexpr int kMissOutcomes = 4;
inline constexpr std::array<std::string_view, 5> kMissOutcomeWords = {"", "セーブ", "ポスト",
                                                                      "ブロック", "枠外"};

// The kind of attack a shot or a lost possession came from. A 7 m throw is
// known by its place. Numbers kept in match files: never renumber.
enum class AttackKind : int { Set = 0, FastBreak = 1, Breakthrough = 2, EmptyGoal = 3 };
inline constexpr int kAttackKinds = 4;  // the set attack included
inline constexpr std::array<std::string_view, 4> kAttackWords = {"セット", "速攻", "突破",
                                                                 "空ゴール"};

struct EventFacts {
  MissOutcome outcome = MissOutcome::Unsaid;  // a missed shot
  AttackKind attack = AttackKind::Set;        // a shot or a lost possession
  int assist = 0;      // a goal: the roster slot of the teammate who gave the last pass; 0 none
  int goalkeeper = 0;  // a shot: the other team's player in goal (slot); 0 not known
  // A disqualification the referees report in writing (shown with the blue
  // card since 2016): the disciplinary body may add to the sanction.
  bool writtenReport = false;
  bool operator==(const EventFacts&) const = default;
};

inline bool takesOutcome(Action a) {
  return a == Action::ShotMiss;
}
inline bool takesAttack(Action a) {
  return isShot(a) || a == Action::KeepMiss;
}
inline bool takesAssist(Action a) {
  return a == Action::Goal;
}
inline bool takesGoalkeeper(Action a) {
  return isShot(a);
}
// Only a foul's 失格: the report is the referees' word on a disqualification.
inline bool takesWrittenReport(Action a, int detail) {
  return a == Action::Foul && detail == static_cast<int>(Sanction::Disqualification);
}
inline constexpr std::string_view kWrittenReportWord = "報告書";

// A zone inside the goal: the three columns of three (2..10).
inline bool zoneInGoal(int zone) {
  return zone >= 2 && zone <= kGoalZones - 1;
}

// How a miss ended: as said, or else by where it was clicked, a save inside
// the goal and wide outside left or right. Unsaid for anything but a miss.
inline MissOutcome outcomeOf(Action a, int zone, MissOutcome said) {
  if (!takesOutcome(a)) return MissOutcome::Unsaid;
  if (said != MissOutcome::Unsaid) return said;
  return zoneInGoal(zone) ? MissOutcome::Saved : MissOutcome::Wide;
}

// The facts with those that do not fit the action and its detail taken
// away, and those out of range (an assist by the scorer himself or by no
// player) too.
inline EventFacts fittingFacts(Action a, int slot, int detail, EventFacts f) {
  const int outcome = static_cast<int>(f.outcome);
  if (!takesOutcome(a) || outcome < 0 || outcome > kMissOutcomes) f.outcome = MissOutcome::Unsaid;
  const int attack = static_cast<int>(f.attack);
  if (!takesAttack(a) || attack < 0 || attack >= kAttackKinds) f.attack = AttackKind::Set;
  if (!takesAssist(a) || f.assist < 1 || f.assist > kLastPlayerSlot || f.assist == slot)
    f.assist = 0;
  if (!takesGoalkeeper(a) || f.goalkeeper < 1 || f.goalkeeper > kLastPlayerSlot) f.goalkeeper = 0;
  if (!takesWrittenReport(a, detail)) f.writtenReport = false;
  return f;
}
