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

#include "edit_history.h"
#include "event.h"
#include "file_identity.h"
#include "match_clock.h"
#include "match_settings.h"
#include "match_state.h"
#include "team.h"

class Match {
 public:
  Match();

  Team& team(TeamId t) { return teams_[teamIndex(t)]; }
  const Team& team(TeamId t) const { return teams_[teamIndex(t)]; }

  // The stem of the saved files' names (a path without extension) and the
  // text put before count and time cells in them.
  std::string fileStem = "ファイル名";
  std::string exportPrefix = "'";

  // The time of day in days; the wall clock unless a test sets it.
  std::function<double()> timeOfDay;

  const MatchClock& clock() const { return clock_; }
  void startClock();   // kick-off
  void togglePause();  // pause or continue
  // Whether the clock stopped at the end of the match's last period (an
  // overtime ends it unless the score is level), or the shoot-out is decided.
  bool matchOver() const;
  void tickClock();              // the panel catches up with the time
  void nudgeClock(int seconds);  // to keep in step with the hall clock
  void setClock(int seconds);
  // The stretches the clock ran, each with its time of day: where a moment
  // of the match lies in a video that ran through the pauses.
  const std::vector<ClockRun>& clockRuns() const { return clockRuns_; }

  // The video of the match, and the points that tie it to the match time.
  const VideoLink& video() const { return video_; }
  void setVideo(VideoLink v);
  // The video shows `seconds`, playing or not. While the clock follows the
  // video, the clock takes the match time there (nudging and setting the
  // clock then move the video's tie to the match instead), and a person
  // picked keeps the video's position.
  void videoAt(double seconds, bool playing);

  const MatchSettings& settings() const { return settings_; }
  void setSettings(const MatchSettings& s);

  // Recorded events in the order they were completed.
  const std::vector<Event>& events() const { return events_; }
  // The events of one team in the order of its log, i from 0.
  int teamEventCount(TeamId team) const { return static_cast<int>(positions(team).size()); }
  const Event& teamEvent(TeamId team, int i) const { return events_[positions(team)[i]]; }
  // Where event i of a team's log stands in events().
  int eventPosition(TeamId team, int i) const { return positions(team)[i]; }
  const Entry& entry() const { return entry_; }

  // The steps of entering an event. Each returns whether it was taken: a
  // step the current stage does not allow changes nothing. A step that
  // would have to count in a roster cell holding no whole number throws
  // ConversionError and changes nothing.
  bool canPickPerson() const;
  bool pickPerson(TeamId team, int slot);
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

  // The goalkeepers. A team's player in goal is the one of its last change,
  // or else the first roster line marked as goalkeeper; 0 when there is
  // none. Each shot is recorded against the other team's player in goal
  // when it completes (Event::facts.goalkeeper).
  int goalkeeperInGoal(TeamId team) const;
  // Who was in goal at a time of the match by the changes made until then:
  // the default for a shot put in afterwards.
  int goalkeeperAt(TeamId team, int period, int clockSeconds) const;
  const std::vector<GoalkeeperChange>& goalkeeperChanges() const { return goalkeeperChanges_; }
  // Puts a player in goal from the clock's time now and marks the line as a
  // goalkeeper. False for no player line or the one in goal already.
  bool changeGoalkeeper(TeamId team, int slot);
  // Marks or unmarks a player line as a goalkeeper.
  bool markGoalkeeper(TeamId team, int slot, bool goalkeeper);

  // The facts of the event recorded last, said right after it completed,
  // until the next person is picked; nothing while an event is entered.
  // The facts that do not fit its action are left out. Mending an event
  // afterwards goes through EventEditor, with undo.
  const Event* factsTarget() const;
  bool setLastFacts(const EventFacts& f);
  // Moves on whenever setLastFacts changed the last event: a copy of the
  // events kept elsewhere then has to write that one again.
  uint64_t lastFactsChanges() const { return factsChanges_; }

  // Goals of a team, the open event's included once its action is chosen;
  // goals of the shoot-out are not the match's.
  int score(TeamId team) const;
  // Warnings given to a team's persons.
  int warnings(TeamId team) const;

  // Events, counts, the roster, the names or the boxes changed since the
  // last save of all three files.
  bool unsaved() const { return unsaved_; }
  // A cell or box of the team sheet was typed into.
  void markEdited() { unsaved_ = true; }
  // A save wrote these files. Each replaces what an earlier save recorded
  // under its name: the file it replaced is gone, and the system may give
  // that file's inode to a file another program writes later.
  void markSaved(const std::vector<SavedFile>& written = {});
  // A file that holds this match already (the copy it was opened from): a
  // save replaces it without asking, and nothing counts as saved.
  void adoptFile(const SavedFile& f);
  // Whether that file is one a save of this match wrote.
  bool wroteFile(const FileIdentity& f) const;
  const std::vector<SavedFile>& savedFiles() const { return savedFiles_; }

  // Edits of recorded events that can be undone and redone. EventEditor
  // keeps their rules and moves the count cells; these only change the
  // events and the history, for an edit that fits the events as they are.
  const EditHistory& history() const { return history_; }
  // A new edit: done, and what was undone is dropped.
  void doEdit(const EventEdit& e);
  // The last edit done taken back by its inverse, or the last one undone
  // done again.
  void undoEdit();
  void redoEdit();
  // Moves on whenever recorded events change other than by a new one at the
  // end: an edit, its undo or redo, a restore. A copy of the events kept
  // elsewhere then has to be written again as a whole.
  uint64_t eventsRewritten() const { return rewrites_; }

  // The whole match, to keep and to bring back; restoring replaces all of
  // it but the time source.
  MatchState state() const;
  void restore(MatchState s);

 private:
  void complete();
  void changeEvents(const EventEdit& e);
  void reindex();
  void noteClockRun(double now, bool moved);
  // Moves the point the video shows now so the match time there is `seconds`.
  void retieVideo(double seconds);
  const std::vector<int>& positions(TeamId team) const { return teamEvents_[teamIndex(team)]; }

  std::array<Team, kTeams> teams_;
  MatchClock clock_;
  MatchSettings settings_;
  std::vector<Event> events_;
  std::array<std::vector<int>, kTeams> teamEvents_;  // positions in events_ per team
  Entry entry_;
  bool unsaved_ = false;
  std::vector<SavedFile> savedFiles_;
  EditHistory history_;
  uint64_t rewrites_ = 0;
  uint64_t factsChanges_ = 0;
  std::vector<GoalkeeperChange> goalkeeperChanges_;
  std::vector<ClockRun> clockRuns_;
  VideoLink video_;
  bool videoPlaying_ = false;
};
