#include "time_out_effect.h"

#include "match.h"
#include "shoot_out.h"

std::vector<TimeOutEffect> timeOutEffects(const Match& match) {
  const std::vector<Event>& events = match.events();
  std::vector<TimeOutEffect> effects;
  for (size_t i = 0; i < events.size(); ++i) {
    const Event& t = events[i];
    if (t.action != Action::TimeOut) continue;
    TimeOutEffect x{t.team, t.clockSeconds};
    for (size_t j = 0; j < events.size(); ++j) {
      const Event& g = events[j];
      if (g.action != Action::Goal || inShootOut(g)) continue;
      const bool own = g.team == t.team;
      const bool before =
          j < i ? g.clockSeconds <= t.clockSeconds : g.clockSeconds < t.clockSeconds;
      if (before && g.clockSeconds >= t.clockSeconds - kTimeOutWindowSeconds)
        ++(own ? x.goalsForBefore : x.goalsAgainstBefore);
      else if (!before && g.clockSeconds <= t.clockSeconds + kTimeOutWindowSeconds)
        ++(own ? x.goalsForAfter : x.goalsAgainstAfter);
    }
    effects.push_back(x);
  }
  return effects;
}
