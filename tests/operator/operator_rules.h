// The rules every step of an operator must leave intact, checked on the real
// windows: which buttons are usable in the state the open event is in, that
// every log row is well formed, that every counter, panel and count cell
// equals what the two logs imply (the strength under each team's name and
// the notices of sanctions among them, by the rules), and that the operator
// is never stuck.
//
// The expected state is derived from the log cursors, the log cells and the
// visible windows, and from what the operator did, never from the program's
// own flags, so a flag that goes wrong shows up as a broken rule.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "match.h"
#include "operator_view.h"
#include "readings.h"
#include "roster_grid.h"
#include "views.h"
#include "window_set.h"

// The operator names a team as its buttons number it, 1 or 2; the program
// takes the team itself.
inline TeamId operatorTeam(int team) {
  return teamNumbered(team).value();
}

// The log cells of both teams, rows 1 on, for comparing before and after.
std::vector<std::vector<std::string>> logCells(const Match& m);

class OperatorRules {
 public:
  explicit OperatorRules(WindowSet& windows)
      : windows_(&windows), m_(&windows.match()), logsAtSave_(logCells(*m_)) {}
  // The windows built in place of the ones a power cut took: what the
  // operator expects carries over.
  void rebind(WindowSet& windows) {
    windows_ = &windows;
    m_ = &windows.match();
    analysisPage_ = 0;
  }

  // Called before each step.
  void beforeStep();
  // The error box text a click must show, or "" when it must show none.
  std::string expectedErrorOf(const OperatorButton& b) const;
  // Whether the open event can only go on through window `w`.
  bool windowNeeded(WindowId w) const;
  // Whether the logs and their cursors are as they were before the step.
  bool unchangedInStep() const;
  // The open event as the logs show it: the column its row waits for (0
  // with none) and its play once chosen (else 0).
  int openColumn() const { return openCol(); }
  int openPlay() const { return openAction(); }
  // The error box a key that picks a person and chooses an action at once
  // must show, or "".
  std::string expectedErrorOfPickAndAct(int team, int slot, int action) const;

  // The clock's timer ran: a running clock stops at the end of the half.
  void clockTicked(double nowSeconds);
  // What the operator did, reported after the step.
  void clicked(const OperatorButton& b, bool wasEnabled, double nowSeconds);
  // One key that picked a person and chose an action, as two clicks would.
  void pickedAndActed(const OperatorButton& person);
  void rosterTyped(int col, int row, const std::string& text);
  void saved();  // a save that wrote all three files
  // The analysis window's person choice set to entry `index` (0 the whole
  // team, else the player's line), and its close box clicked.
  void analysisPersonChosen(int index) { analysisSlot_ = index; }
  void analysisClosed() { analysisShown_ = false; }
  // The analysis window's tab `index` clicked; windows built anew after a
  // power cut show the first.
  void analysisPageChosen(int index) { analysisPage_ = index; }

  // An edit of a recorded event as the operator asked for it: row `row`
  // (from 0) of team `team`'s log changed, removed, or inserted before.
  struct Mend {
    enum class Kind { Replace, Remove, Insert } kind = Kind::Replace;
    int team = 1;
    int row = 0;
    LogRow before{}, after{};
    int slotBefore = -1, slotAfter = -1;
  };
  // The row an edit would put in the log for a person, time and the
  // captions chosen: a person kept keeps the number and name of `kept`;
  // another reads them from the roster as it stands.
  LogRow mendedRow(int team, int slot, int seconds, const std::string& play,
                   const std::string& place, const std::string& detail, const LogRow* kept,
                   int keptSlot) const;
  // The error box an edit (or its undo, `forward` false) must show, or "":
  // a count cell it moves that holds no whole number stops it.
  std::string expectedErrorOfMend(const Mend& mend, bool forward) const;
  // An edit that went in; undo and redo of the edits in the operator's own
  // history. The count cells move by the difference.
  void mended(const Mend& mend);
  void undone();
  void redone();
  bool canUndo() const { return !done_.empty(); }
  bool canRedo() const { return !undone_.empty(); }
  const Mend& lastDone() const { return done_.back(); }
  const Mend& lastUndone() const { return undone_.back(); }
  int slotOfRow(int team, int row) const { return rowSlot_[team].at(row + 1); }

  // The first broken rule after the step, or "".
  std::string check(double nowSeconds, bool afterTick);

  // What the saved files must agree with.
  const std::vector<LogRow>& completedRows(int team) const { return completed_[team]; }
  int lastFilledLogRow() const;
  int64_t teamTotal(int team, int kind) const;  // kinds 0..7 over slots 0..14
  int64_t contributionTotal(int team) const;
  int64_t shotTotal(int team, bool goals) const;
  // Whether a log cell changed since the last save that wrote all three
  // files, and whether any button of event entry was pressed since.
  bool logsChangedSinceSave() const;
  bool recordingSinceSave() const { return recordingSinceSave_; }
  // A roster cell, team name or box the files hold was typed into with a
  // new text since the last whole save.
  void edited() { editedSinceSave_ = true; }
  // The settings chosen with OK: overtime set or not; once the clock is in
  // overtime it stays set.
  void settingsChosen(bool overtime) {
    overtime_ = overtime || half_ > 2;
    edited();
  }
  bool editedSinceSave() const { return editedSinceSave_; }
  // How far the clock got and how many shoot-out throws were taken.
  std::string periodsReached() const;
  // Whether a text the saved files hold has a character CP932 cannot
  // hold: the stem, the team names, the players' names and the numbers and
  // names in the logs. Of what the operator types, only emoji are such.
  bool textsLoseCharacters(const std::string& stem) const;

 private:
  struct Derived;
  int activeTeam() const;
  int logRow(int team) const;  // the row of the team's next event
  std::array<int, 4> cursors() const;
  std::string rosterCell(int col, int row) const;
  int openCol() const;  // cursor of the active team, 0 when none
  int openAction() const;
  int openSlot() const;
  std::string checkCursorsAndLogs();
  std::string checkButtons() const;
  std::string checkWayForward() const;
  std::string checkCounts();
  std::string checkClock(double nowSeconds) const;
  std::string checkCarried() const;
  std::string checkRules() const;
  std::string checkAnalysis() const;
  std::string checkGoalkeeperFigures(int64_t otherTeamsGoals) const;
  std::string checkAnalysisPage() const;  // analysis_page_rules.cpp
  // `matchPlay`: the shots without the shoot-out's throws, as figures count.
  Derived derive(bool matchPlay = false) const;

  WindowSet* windows_;
  Match* m_;
  bool started_ = false;
  bool carried_ = false;
  // Whether 修正 on the match window may take back the person: only right
  // after a pick, not after the court dialog took an action back.
  bool personCorrectable_ = false;
  bool clockShown_ = false;
  bool recordingSinceSave_ = false;
  bool editedSinceSave_ = false;
  std::optional<OperatorButton> lastClick_;

  // The state before the step.
  int colBefore_ = 0;
  int teamBefore_ = 0;
  std::array<std::string, 3> openTimeBefore_;
  std::vector<std::vector<std::string>> logsBefore_;
  std::array<int, 4> cursorsBefore_{};

  // Completed rows of each team's log as first seen, and the slot of the
  // person of every row, as the operator picked it.
  std::array<std::vector<LogRow>, 3> completed_;
  std::array<std::map<int, int>, 3> rowSlot_;

  // Expected text of every count cell of the roster, by (col, row): it
  // follows the counts the logs imply and the operator's own typing.
  std::map<std::pair<int, int>, std::string> countText_;
  std::map<std::pair<int, int>, int64_t> countSeen_;

  // The match clock in seconds, as the operator ran it.
  double startSeconds_ = 0;
  double pausedSeconds_ = 0;
  double pauseBegan_ = 0;
  bool running_ = false;
  // Two halves of 30 minutes and, with overtime set, two overtimes of two
  // periods of 5 minutes, each played when the one before ended level, then
  // the shoot-out (7), where the clock stands still. The clock stops itself
  // at the end of each period.
  static constexpr int kShootOut = 7;
  int half_ = 1;
  bool halfOver_ = false;
  bool overtime_ = false;
  static int endOf(int period);
  bool nextPeriodFollows() const;
  bool stopAtEndOfHalf(double nowSeconds);
  // Whether row i of a team's log is a throw of the shoot-out, which the
  // logs do not tell: by the period the program gave its event.
  bool shootOutThrow(int team, size_t i) const;
  std::vector<LogRow> matchPlayRows(int team) const;
  struct ShootOutReckoning {
    explicit ShootOutReckoning(const Match& m);
    std::array<int, 3> throws{}, goals{};
    int first = 0;
    bool over = false;
    std::vector<std::pair<const Event*, std::string>> flagged;
  };

  std::vector<std::vector<std::string>> logsAtSave_;

  // Edits done and taken back, the last last; count cells moved by an edit
  // this step follow its rules.
  std::vector<Mend> done_, undone_;
  bool mendedInStep_ = false;
  void apply(const Mend& mend, bool forward);

  // The analysis window as the operator opened and set it.
  bool analysisShown_ = false;
  int analysisTeam_ = 1;
  int analysisSlot_ = 0;  // 0 the whole team
  int analysisPage_ = 0;  // the tab shown, 0 the first
};
