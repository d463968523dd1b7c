// A choice of recorded events to watch on the match's video, as the
// analysis window makes it: one team or one of its people, and optionally an
// action, a goal zone, a kind of attack and a group of shots. The chosen
// events play one after another or go out as clips, each from the lead
// before its moment to the tail after it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "event.h"
#include "goalkeeper.h"

class Match;

// What was done; the shots are the goals and the missed shots.
enum class ActionChoice : int { Every, Shots, Goal, ShotMiss, KeepMiss, PenaltyWon, TimeOut, Foul };
inline constexpr std::array<std::string_view, 8> kActionChoiceWords = {
    "すべて", "シュート", "得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "反則"};

struct EventChoice {
  TeamId team = TeamId::One;
  std::optional<int> slot;  // one person, or the whole team
  ActionChoice action = ActionChoice::Every;
  // A zone or a group asks for shots; a kind of attack for shots and lost
  // possessions, the only events that have one.
  std::optional<int> zone;  // 1..11
  std::optional<AttackKind> attack;
  std::optional<ShotGroup> group;
};

// The completed events chosen, as indices into match.events(), in the
// order they happened.
std::vector<std::size_t> chosenEvents(const Match& m, const EventChoice& choice);

// An event's span of the video and what it is called.
struct EventClip {
  std::size_t event = 0;  // index into match.events()
  double from = 0;        // seconds in the video
  double to = 0;
  // "07 前半 12-34 チーム名 7 得点": the order in the list, the half, the
  // clock, the team, the shirt number (the name without one) and the action.
  std::string name;
  std::string caption;  // the team and the event's log row
};

// What the picture shows over an event: its team and its log row.
std::string eventCaption(const Match& m, const Event& e);

// The clips of `events` in the order of the video, from the match's clip
// lead to its tail; events the video cannot place (no sync point yet) are
// left out. Spans never start before the video does.
std::vector<EventClip> eventClips(const Match& m, const std::vector<std::size_t>& events);
