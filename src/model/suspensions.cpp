#include "suspensions.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "match.h"

namespace {

bool takesAPlayer(const Event& e) {
  return e.action == Action::Foul && e.detail != static_cast<int>(Sanction::Warning);
}

// The time a person's suspensions keep the team short, as one stretch of
// play from the first suspension to the end of the last run after it.
struct Stretch {
  int start = 0;
  int end = 0;
  const Event* first = nullptr;  // the event that began it
};

// A person's sanctions that take a player, in the order of the clock, made
// into stretches: each suspension starts at its time or when the one before
// ends, whichever comes later; at one time of play, a 退場 and a 失格 make
// one suspension (so two 退場 and a 失格 make two).
std::vector<Stretch> stretchesOf(std::vector<const Event*> sanctions) {
  std::stable_sort(sanctions.begin(), sanctions.end(), [](const Event* a, const Event* b) {
    return a->clockSeconds < b->clockSeconds;
  });
  std::vector<Stretch> stretches;
  for (size_t i = 0; i < sanctions.size();) {
    const int at = sanctions[i]->clockSeconds;
    int suspensions = 0, disqualifications = 0;
    const size_t begin = i;
    for (; i < sanctions.size() && sanctions[i]->clockSeconds == at; ++i)
      ++(sanctions[i]->detail == static_cast<int>(Sanction::Suspension) ? suspensions
                                                                        : disqualifications);
    const int seconds = std::max(suspensions, disqualifications) * kSuspensionSeconds;
    if (stretches.empty() || at > stretches.back().end)
      stretches.push_back({at, at + seconds, sanctions[begin]});
    else
      stretches.back().end += seconds;
  }
  return stretches;
}

std::array<std::vector<const Event*>, kRosterLines> sanctionsBySlot(const Match& m, TeamId team) {
  std::array<std::vector<const Event*>, kRosterLines> bySlot;
  for (int i = 0; i < m.teamEventCount(team); ++i) {
    const Event& e = m.teamEvent(team, i);
    if (takesAPlayer(e) && e.slot >= 0 && e.slot < kRosterLines) bySlot[e.slot].push_back(&e);
  }
  return bySlot;
}

}  // namespace

std::vector<SuspensionStretch> suspensionStretches(const Match& m, TeamId team) {
  const auto bySlot = sanctionsBySlot(m, team);
  std::vector<SuspensionStretch> all;
  for (int slot = 0; slot < kRosterLines; ++slot)
    for (const Stretch& s : stretchesOf(bySlot[slot])) all.push_back({team, slot, s.start, s.end});
  return all;
}

std::vector<Countdown> runningCountdowns(const Match& m, TeamId team) {
  const int now = m.clock().shownSeconds();
  const auto bySlot = sanctionsBySlot(m, team);
  std::vector<std::pair<Countdown, const Event*>> running;
  for (int slot = 0; slot < kRosterLines; ++slot) {
    for (const Stretch& s : stretchesOf(bySlot[slot])) {
      if (s.end <= now) continue;
      // A clock set back before the stretch shows the whole of it.
      const int remaining = std::min(s.end - s.start, s.end - now);
      const std::string person =
          slot == kOfficialSlot ? std::string(kOfficialWord) : m.team(team).lines[slot].number;
      running.push_back({{team, slot, person, remaining}, s.first});
      break;  // one person is one player short at a time
    }
  }
  // The one ending first first; of two ending together, the one given first
  // (the events lie in one vector, so their addresses keep its order).
  std::sort(running.begin(), running.end(), [](const auto& a, const auto& b) {
    if (a.first.remaining != b.first.remaining) return a.first.remaining < b.first.remaining;
    return std::less<const Event*>{}(a.second, b.second);
  });
  std::vector<Countdown> countdowns;
  for (auto& [c, first] : running) countdowns.push_back(std::move(c));
  return countdowns;
}

int courtPlayers(const Match& m, TeamId team) {
  return std::max(0, kCourtPlayers - static_cast<int>(runningCountdowns(m, team).size()));
}
