// Everything a match holds, taken out whole and put back whole: what a
// match file keeps so that the match goes on after the program ends.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "edit_history.h"
#include "event.h"
#include "file_identity.h"
#include "match_clock.h"
#include "match_settings.h"
#include "team.h"
#include "video_link.h"

// A player put in goal, from the time on the match clock then.
struct GoalkeeperChange {
  TeamId team = TeamId::One;
  int slot = 1;
  int clockSeconds = 0;
  int period = 1;
  bool operator==(const GoalkeeperChange&) const = default;
};

struct MatchState {
  std::array<Team, kTeams> teams;
  std::string fileStem;
  std::string exportPrefix;
  MatchSettings settings;
  MatchClock::State clock;
  std::vector<Event> events;
  Entry entry;
  bool unsaved = false;
  std::vector<SavedFile> savedFiles;
  EditHistory history;
  std::vector<GoalkeeperChange> goalkeeperChanges;  // in the order made
  std::vector<ClockRun> clockRuns;                  // in the order run
  VideoLink video;
  bool operator==(const MatchState&) const = default;
};
