#include "suspensions.h"

#include <algorithm>

#include "match.h"

std::vector<Countdown> runningCountdowns(const Match& m, TeamId team) {
  const int now = m.clock().shownSeconds();
  std::vector<Countdown> running;
  for (int i = 0; i < m.teamEventCount(team); ++i) {
    const Event& e = m.teamEvent(team, i);
    if (e.action != Action::Foul || e.detail == static_cast<int>(Sanction::Warning)) continue;
    // A clock set back before the event shows the whole two minutes.
    const int remaining = std::min(kSuspensionSeconds, kSuspensionSeconds - (now - e.clockSeconds));
    if (remaining <= 0) continue;
    const std::string person =
        e.slot == kOfficialSlot ? std::string(kOfficialWord) : m.team(team).lines[e.slot].number;
    running.push_back({team, e.slot, person, remaining});
  }
  std::stable_sort(running.begin(), running.end(), [](const Countdown& a, const Countdown& b) {
    return a.remaining < b.remaining;
  });
  return running;
}

int courtPlayers(const Match& m, TeamId team) {
  return std::max(0, kCourtPlayers - static_cast<int>(runningCountdowns(m, team).size()));
}
