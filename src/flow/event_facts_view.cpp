#include "event_facts_view.h"

#include "match_clock.h"

namespace {

std::string playerCaption(const RosterLine& line, int slot) {
  std::string text = line.number;
  if (!line.name.empty()) text += (text.empty() ? "" : " ") + line.name;
  return text.empty() ? std::to_string(slot) + "行" : text;
}

}  // namespace

std::vector<EditChoice> goalkeeperChoices(const Match& m, TeamId team) {
  std::vector<EditChoice> choices;
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    choices.push_back({slot, playerCaption(m.team(team).lines[slot], slot)});
  return choices;
}

int nextMarkedGoalkeeper(const Match& m, TeamId team) {
  const int now = m.goalkeeperInGoal(team);
  for (int step = 1; step <= kLastPlayerSlot; ++step) {
    const int slot = (now + step - 1) % kLastPlayerSlot + 1;
    if (slot != now && m.team(team).lines[slot].goalkeeper) return slot;
  }
  return 0;
}

EventFactsView eventFactsView(const Screen& s) {
  const Match& m = s.match();
  EventFactsView v;
  for (TeamId team : kBothTeams) {
    v.goalkeeperChoices[teamIndex(team)] = goalkeeperChoices(m, team);
    v.inGoal[teamIndex(team)] = m.goalkeeperInGoal(team);
  }
  v.goalkeepersUsable = s.visible(WindowId::Match);
  const Event* e = m.factsTarget();
  // Offered while a person may be picked, as the keys are: an event put in
  // by a mend before the kick-off takes its facts in the edit window.
  if (!e || !s.visible(WindowId::Match) || !m.canPickPerson()) return v;
  v.hasTarget = true;
  v.target = clockText(e->clockSeconds) + " " + e->number;
  if (!e->name.empty()) v.target += " " + e->name;
  v.target += " " + std::string(actionWord(e->action));
  v.outcomeOffered = takesOutcome(e->action);
  v.outcome = e->outcome();
  v.attackOffered = takesAttack(e->action);
  v.attack = e->facts.attack;
  v.assistOffered = takesAssist(e->action);
  if (v.assistOffered)
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
      const RosterLine& line = m.team(e->team).lines[slot];
      AssistButton& b = v.assists[slot];
      b.shown = slot != e->slot && !line.number.empty();
      b.caption = line.number;
      b.on = e->facts.assist == slot;
    }
  v.writtenReportOffered = takesWrittenReport(e->action, e->detail);
  v.writtenReport = e->facts.writtenReport;
  return v;
}

std::vector<EditChoice> outcomeChoices(Action a) {
  std::vector<EditChoice> choices;
  if (takesOutcome(a))
    for (int code = 1; code <= kMissOutcomes; ++code)
      choices.push_back({code, std::string(kMissOutcomeWords[code])});
  return choices;
}

std::vector<EditChoice> attackChoices(Action a) {
  std::vector<EditChoice> choices;
  if (takesAttack(a))
    for (int code = 0; code < kAttackKinds; ++code)
      choices.push_back({code, std::string(kAttackWords[code])});
  return choices;
}

std::vector<EditChoice> assistChoices(const Match& m, TeamId team, int slot, Action a) {
  std::vector<EditChoice> choices;
  if (!takesAssist(a)) return choices;
  choices.push_back({0, "なし"});
  for (int s = 1; s <= kLastPlayerSlot; ++s)
    if (s != slot) choices.push_back({s, playerCaption(m.team(team).lines[s], s)});
  return choices;
}

std::vector<EditChoice> shotGoalkeeperChoices(const Match& m, TeamId team, Action a) {
  if (!takesGoalkeeper(a)) return {};
  return goalkeeperChoices(m, otherTeam(team));
}
