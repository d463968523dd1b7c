#include "rule_notices.h"

#include <array>
#include <map>

#include "match.h"
#include "shoot_out.h"

namespace {

std::string personOf(const Match& m, const Event& e) {
  if (e.slot == kOfficialSlot) return std::string(kOfficialWord);
  const std::string& number = m.team(e.team).lines[e.slot].number;
  return number.empty() ? e.name : number + "番";
}

class NoticeCounter {
 public:
  explicit NoticeCounter(const Match& m) : m_(m) {}

  void add(const Event& e) {
    if (e.action == Action::Foul) sanction(e);
    if (e.action == Action::TimeOut) timeOut(e);
    if (inShootOut(e) && isShot(e.action)) shootOutThrow(e);
  }
  std::vector<RuleNotice> take() { return std::move(notices_); }

 private:
  void say(const Event& e, const std::string& text) {
    notices_.push_back({e.team, e.clockSeconds, m_.team(e.team).name + ": " + text});
  }

  // A player's third 退場 is a disqualification, and so is an official's
  // second; a warning after a person's 退場 is one the rules do not give.
  // The players' three warnings are counted apart from the official's one.
  void sanction(const Event& e) {
    const auto key = std::pair{e.team, e.slot};
    const bool official = e.slot == kOfficialSlot;
    if (e.detail == static_cast<int>(Sanction::Suspension)) {
      const int n = ++suspensions_[key];
      if (official && n == 2) say(e, personOf(m_, e) + " 2回目の退場 (失格)");
      if (!official && n == 3) say(e, personOf(m_, e) + " 3回目の退場 (失格)");
    }
    if (e.detail != static_cast<int>(Sanction::Warning)) return;
    if (suspensions_[key] > 0) say(e, personOf(m_, e) + " 退場の後の警告 (退場の後に警告はない)");
    if (++warnings_[key] == 2) say(e, personOf(m_, e) + " 2回目の警告 (警告は1人1回まで)");
    if (!official && ++teamWarnings_[teamIndex(e.team)] == 4)
      say(e, "4回目の警告 (警告はチーム3回まで)");
  }

  void timeOut(const Event& e) {
    const Periods& p = m_.settings().periods;
    const int half = e.period;
    // No team time-out in overtime under either rule; not counted further.
    if (half > 2) {
      say(e, "延長戦では作戦タイムは取れない");
      return;
    }
    const int inHalf = ++timeOutsInHalf_[{e.team, half}];
    if (m_.settings().timeOutRule == TimeOutRule::OnePerHalf) {
      if (inHalf == 2) say(e, "作戦タイムは各ハーフ1回まで");
      return;
    }
    const int inMatch = ++timeOuts_[teamIndex(e.team)];
    if (inMatch == 4) say(e, "作戦タイムは1試合3回まで");
    if (inHalf == 3) say(e, "作戦タイムは各ハーフ2回まで");
    if (half == 2 && p.inLastFiveMinutes(e.clockSeconds) && ++lastFive_[teamIndex(e.team)] == 2)
      say(e, "最後の5分間の作戦タイムは1回まで");
  }

  // The teams take turns; once the winner is known nobody throws again.
  void shootOutThrow(const Event& e) {
    if (shootOut_.decided())
      say(e, "7mTC 決着後の投球");
    else if (shootOut_.outOfTurn(e.team))
      say(e, "7mTC 順番違い (交互に投げる)");
    shootOut_.add(e);
  }

  const Match& m_;
  ShootOut shootOut_;
  std::vector<RuleNotice> notices_;
  std::map<std::pair<TeamId, int>, int> suspensions_, warnings_, timeOutsInHalf_;
  std::array<int, kTeams> teamWarnings_{}, timeOuts_{}, lastFive_{};
};

}  // namespace

std::vector<RuleNotice> ruleNotices(const Match& m) {
  NoticeCounter counter(m);
  for (const Event& e : m.events()) counter.add(e);
  return counter.take();
}
