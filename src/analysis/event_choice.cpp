#include "event_choice.h"

#include <algorithm>
#include <cstdio>

#include "match.h"
#include "video_sync.h"

namespace {

bool actionFits(Action a, ActionChoice c) {
  switch (c) {
    case ActionChoice::Every:
      return true;
    case ActionChoice::Shots:
      return isShot(a);
    case ActionChoice::Goal:
      return a == Action::Goal;
    case ActionChoice::ShotMiss:
      return a == Action::ShotMiss;
    case ActionChoice::KeepMiss:
      return a == Action::KeepMiss;
    case ActionChoice::PenaltyWon:
      return a == Action::PenaltyWon;
    case ActionChoice::TimeOut:
      return a == Action::TimeOut;
    case ActionChoice::Foul:
      return a == Action::Foul;
  }
  return false;
}

bool fits(const Event& e, const EventChoice& c) {
  if (e.team != c.team || (c.slot && e.slot != *c.slot) || !actionFits(e.action, c.action))
    return false;
  if ((c.zone || c.group) && !isShot(e.action)) return false;
  if (c.zone && e.detail != *c.zone) return false;
  if (c.group && shotGroupOf(e.place) != *c.group) return false;
  if (c.attack && (!takesAttack(e.action) || e.facts.attack != *c.attack)) return false;
  return true;
}

}  // namespace

std::vector<std::size_t> chosenEvents(const Match& m, const EventChoice& choice) {
  std::vector<std::size_t> chosen;
  const std::vector<Event>& events = m.events();
  for (std::size_t i = 0; i < events.size(); ++i)
    if (fits(events[i], choice)) chosen.push_back(i);
  // Edits put events in where they happened in their team's log; across
  // both teams the clock orders them.
  std::stable_sort(chosen.begin(), chosen.end(), [&](std::size_t a, std::size_t b) {
    const Event& x = events[a];
    const Event& y = events[b];
    return x.period != y.period ? x.period < y.period : x.clockSeconds < y.clockSeconds;
  });
  return chosen;
}

std::string eventCaption(const Match& m, const Event& e) {
  std::string text = m.team(e.team).name;
  for (const std::string& cell : logRow(e))
    if (!cell.empty()) text += ' ' + cell;
  return text;
}

std::vector<EventClip> eventClips(const Match& m, const std::vector<std::size_t>& events) {
  const MatchSettings& s = m.settings();
  std::vector<EventClip> clips;
  for (std::size_t i : events) {
    const Event& e = m.events().at(i);
    const std::optional<double> at = videoPositionOf(e, m.video(), m.clockRuns());
    if (!at) continue;
    clips.push_back({i, std::max(0.0, *at - s.clipLeadSeconds), *at + s.clipTailSeconds, "",
                     eventCaption(m, e)});
  }
  std::stable_sort(clips.begin(), clips.end(),
                   [](const EventClip& a, const EventClip& b) { return a.from < b.from; });
  const int width = clips.size() < 100 ? 2 : clips.size() < 1000 ? 3 : 4;
  for (std::size_t n = 0; n < clips.size(); ++n) {
    const Event& e = m.events()[clips[n].event];
    char order[24];
    std::snprintf(order, sizeof order, "%0*zu", width, n + 1);
    const int seconds = e.clockSeconds;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d-%02d", seconds / 60, seconds % 60);
    clips[n].name = std::string(order) + ' ' +
                    std::string(kPeriodWords[std::clamp(e.period, 1, kMostPeriods)]) + ' ' + clock +
                    ' ' + m.team(e.team).name + ' ' + (e.number.empty() ? e.name : e.number) + ' ' +
                    std::string(actionWord(e.action));
  }
  return clips;
}
