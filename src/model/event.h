// One event of the match: who did what, where and how, at which time on the
// match clock; and the event being entered, step by step.
#pragma once

#include <array>
#include <string>

#include "event_facts.h"
#include "words.h"

struct Event {
  TeamId team = TeamId::One;
  int slot = 0;          // 0 the official, 1..14 players
  int clockSeconds = 0;  // the match clock shown when the person was first picked
  int period = 1;        // the half (3 to 6: overtime) the clock was in then
  // The roster line as it read when the person was picked.
  std::string number;
  std::string name;
  Action action = Action::Goal;
  int place = 0;     // court place 1..10, or the bench for a time-out
  int detail = 0;    // goal zone, or the code of the action's detail
  EventFacts facts;  // what was said of it once recorded
  // The time of day of the first pick (in days, as the clock counts), and
  // the video's position then when the clock followed a video; -1 when not
  // known (kept before these were, or put in afterwards).
  double pickedAt = -1;
  double videoAt = -1;

  MissOutcome outcome() const { return outcomeOf(action, detail, facts.outcome); }

  bool isPlayer() const { return slot >= 1 && slot <= kLastPlayerSlot; }
  bool operator==(const Event&) const = default;
};

// How far the event being entered has come. The operator goes forward one
// step at a time and can take back the last one.
// Numbers kept in match files (the event being entered): never renumber.
enum class Stage : int {
  None = 0,           // no event open
  PersonCleared = 1,  // the person was taken back; time and team wait for a new pick
  PersonPicked = 2,
  ActionChosen = 3,
  PlaceChosen = 4,
};

struct Entry {
  Stage stage = Stage::None;
  Event event;
  // The person may be corrected right after the pick, but no longer once an
  // action was chosen, even if that action is taken back.
  bool personCorrectable = false;

  bool open() const { return stage != Stage::None; }
  bool reached(Stage s) const { return static_cast<int>(stage) >= static_cast<int>(s); }
  bool operator==(const Entry&) const = default;
};

// A row of an event log: when, No., who, play, where, what.
using LogRow = std::array<std::string, 6>;

// The whole row of a recorded event.
LogRow logRow(const Event& e);
// The row of the event being entered: only the cells its stage has reached.
LogRow partialLogRow(const Entry& entry);
// The detail as the report and the workbook write it, with what the saved
// tables have no room for: 「失格（報告書）」 for a written report.
std::string detailText(const Event& e);
