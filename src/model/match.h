// The match being recorded: the two teams, the match clock, the events
// recorded so far and the one being entered, and the names the saved files
// take. The recording rules live here: each step checks that it may be taken
// now and otherwise changes nothing, so every way of entering an event (the
// windows' buttons, a script, a test) follows the same rules.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "event.h"
#include "match_clock.h"
#include "team.h"

// A file on disk by device and inode, which stay the same while the file is
// rewritten in place and change when another file takes its name.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// A file a save wrote, under the name the save gave it.
struct SavedFile {
  std::string path;
  FileIdentity identity;
};

class Match {
 public:
  Match();

  Team& team(int t) { return teams_[t == 2 ? 1 : 0]; }
  const Team& team(int t) const { return teams_[t == 2 ? 1 : 0]; }

  // The stem of the saved files' names (a path without extension) and the
  // text put before count and time cells in them.
  std::string fileStem = "ファイル名";
  std::string exportPrefix = "'";

  // The time of day in days; the wall clock unless a test sets it.
  std::function<double()> timeOfDay;

  const MatchClock& clock() const { return clock_; }
  void startClock();   // kick-off
  void togglePause();  // pause or continue
  void tickClock();    // the panel catches up with the time

  // Recorded events in the order they were completed.
  const std::vector<Event>& events() const { return events_; }
  // The events of one team in the order of its log, i from 0.
  int teamEventCount(int team) const { return static_cast<int>(teamIndex(team).size()); }
  const Event& teamEvent(int team, int i) const { return events_[teamIndex(team)[i]]; }
  const Entry& entry() const { return entry_; }

  // The steps of entering an event. Each returns whether it was taken: a
  // step the current stage does not allow changes nothing. A step that
  // would have to count in a roster cell holding no whole number throws
  // ConversionError and changes nothing.
  bool canPickPerson() const;
  bool pickPerson(int team, int slot);
  bool canCorrectPerson() const;
  bool correctPerson();  // back to the person; the time is kept
  bool canChooseAction(Action a) const;
  bool chooseAction(Action a);
  bool canChoosePlace(int place) const;
  bool choosePlace(int place);
  bool canChooseDetail(int code) const;
  bool chooseDetail(int code);  // the goal zone or the action's detail: completes the event
  bool takeBackAction();        // from ActionChosen back to PersonPicked
  bool takeBackPlace();         // from PlaceChosen back to ActionChosen

  // Goals of a team, the open event's included once its action is chosen.
  int score(int team) const;
  // Warnings given to a team's persons.
  int warnings(int team) const;

  // Events, counts, the roster, the names or the boxes changed since the
  // last save of all three files.
  bool unsaved() const { return unsaved_; }
  // A cell or box of the team sheet was typed into.
  void markEdited() { unsaved_ = true; }
  // A save wrote these files. Each replaces what an earlier save recorded
  // under its name: the file it replaced is gone, and the system may give
  // that file's inode to a file another program writes later.
  void markSaved(const std::vector<SavedFile>& written = {});
  // Whether that file is one a save of this match wrote.
  bool wroteFile(const FileIdentity& f) const;

 private:
  void complete();
  const std::vector<int>& teamIndex(int team) const { return teamEvents_[team == 2 ? 1 : 0]; }

  std::array<Team, kTeams> teams_;
  MatchClock clock_;
  std::vector<Event> events_;
  std::array<std::vector<int>, kTeams> teamEvents_;  // positions in events_ per team
  Entry entry_;
  bool unsaved_ = false;
  std::vector<SavedFile> savedFiles_;
};
