#include "rules_view.h"

#include "rule_notices.h"
#include "shoot_out.h"
#include "suspensions.h"

namespace {

std::string periodName(int period) {
  return std::string(kPeriodWords[period >= 1 && period <= kMostPeriods ? period : kMostPeriods]);
}

std::string periodText(const Match& m) {
  const MatchClock& clock = m.clock();
  if (!clock.started()) return "試合前";
  // The shoot-out's goals stand where its period's name would; a throw
  // after it is decided is a notice of its own.
  if (clock.inShootOut()) {
    const ShootOut s = shootOut(m);
    return "7mTC " + std::to_string(s.goals[0]) + "-" + std::to_string(s.goals[1]);
  }
  if (m.matchOver()) return "試合終了";
  if (clock.periodOver())
    return clock.period() == 1 ? "ハーフタイム" : periodName(clock.period()) + "終了";
  return periodName(clock.period());
}

}  // namespace

std::string countdownText(int seconds) {
  const int s = seconds % 60;
  return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

RulesView rulesView(const Match& m) {
  RulesView v;
  v.period = periodText(m);
  for (TeamId team : kBothTeams) {
    TeamStrengthView& t = v.teams[teamIndex(team)];
    const std::vector<Countdown> running = runningCountdowns(m, team);
    t.courtPlayers = courtPlayers(m, team);
    t.text = std::to_string(t.courtPlayers) + "人";
    for (const Countdown& c : running) {
      t.text += " " + c.person + " " + countdownText(c.remaining);
      t.suspended[c.slot] = true;
    }
  }
  for (const RuleNotice& n : ruleNotices(m))
    v.notices.push_back(clockText(n.clockSeconds) + " " + n.text);
  return v;
}
