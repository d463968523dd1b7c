// What the facts panel beside the match window offers: the event recorded
// last, while no event is being entered, and of its facts only those that
// fit its action (how a miss ended, the kind of attack, the assist on a
// goal, the written report of a disqualification), with the choice that
// is on; and per team who is in goal. Also the choices the edit window
// "記録の修正" offers for the same facts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "edit_choices.h"
#include "screen.h"

struct AssistButton {
  bool shown = false;   // a teammate of the scorer with a shirt number
  std::string caption;  // the shirt number
  bool on = false;
};

struct EventFactsView {
  bool hasTarget = false;
  std::string target;  // "12:34 7 山田 シュートミス"
  bool outcomeOffered = false;
  MissOutcome outcome = MissOutcome::Unsaid;  // the one shown as chosen
  bool attackOffered = false;
  AttackKind attack = AttackKind::Set;
  bool assistOffered = false;
  std::array<AssistButton, kRosterLines> assists{};  // by roster slot, 0 unused
  bool writtenReportOffered = false;                 // a 失格
  bool writtenReport = false;
  // Per team (by teamIndex): its players, and the one in goal (0 none).
  std::array<std::vector<EditChoice>, 2> goalkeeperChoices;
  std::array<int, 2> inGoal{};
  bool goalkeepersUsable = false;
};
EventFactsView eventFactsView(const Screen& s);

// The players of a team a goalkeeper is chosen from ("4 伊藤", "3行").
std::vector<EditChoice> goalkeeperChoices(const Match& m, TeamId team);
// The next line marked as goalkeeper after the one in goal, in roster
// order and round again; 0 when no other line is marked.
int nextMarkedGoalkeeper(const Match& m, TeamId team);

// The edit window's lists for an event of `team` by person `slot` taking
// action `a`: empty when the fact does not fit the action.
std::vector<EditChoice> outcomeChoices(Action a);
std::vector<EditChoice> attackChoices(Action a);
// "なし" (0) and the person's teammates.
std::vector<EditChoice> assistChoices(const Match& m, TeamId team, int slot, Action a);
// The other team's players, against whom the shot was taken.
std::vector<EditChoice> shotGoalkeeperChoices(const Match& m, TeamId team, Action a);
