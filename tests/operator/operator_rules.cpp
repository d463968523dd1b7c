#include "operator_rules.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

std::string clockCaption(double playingSeconds) {
  const long long s = std::llround(playingSeconds);
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld", s / 60, s % 60);
  return text;
}

}  // namespace

std::vector<std::vector<std::string>> logCells(const Match& m) {
  std::vector<std::vector<std::string>> rows;
  for (int team = 1; team <= 2; ++team) {
    std::vector<std::vector<std::string>> teamRows;
    for (int row = 1; row < logShape(m, operatorTeam(team)).rowCount; ++row) {
      std::vector<std::string> cells;
      for (int col = 0; col < 6; ++col) cells.push_back(logCell(m, operatorTeam(team), col, row));
      teamRows.push_back(cells);
    }
    // Rows left empty by a correction are no change.
    while (!teamRows.empty() && teamRows.back() == std::vector<std::string>(6)) teamRows.pop_back();
    rows.insert(rows.end(), teamRows.begin(), teamRows.end());
    rows.push_back({"team end"});
  }
  return rows;
}

namespace {
// Counts under an index of N numbers; an index never counted reads 0.
template <size_t N>
class Counts {
 public:
  template <typename... Index>
  int64_t& at(Index... i) {
    return counts_[{i...}];
  }
  template <typename... Index>
  int64_t at(Index... i) const {
    const auto found = counts_.find({i...});
    return found == counts_.end() ? 0 : found->second;
  }

 private:
  std::map<std::array<int, N>, int64_t> counts_;
};
}  // namespace

namespace {
const Readings::Persons& teamTally(const Readings& r, int team) {
  return team == 2 ? r.team2Tally : r.team1Tally;
}
}  // namespace

std::array<int, 4> OperatorRules::cursors() const {
  const Readings r(*m_);
  return {r.logCol1, r.logRow1, r.logCol2, r.logRow2};
}

std::string OperatorRules::rosterCell(int col, int row) const {
  return RosterGrid(*m_).cell(col, row);
}

struct OperatorRules::Derived {
  std::array<Counts<2>, 3> team;  // (kind 0..7, slot 0..14)
  Counts<4> goals;                // (team, slot, place, zone)
  Counts<4> misses;
  Counts<3> keepMisses;  // (team, slot, kind)
  std::array<int64_t, 3> score{};
  std::array<int64_t, 3> warnings{};
};

int OperatorRules::activeTeam() const {
  return Readings(*m_).activeTeam;
}

int OperatorRules::logRow(int team) const {
  return m_->teamEventCount(operatorTeam(team)) + 1;
}

int OperatorRules::openCol() const {
  const Readings r(*m_);
  return r.activeTeam == 2 ? r.logCol2 : r.activeTeam == 1 ? r.logCol1 : 0;
}

int OperatorRules::openAction() const {
  if (openCol() < 4) return 0;
  const int team = activeTeam();
  return codeIn(kPlays, logCell(*m_, operatorTeam(team), 3, logRow(team)));
}

int OperatorRules::openSlot() const {
  const int team = activeTeam();
  if (team != 1 && team != 2) return -1;
  const auto it = rowSlot_[team].find(logRow(team));
  return it == rowSlot_[team].end() ? -1 : it->second;
}

bool OperatorRules::windowNeeded(WindowId w) const {
  const int c = openCol();
  const int action = openAction();
  const bool shot = action == kGoal || action == kShotMiss;
  if (w == WindowId::Match) return c == 1 || c == 3;  // the person or the action is next
  if (w == WindowId::Court) return c == 4 || (c == 5 && shot);
  return c == 5 && !shot && dialogOf(action) == w;
}

void OperatorRules::beforeStep() {
  colBefore_ = openCol();
  teamBefore_ = activeTeam();
  for (int team = 1; team <= 2; ++team)
    openTimeBefore_[team] = logCell(*m_, operatorTeam(team), 0, logRow(team));
  logsBefore_ = logCells(*m_);
  cursorsBefore_ = cursors();
  lastClick_.reset();
  mendedInStep_ = false;
}

bool OperatorRules::unchangedInStep() const {
  return logCells(*m_) == logsBefore_ && cursorsBefore_ == cursors();
}

std::string OperatorRules::expectedErrorOf(const OperatorButton& b) const {
  using R = OperatorButton::Role;
  const int team = activeTeam();
  const int slot = openSlot();
  if (slot < 0 || !b.button->isEnabled()) return "";
  auto countCell = [&](int team1Col) {
    return rosterCell(team == 2 ? team1Col + 7 : team1Col, slot + 1);
  };
  const int c = openCol();
  if (b.role == R::Action && b.code == kGoal && c == 3) {
    const std::string text = countCell(3);
    if (!text.empty() && !isWholeNumber(text)) return conversionError(text);
  }
  if (b.role == R::CourtCorrect && c == 4 && openAction() == kGoal) {
    const std::string text = countCell(3);  // taking a goal back needs a number
    if (!isWholeNumber(text)) return conversionError(text);
  }
  if (b.role == R::DetailChoice && b.window == WindowId::Foul && c == 5 && openAction() == kFoul) {
    const std::string text = countCell(b.code + 3);
    if (!text.empty() && !isWholeNumber(text)) return conversionError(text);
  }
  return "";
}

std::string OperatorRules::expectedErrorOfPickAndAct(int team, int slot, int action) const {
  if (action != kGoal) return "";
  const std::string text = rosterCell(team == 2 ? 10 : 3, slot + 1);
  return !text.empty() && !isWholeNumber(text) ? conversionError(text) : "";
}

void OperatorRules::pickedAndActed(const OperatorButton& person) {
  lastClick_ = person;
  recordingSinceSave_ = true;
}

void OperatorRules::clicked(const OperatorButton& b, bool wasEnabled, double nowSeconds) {
  using R = OperatorButton::Role;
  if (!wasEnabled) return;
  lastClick_ = b;
  switch (b.role) {
    case R::SheetSwitch:
      carried_ = true;
      break;
    case R::Start:
      started_ = true;
      running_ = true;
      startSeconds_ = nowSeconds;
      break;
    case R::Pause:
      if (half_ == kShootOut) break;  // no playing time left
      if (running_) {
        // Past the end of the half the clock has stopped there already.
        if (stopAtEndOfHalf(nowSeconds)) break;
        pauseBegan_ = nowSeconds;
        running_ = false;
      } else if (!halfOver_ || nextPeriodFollows()) {
        if (halfOver_) ++half_;         // the next half starts from where the last ended
        if (half_ == kShootOut) break;  // taken with the clock standing
        halfOver_ = false;
        pausedSeconds_ += nowSeconds - pauseBegan_;
        running_ = true;
        clockShown_ = true;  // continuing shows the time at once
      }
      break;
    case R::Person:
    case R::PersonCorrect:
    case R::Action:
    case R::Location:
    case R::Bench:
    case R::Zone:
    case R::CourtCorrect:
    case R::DetailChoice:
    case R::DetailCorrect:
      recordingSinceSave_ = true;
      break;
    case R::MatchSwitch:
      break;
    case R::AnalysisOpen:
      analysisShown_ = true;
      break;
    case R::AnalysisTeam:
      // Another team's line of the same number is another person.
      if (b.code != analysisTeam_) analysisSlot_ = 0;
      analysisTeam_ = b.code;
      break;
  }
}

void OperatorRules::rosterTyped(int col, int row, const std::string& text) {
  const int team1Col = col >= 7 ? col - 7 : col;
  if (team1Col >= 3 && team1Col <= 6) countText_[{col, row}] = text;
}

void OperatorRules::saved() {
  logsAtSave_ = logCells(*m_);
  recordingSinceSave_ = false;
  editedSinceSave_ = false;
}

bool OperatorRules::logsChangedSinceSave() const {
  return logCells(*m_) != logsAtSave_;
}

int OperatorRules::lastFilledLogRow() const {
  int last = 0;
  for (int team = 1; team <= 2; ++team) {
    const int row = logRow(team);
    bool open = false;
    for (int col = 0; col < 6; ++col)
      open = open || !logCell(*m_, operatorTeam(team), col, row).empty();
    last = std::max(last, open ? row : row - 1);
  }
  return last;
}

OperatorRules::Derived OperatorRules::derive(bool matchPlay) const {
  Derived d;
  for (int team = 1; team <= 2; ++team) {
    for (size_t i = 0; i < completed_[team].size(); ++i) {
      const LogRow& row = completed_[team][i];
      const int slot = rowSlot_[team].at(static_cast<int>(i) + 1);
      const int play = codeIn(kPlays, row[3]);
      if (play <= kTimeOut) d.team[team].at(play - 1, slot) += 1;
      if (play == kGoal && !shootOutThrow(team, i)) d.score[team] += 1;
      const int place = codeIn(kPlaces, row[4]);
      if (matchPlay && shootOutThrow(team, i)) continue;
      if (play == kGoal) d.goals.at(team, slot, place, codeIn(kZones, row[5])) += 1;
      if (play == kShotMiss) d.misses.at(team, slot, place, codeIn(kZones, row[5])) += 1;
      if (play == kKeepMiss) d.keepMisses.at(team, slot, codeIn(kKinds, row[5])) += 1;
      if (play == kFoul) {
        const int sanction = codeIn(kSanctions, row[5]);
        d.team[team].at(sanction + 4, slot) += 1;
        if (sanction == 1) d.warnings[team] += 1;
      }
    }
  }
  // The open event's action is counted as soon as it is chosen.
  const int play = openAction();
  if (play >= kGoal && play <= kTimeOut) {
    d.team[activeTeam()].at(play - 1, openSlot()) += 1;
    if (play == kGoal && m_->entry().event.period != kShootOut) d.score[activeTeam()] += 1;
  }
  return d;
}

int64_t OperatorRules::teamTotal(int team, int kind) const {
  const Derived d = derive();
  int64_t total = 0;
  for (int slot = 0; slot <= 14; ++slot) total += d.team[team].at(kind, slot);
  return total;
}

int64_t OperatorRules::contributionTotal(int team) const {
  static constexpr int kWeight[8] = {2, -1, -1, 1, 0, -1, -2, -3};
  int64_t total = 0;
  for (int kind = 0; kind < 8; ++kind) total += kWeight[kind] * teamTotal(team, kind);
  return total;
}

int64_t OperatorRules::shotTotal(int team, bool goals) const {
  const Derived d = derive();
  const Counts<4>& tally = goals ? d.goals : d.misses;
  int64_t total = 0;
  for (int slot = 1; slot <= 14; ++slot)
    for (int place = 1; place <= 10; ++place)
      for (int zone = 1; zone <= 11; ++zone) total += tally.at(team, slot, place, zone);
  return total;
}

std::string OperatorRules::checkCursorsAndLogs() {
  const Readings s(*m_);
  const int active = s.activeTeam;
  if (active == 0 && (s.logCol1 != 0 || s.logCol2 != 0)) return "a cursor moved with no person";
  if (active == 1 && s.logCol2 != 0)
    return say("team 2's cursor at ", s.logCol2, " in a team-1 event");
  if (active == 2 && s.logCol1 != 0)
    return say("team 1's cursor at ", s.logCol1, " in a team-2 event");
  const int c = openCol();
  if (c == 2 || c < 0 || c > 5) return say("cursor at column ", c);

  // A person just picked (by a key, with the action at once): the row holds
  // the person and the right time.
  if (lastClick_ && lastClick_->role == OperatorButton::Role::Person && (c == 3 || c == 4) &&
      lastClick_->team == active) {
    const int row = logRow(active);
    rowSlot_[active][row] = lastClick_->code;
    const LogRow cells = shownLogRow(*windows_, active, row);
    const int rosterRow = lastClick_->code + 1;
    if (cells[1] != rosterCell(active == 2 ? 8 : 1, rosterRow) ||
        cells[2] != rosterCell(active == 2 ? 9 : 2, rosterRow))
      return "the picked person's number or name differ from the roster: " + joined(cells);
    std::string time;
    if (colBefore_ == 0) {
      const std::string caption = windows_->matchWindow()->ui.clockPanel->text().toStdString();
      const size_t colon = caption.find(':');
      time = caption.substr(0, colon) + "：" + caption.substr(colon + 1);
    } else {
      time = openTimeBefore_[teamBefore_];  // kept, or moved from the other log
    }
    if (cells[0] != time) return "pick stamped '" + cells[0] + "', expected '" + time + "'";
  }
  // Entering waiting-for-an-action: from a pick 修正 may take the person back,
  // from the court dialog's correction it may not.
  if (c == 3 && (colBefore_ != 3 || teamBefore_ != active)) personCorrectable_ = colBefore_ < 3;
  if (c >= 3 && openSlot() < 0) return "the open event has no person picked";

  for (int team = 1; team <= 2; ++team) {
    QTableView* view = logView(*windows_, team);
    const int logRow = this->logRow(team);
    if (shownRows(view) != logRow + 4)
      return say("team ", team, "'s log shows ", shownRows(view), " rows at row ", logRow);
    if (shownSelectedRow(view) != logRow)
      return say("team ", team, "'s log selects row ", shownSelectedRow(view), ", not ", logRow);
    std::vector<LogRow>& done = completed_[team];
    if (static_cast<int>(done.size()) > logRow - 1) return say("team ", team, "'s log lost a row");
    for (size_t i = 0; i < done.size(); ++i)
      for (int col = 0; col < 6; ++col)
        if (logCell(*m_, operatorTeam(team), col, static_cast<int>(i) + 1) != done[i][col])
          return say("team ", team, "'s completed row ", i + 1, " changed: ", joined(done[i]));
    while (static_cast<int>(done.size()) < logRow - 1) {
      const int row = static_cast<int>(done.size()) + 1;
      const auto slot = rowSlot_[team].find(row);
      if (slot == rowSlot_[team].end()) return say("team ", team, " row ", row, " has no pick");
      const LogRow cells = shownLogRow(*windows_, team, row);
      const std::string problem = rowProblem(cells, slot->second);
      if (!problem.empty())
        return say("team ", team, " row ", row, " '", joined(cells), "': ", problem);
      done.push_back(cells);
    }
    // The open row holds cells up to its cursor only; rows below are empty.
    const int col = team == active ? c : 0;
    const LogRow open = shownLogRow(*windows_, team, logRow);
    for (int k = col; k < 6; ++k)
      if (!open[k].empty())
        return say("team ", team, " open row at column ", col, ": ", joined(open));
    if (col >= 1 && !isTimeText(open[0])) return "open row's time: " + joined(open);
    const int play = codeIn(kPlays, open[3]);
    if (col >= 4 && play == 0) return "open row's play: " + joined(open);
    if (col >= 4 && openSlot() == 0 && play != kTimeOut && play != kFoul)
      return "the official has play " + open[3];
    if (col == 5 && (play == kTimeOut ? open[4] != kBench : codeIn(kPlaces, open[4]) == 0))
      return "open row's place: " + joined(open);
    for (int row = logRow + 1; row < shownRows(view); ++row)
      for (int k = 0; k < 7; ++k)
        if (!logCell(*m_, operatorTeam(team), k, row).empty())
          return say("team ", team, " row ", row, " below the open row");
  }
  return "";
}

std::string OperatorRules::checkButtons() const {
  const int c = openCol();
  const int action = openAction();
  const bool shot = action == kGoal || action == kShotMiss;
  const int slot = openSlot();
  auto expect = [](QPushButton* b, bool enabled, const char* what) -> std::string {
    if (b->isEnabled() == enabled) return "";
    return say(what, " '", b->text().toStdString(), "' is ", enabled ? "disabled" : "enabled");
  };
  std::string broken;
  auto check = [&](std::string problem) {
    if (broken.empty() && !problem.empty()) broken = problem;
  };
  check(expect(windows_->teamSheet()->ui.finishInputButton, true, "team sheet"));
  check(expect(windows_->teamSheet()->ui.saveButton, true, "team sheet"));
  check(expect(windows_->matchWindow()->ui.startButton, !started_, "start"));
  check(expect(windows_->matchWindow()->ui.pauseButton, started_, "pause"));
  check(expect(windows_->matchWindow()->ui.teamSheetButton, true, "match window"));
  check(expect(windows_->matchWindow()->ui.analysisButton, true, "match window"));
  check(expect(windows_->analysisWindow()->ui.teamOneButton, true, "analysis window"));
  check(expect(windows_->analysisWindow()->ui.teamTwoButton, true, "analysis window"));
  check(expect(windows_->matchWindow()->ui.correctionButton, c == 3 && personCorrectable_,
               "match correction"));
  for (QPushButton* b : windows_->matchWindow()->personButtons)
    check(expect(b, started_ && c <= 1, "person"));
  for (int code = 1; code <= 6; ++code)
    check(expect(windows_->matchWindow()->actionButtons[code - 1],
                 c == 3 && (slot != 0 || code == kTimeOut || code == kFoul), "action"));
  const bool awaitingBench = c == 4 && action == kTimeOut;
  const bool awaitingZone = c == 5 && shot;
  for (QPushButton* b : windows_->courtDialog()->locationButtons)
    check(expect(b, !awaitingBench && !awaitingZone, "location"));
  for (QPushButton* b : windows_->courtDialog()->zoneButtons)
    check(expect(b, awaitingZone, "zone"));
  check(expect(windows_->courtDialog()->ui.benchButton, awaitingBench, "bench"));
  check(expect(windows_->courtDialog()->ui.correctionButton, true, "court correction"));
  for (WindowId w : {WindowId::KeepMiss, WindowId::PenaltyThrow, WindowId::Foul, WindowId::TimeOut})
    for (QPushButton* b : windows_->window(w)->findChildren<QPushButton*>())
      check(expect(b, true, "detail"));
  if (!broken.empty()) return say(broken, " with the cursor at ", c, ", action ", action);

  // Which windows show: those the open event needs, and no detail dialog
  // that it does not need.
  if (!windows_->teamSheet()->isVisible()) return "the team sheet is hidden";
  if (windowNeeded(WindowId::Court) && !windows_->courtDialog()->isVisible())
    return "the court dialog is hidden";
  if (c <= 1 && windows_->courtDialog()->isVisible())
    return "the court dialog shows with no action";
  if (c == 5 && !shot && windows_->courtDialog()->isVisible())
    return "the court dialog shows over a detail dialog";
  for (WindowId w : {WindowId::KeepMiss, WindowId::PenaltyThrow, WindowId::Foul, WindowId::TimeOut})
    if (windows_->window(w)->isVisible() != windowNeeded(w))
      return say(windows_->window(w)->objectName().toStdString(),
                 windows_->window(w)->isVisible() ? " shows" : " is hidden", " with the cursor at ",
                 c, ", action ", action);
  return "";
}

std::string OperatorRules::checkWayForward() const {
  auto anyUsable = [](QWidget* form, const auto& buttons) {
    if (!form->isVisible()) return false;
    for (QPushButton* b : buttons)
      if (b->isEnabled()) return true;
    return false;
  };
  // A hidden match window comes back with the team sheet's button.
  const bool matchReachable = windows_->matchWindow()->isVisible() ||
                              (windows_->teamSheet()->isVisible() &&
                               windows_->teamSheet()->ui.finishInputButton->isEnabled());
  auto onMatchWindow = [&](const auto& buttons) {
    for (QPushButton* b : buttons)
      if (b->isEnabled()) return matchReachable;
    return false;
  };
  const int c = openCol();
  const int action = openAction();
  bool forward = false;
  if (!started_) {
    forward = onMatchWindow(std::vector<QPushButton*>{windows_->matchWindow()->ui.startButton});
  } else if (c <= 1) {
    forward = onMatchWindow(windows_->matchWindow()->personButtons);
  } else if (c == 3) {
    forward = onMatchWindow(windows_->matchWindow()->actionButtons);
  } else if (c == 4) {
    std::vector<QPushButton*> places = windows_->courtDialog()->locationButtons;
    places.push_back(windows_->courtDialog()->ui.benchButton);
    forward = anyUsable(windows_->courtDialog(), places);
  } else if (action == kGoal || action == kShotMiss) {
    forward = anyUsable(windows_->courtDialog(), windows_->courtDialog()->zoneButtons);
  } else {
    QWidget* detail = windows_->window(dialogOf(action));
    forward = anyUsable(detail, detail->findChildren<QPushButton*>());
  }
  return forward ? "" : say("stuck: nothing usable with the cursor at ", c, ", action ", action);
}

std::string OperatorRules::checkCounts() {
  const Derived d = derive();
  const Readings s(*m_);
  for (int team = 1; team <= 2; ++team) {
    for (int kind = 0; kind < 8; ++kind)
      for (int slot = 0; slot <= 14; ++slot)
        if (teamTally(s, team).at(kind, slot) != d.team[team].at(kind, slot))
          return say("team ", team, " tally [", kind, "][", slot, "] is ",
                     teamTally(s, team).at(kind, slot), ", the logs say ",
                     d.team[team].at(kind, slot));
    for (int slot = 1; slot <= 14; ++slot) {
      for (int place = 1; place <= 10; ++place)
        for (int zone = 1; zone <= 11; ++zone) {
          if (s.goalTally.at(team, slot, place, zone) != d.goals.at(team, slot, place, zone))
            return say("goalTally [", team, "][", slot, "][", place, "][", zone, "] is ",
                       s.goalTally.at(team, slot, place, zone));
          if (s.shotMissTally.at(team, slot, place, zone) != d.misses.at(team, slot, place, zone))
            return say("shotMissTally [", team, "][", slot, "][", place, "][", zone, "] is ",
                       s.shotMissTally.at(team, slot, place, zone));
        }
      for (int kind = 1; kind <= 7; ++kind)
        if (s.keepMissTally.at(team, slot, kind) != d.keepMisses.at(team, slot, kind))
          return say("keepMissTally [", team, "][", slot, "][", kind, "] is ",
                     s.keepMissTally.at(team, slot, kind));
    }
    const QLabel* score = team == 2 ? windows_->matchWindow()->ui.teamTwoScorePanel
                                    : windows_->matchWindow()->ui.teamOneScorePanel;
    if (score->text().toStdString() != std::to_string(d.score[team]))
      return say("team ", team, "'s score reads ", score->text().toStdString(), ", the log has ",
                 d.score[team], " goals");
    const QLabel* warnings = team == 2 ? windows_->teamSheet()->ui.teamTwoWarningsPanel
                                       : windows_->teamSheet()->ui.teamOneWarningsPanel;
    if (warnings->text().toStdString() != std::to_string(d.warnings[team]))
      return say("team ", team, "'s warning count reads ", warnings->text().toStdString());

    // Count cells follow the logs from whatever they held: empty counts as 0
    // for a raise, and a cell that is no number is never changed.
    for (int slot = 0; slot <= 14; ++slot)
      for (int kind : {0, 5, 6, 7}) {
        const int col = (kind == 0 ? 3 : kind - 1) + (team == 2 ? 7 : 0);
        const std::pair<int, int> key{col, slot + 1};
        const int64_t now = d.team[team].at(kind, slot);
        const int64_t delta = now - countSeen_[key];
        std::string& expected = countText_[key];
        int64_t value = 0;
        const bool number = isWholeNumber(expected, &value);
        if (delta == 1 && (expected.empty() || number)) {
          expected = std::to_string(value + 1);
        } else if (delta == -1 && (kind == 0 || mendedInStep_) && number) {
          // An edit that leaves the person none of the kind empties a cell
          // it brings to 0, as a recording of the events as they now stand
          // would have left it.
          expected = mendedInStep_ && value == 1 && now == 0 ? "" : std::to_string(value - 1);
        } else if (delta != 0) {
          return say("roster cell (", col, ", ", slot + 1, ") holding '", expected,
                     "' was counted ", delta > 0 ? "up" : "down");
        }
        countSeen_[key] = now;
        const std::string cell = shown(windows_->teamSheet()->ui.rosterGrid, col, slot + 1);
        if (cell != expected)
          return say("roster cell (", col, ", ", slot + 1, ") reads '", cell, "', expected '",
                     expected, "'");
      }
  }
  return "";
}

std::string OperatorRules::periodsReached() const {
  const ShootOutReckoning s(*m_);
  return say("period ", half_, " reached, ", s.throws[1] + s.throws[2], " shoot-out throws");
}

int OperatorRules::endOf(int period) {
  if (period <= 2) return period * 30 * 60;
  return 60 * 60 + (std::min(period, 6) - 2) * 5 * 60;
}

bool OperatorRules::nextPeriodFollows() const {
  const Derived d = derive();
  const bool level = d.score[1] == d.score[2];
  return half_ == 1 || (overtime_ && (half_ == 2 || half_ == 3 || half_ == 5 ||
                                      ((half_ == 4 || half_ == 6) && level)));
}

bool OperatorRules::shootOutThrow(int team, size_t i) const {
  const TeamId t = operatorTeam(team);
  if (static_cast<int>(i) >= m_->teamEventCount(t)) return false;
  const Event& e = m_->teamEvent(t, static_cast<int>(i));
  return e.period == kShootOut && isShot(e.action);
}

std::vector<LogRow> OperatorRules::matchPlayRows(int team) const {
  std::vector<LogRow> rows;
  for (size_t i = 0; i < completed_[team].size(); ++i)
    if (!shootOutThrow(team, i)) rows.push_back(completed_[team][i]);
  return rows;
}

bool OperatorRules::stopAtEndOfHalf(double nowSeconds) {
  const double end = endOf(half_);
  const double played = nowSeconds - startSeconds_ - pausedSeconds_;
  if (!running_ || played < end) return false;
  running_ = false;
  halfOver_ = true;
  pauseBegan_ = nowSeconds - (played - end);
  return true;
}

void OperatorRules::clockTicked(double nowSeconds) {
  stopAtEndOfHalf(nowSeconds);
}

std::string OperatorRules::checkClock(double nowSeconds) const {
  const std::string caption = windows_->matchWindow()->ui.clockPanel->text().toStdString();
  if (halfOver_) {
    const std::string end = clockCaption(endOf(half_));
    return caption == end ? "" : "the clock reads " + caption + " at the end of the half";
  }
  if (!running_) return "";
  const std::string expected = clockCaption(nowSeconds - startSeconds_ - pausedSeconds_);
  return caption == expected ? "" : "the clock reads " + caption + ", expected " + expected;
}

std::string OperatorRules::checkCarried() const {
  for (int n = 0; n < 30; ++n) {
    const int team = n < 15 ? 1 : 2;
    const int slot = n % 15;
    const std::string expected = !carried_   ? ""
                                 : slot == 0 ? "監督"
                                             : rosterCell(team == 2 ? 8 : 1, slot + 1);
    if (windows_->matchWindow()->personButtons[n]->text().toStdString() != expected)
      return say("person button ", n + 1, " reads '",
                 windows_->matchWindow()->personButtons[n]->text().toStdString(), "'");
  }
  const std::string one = carried_ ? m_->team(TeamId::One).name : "";
  const std::string two = carried_ ? m_->team(TeamId::Two).name : "";
  if (windows_->matchWindow()->ui.teamOneLogNamePanel->text().toStdString() != one ||
      windows_->matchWindow()->ui.teamTwoRowNamePanel->text().toStdString() != two)
    return "the team panels differ from the team names";
  return "";
}

namespace {

// The seconds of a time text, "mm：ss" in a log or "mm:ss" on the clock.
int secondsOf(const std::string& text, const std::string& colon) {
  const size_t at = text.find(colon);
  if (at == std::string::npos) return 0;
  return std::stoi(text.substr(0, at)) * 60 + std::stoi(text.substr(at + colon.size()));
}

// When a person is off the court, by the rules (16:9): their suspensions
// one after another, a 退場 and a 失格 at one time as one.
struct Off {
  int from = 0, to = 0;
  size_t row = 0;  // the log row that began it
};

}  // namespace

// The strength under each team's name and the notices of sanctions,
// worked out from the logs, the roster and the time the clock panel shows.
std::string OperatorRules::checkRules() const {
  const std::string clock = windows_->matchWindow()->ui.clockPanel->text().toStdString();
  const int now = secondsOf(clock, ":");
  std::vector<std::string> expected;
  for (int team = 1; team <= 2; ++team) {
    const std::string teamName = m_->team(operatorTeam(team)).name;
    auto person = [&](int slot, const LogRow& row) -> std::string {
      if (slot == 0) return "監督";
      const std::string number = rosterCell(team == 2 ? 8 : 1, slot + 1);
      return number.empty() ? row[2] : number + "番";
    };
    // Each person's sanctions that take a player: (time, 退場 or 失格, row).
    std::map<int, std::vector<std::array<int, 3>>> taken;
    std::map<int, int> suspensions, warnings;
    int playerWarnings = 0;
    for (size_t i = 0; i < completed_[team].size(); ++i) {
      const LogRow& row = completed_[team][i];
      if (row[3] != kPlays[kFoul - 1]) continue;
      const int slot = rowSlot_[team].at(static_cast<int>(i) + 1);
      const int sanction = codeIn(kSanctions, row[5]);
      const std::string said = clockCaption(secondsOf(row[0], "：")) + " " + teamName + ": ";
      if (sanction != 1) taken[slot].push_back({secondsOf(row[0], "："), sanction, int(i)});
      if (sanction == 2 && ++suspensions[slot] == (slot == 0 ? 2 : 3))
        expected.push_back(said + person(slot, row) + (slot == 0 ? " 2回目" : " 3回目") +
                           "の退場 (失格)");
      if (sanction != 1) continue;
      if (suspensions[slot] > 0)
        expected.push_back(said + person(slot, row) + " 退場の後の警告 (退場の後に警告はない)");
      if (++warnings[slot] == 2)
        expected.push_back(said + person(slot, row) + " 2回目の警告 (警告は1人1回まで)");
      if (slot != 0 && ++playerWarnings == 4)
        expected.push_back(said + "4回目の警告 (警告はチーム3回まで)");
    }
    // The running stretch of each person: the first not over by now.
    std::vector<std::pair<std::array<int, 2>, std::string>> running;  // ((left, row), text)
    for (auto& [slot, list] : taken) {
      std::stable_sort(list.begin(), list.end(),
                       [](const auto& a, const auto& b) { return a[0] < b[0]; });
      std::vector<Off> offs;
      for (size_t i = 0; i < list.size();) {
        int suspended = 0, disqualified = 0;
        const size_t first = i;
        for (; i < list.size() && list[i][0] == list[first][0]; ++i)
          (list[i][1] == 2 ? suspended : disqualified) += 1;
        if (offs.empty() || list[first][0] > offs.back().to)
          offs.push_back({list[first][0], list[first][0], size_t(list[first][2])});
        offs.back().to += 120 * std::max(suspended, disqualified);
      }
      for (const Off& off : offs) {
        if (off.to <= now) continue;
        const int left = std::min(off.to - off.from, off.to - now);
        char text[16];
        std::snprintf(text, sizeof text, "%d:%02d", left / 60, left % 60);
        const std::string who = slot == 0 ? "監督" : rosterCell(team == 2 ? 8 : 1, slot + 1);
        running.push_back({{left, int(off.row)}, " " + who + " " + text});
        break;
      }
    }
    std::sort(running.begin(), running.end());
    // Never fewer than nobody on court, however many sit out.
    std::string strength = std::to_string(std::max(0, 7 - static_cast<int>(running.size()))) + "人";
    for (const auto& r : running) strength += r.second;
    const QLabel* label = team == 2 ? windows_->matchWindow()->ui.teamTwoStrengthLabel
                                    : windows_->matchWindow()->ui.teamOneStrengthLabel;
    if (label->text().toStdString() != strength)
      return say("team ", team, "'s strength reads '", label->text().toStdString(), "', expected '",
                 strength, "' at ", clock);
  }
  // The notices of sanctions, both teams' together; those of time-outs are
  // left to the rules' tests.
  std::vector<std::string> shown;
  const QListWidget* list = windows_->matchWindow()->ui.noticesList;
  for (int i = 0; i < list->count(); ++i) {
    const std::string text = list->item(i)->text().toStdString();
    if (text.find("作戦タイム") == std::string::npos) shown.push_back(text);
  }
  // The shoot-out's notices, and its goals where the period is named.
  const ShootOutReckoning shootOut(*m_);
  for (const auto& [e, text] : shootOut.flagged)
    expected.push_back(clockCaption(e->clockSeconds) + " " + m_->team(e->team).name + ": " + text);
  std::sort(shown.begin(), shown.end());
  std::sort(expected.begin(), expected.end());
  if (shown != expected)
    return say("the notices of sanctions are ", shown.size(), ", expected ", expected.size(),
               expected.empty() ? std::string() : ", the first '" + expected[0] + "'");
  if (half_ == kShootOut) {
    const std::string period = windows_->matchWindow()->ui.periodLabel->text().toStdString();
    const std::string reckoned = say("7mTC ", shootOut.goals[1], "-", shootOut.goals[2]);
    if (period != reckoned) return "the period reads '" + period + "', expected '" + reckoned + "'";
  }
  return "";
}

// The shoot-out reckoned from the events in the order recorded: the teams
// alternate, the first to throw leading each round; five rounds, then one
// each until one is ahead after equal throws, over once out of reach.
OperatorRules::ShootOutReckoning::ShootOutReckoning(const Match& m) {
  for (const Event& e : m.events()) {
    if (e.period != kShootOut || !isShot(e.action)) continue;
    const int t = teamNumber(e.team), o = 3 - t;
    if (over)
      flagged.push_back({&e, "7mTC 決着後の投球"});
    else if (first != 0 && (throws[t] > throws[o] || (throws[t] == throws[o] && t != first)))
      flagged.push_back({&e, "7mTC 順番違い (交互に投げる)"});
    if (first == 0) first = t;
    ++throws[t];
    goals[t] += e.action == Action::Goal;
    const int a = throws[1], b = throws[2];
    if (a <= 5 && b <= 5)
      over = goals[1] > goals[2] + (5 - b) || goals[2] > goals[1] + (5 - a);
    else
      over = a == b && goals[1] != goals[2];
  }
}

std::string OperatorRules::check(double nowSeconds, bool afterTick) {
  for (const auto& part : {&OperatorRules::checkCursorsAndLogs, &OperatorRules::checkCounts}) {
    const std::string broken = (this->*part)();
    if (!broken.empty()) return broken;
  }
  for (const auto& part : {&OperatorRules::checkButtons, &OperatorRules::checkWayForward}) {
    const std::string broken = (this->*part)();
    if (!broken.empty()) return broken;
  }
  if (afterTick || clockShown_) {
    clockShown_ = false;
    const std::string broken = checkClock(nowSeconds);
    if (!broken.empty()) return broken;
  }
  // Once carried over, the person buttons and team panels follow every
  // later edit of the roster and the names; before, they are blank.
  for (const auto& part : {&OperatorRules::checkCarried, &OperatorRules::checkRules}) {
    const std::string broken = (this->*part)();
    if (!broken.empty()) return broken;
  }
  return checkAnalysis();
}

namespace {
std::string rateOf(int64_t goals, int64_t shots) {
  if (shots == 0) return std::to_string(goals) + "/0 -";
  return say(goals, "/", shots, " ", std::llround(100.0 * goals / shots), "%");
}
}  // namespace

// The analysis window, while shown, counts the completed shots of the team
// and person chosen, place by place, and the score of the completed goals.
std::string OperatorRules::checkAnalysis() const {
  const AnalysisWindow* window = windows_->analysisWindow();
  if (window->isVisible() != analysisShown_)
    return analysisShown_ ? "the analysis window is hidden" : "the analysis window shows";
  if (!analysisShown_) return "";
  const Ui::AnalysisWindow& ui = window->ui;
  if (ui.teamOneButton->isChecked() != (analysisTeam_ == 1) ||
      ui.teamTwoButton->isChecked() != (analysisTeam_ == 2))
    return say("the analysis window's team buttons do not show team ", analysisTeam_);
  if (ui.personChoice->currentIndex() != analysisSlot_)
    return say("the analysis window's person choice is at ", ui.personChoice->currentIndex(),
               ", not ", analysisSlot_);
  if (ui.pageTabs->currentIndex() != analysisPage_)
    return say("the analysis window shows page ", ui.pageTabs->currentIndex(), ", not ",
               analysisPage_);
  // Only the page shown follows the steps.
  if (analysisPage_ != 0) return checkAnalysisPage();
  const Derived d = derive(true);
  int64_t goals = 0, shots = 0;
  for (int place = 1; place <= 10; ++place) {
    int64_t g = 0, s = 0;
    for (int slot = 1; slot <= 14; ++slot) {
      if (analysisSlot_ != 0 && slot != analysisSlot_) continue;
      for (int zone = 1; zone <= 11; ++zone) {
        g += d.goals.at(analysisTeam_, slot, place, zone);
        s += d.goals.at(analysisTeam_, slot, place, zone) +
             d.misses.at(analysisTeam_, slot, place, zone);
      }
    }
    goals += g;
    shots += s;
    const QTableWidget* table = ui.placeTable;
    const std::string shown = table->item(place - 1, 0)->text().toStdString() + " " +
                              table->item(place - 1, 1)->text().toStdString();
    if (shown != rateOf(g, s))
      return say("the analysis window's place ", place, " reads '", shown, "', the logs say '",
                 rateOf(g, s), "'");
  }
  const std::string total = ui.placeTable->item(10, 0)->text().toStdString() + " " +
                            ui.placeTable->item(10, 1)->text().toStdString();
  if (total != rateOf(goals, shots))
    return say("the analysis window's total reads '", total, "', expected '", rateOf(goals, shots),
               "'");
  const auto& marks = ui.shotChart->marks();
  const auto goalMarks = std::count_if(marks.begin(), marks.end(), [](auto& m) { return m.goal; });
  if (static_cast<int64_t>(marks.size()) != shots || goalMarks != goals)
    return say("the shot chart has ", marks.size(), " marks, ", goalMarks, " of them goals, for ",
               shots, " shots and ", goals, " goals");
  int64_t completedGoals[3] = {};
  for (int team = 1; team <= 2; ++team)
    for (const LogRow& row : matchPlayRows(team)) completedGoals[team] += row[3] == kPlays[0];
  const ShootOutReckoning shootOut(*m_);
  const std::string score = say(completedGoals[1], " - ", completedGoals[2]) +
                            (shootOut.throws[1] + shootOut.throws[2] == 0
                                 ? ""
                                 : say(" (7mTC ", shootOut.goals[1], "-", shootOut.goals[2], ")"));
  if (ui.scoreLabel->text().toStdString() != score)
    return "the analysis window's score reads " + ui.scoreLabel->text().toStdString() +
           ", the logs say " + score;
  return checkGoalkeeperFigures(completedGoals[analysisTeam_ == 1 ? 2 : 1]);
}

// The goal the chosen team defends, or the chosen goalkeeper's part of it
// (a player whose line is marked or who faced a shot), counted here from
// the events and what was said of them: every goal is on target, a miss
// only when it was saved, said so or, with nothing said, clicked inside the
// goal. The team's goals against are the other team's goals in its log.
std::string OperatorRules::checkGoalkeeperFigures(int64_t otherTeamsGoals) const {
  const TeamId defending = operatorTeam(analysisTeam_);
  const int slot = analysisSlot_;
  auto faced = [&](const Event& e) {
    return e.team != defending && isShot(e.action) && e.period != kShootOut;
  };
  bool keeps = slot != 0 && m_->team(defending).lines[slot].goalkeeper;
  for (const Event& e : m_->events())
    keeps = keeps || (slot != 0 && faced(e) && e.facts.goalkeeper == slot);
  int64_t onTarget = 0, saves = 0, against = 0;
  for (const Event& e : m_->events()) {
    if (!faced(e) || (keeps && e.facts.goalkeeper != slot)) continue;
    const bool clickedInside = e.detail >= 2 && e.detail <= 10;
    if (e.action == Action::Goal) {
      ++onTarget;
      ++against;
    } else if (e.facts.outcome == MissOutcome::Saved ||
               (e.facts.outcome == MissOutcome::Unsaid && clickedInside)) {
      ++onTarget;
      ++saves;
    }
  }
  if (!keeps && against != otherTeamsGoals)
    return say("the goals against team ", analysisTeam_, " are ", against, ", its log says ",
               otherTeamsGoals);
  const std::string expected = say("枠内 ", onTarget, "   セーブ ", saves, "   失点 ", against);
  const std::string shown = windows_->analysisWindow()->ui.keeperLabel->text().toStdString();
  if (shown.rfind(expected, 0) != 0)
    return say("the goalkeeper's figures read '", shown.substr(0, shown.find('\n')),
               "', expected '", expected, "'");
  return "";
}

bool OperatorRules::textsLoseCharacters(const std::string& stem) const {
  auto lossy = [](const std::string& text) {
    return text.find("⚽") != std::string::npos || text.find("😀") != std::string::npos;
  };
  if (lossy(stem) || lossy(m_->team(TeamId::One).name) || lossy(m_->team(TeamId::Two).name))
    return true;
  for (int team = 1; team <= 2; ++team) {
    for (int slot = 1; slot <= 14; ++slot)
      if (lossy(rosterCell(team == 2 ? 9 : 2, slot + 1))) return true;
    for (int row = 1; row <= logRow(team); ++row)
      if (lossy(logCell(*m_, operatorTeam(team), 1, row)) ||
          lossy(logCell(*m_, operatorTeam(team), 2, row)))
        return true;
  }
  return false;
}

namespace {

// The count a row moves: 0 the goals, 5 to 7 the sanctions; -1 none.
int countKindOf(const LogRow& row) {
  const int play = codeIn(kPlays, row[3]);
  if (play == kGoal) return 0;
  if (play == kFoul) return codeIn(kSanctions, row[5]) + 4;
  return -1;
}

int countColumn(int team, int kind) {
  return (kind == 0 ? 3 : kind - 1) + (team == 2 ? 7 : 0);
}

}  // namespace

LogRow OperatorRules::mendedRow(int team, int slot, int seconds, const std::string& play,
                                const std::string& place, const std::string& detail,
                                const LogRow* kept, int keptSlot) const {
  LogRow row;
  char time[32];
  std::snprintf(time, sizeof time, "%02d：%02d", seconds / 60, seconds % 60);
  row[0] = time;
  if (kept && keptSlot == slot) {
    row[1] = (*kept)[1];
    row[2] = (*kept)[2];
  } else {
    row[1] = rosterCell(team == 2 ? 8 : 1, slot + 1);
    row[2] = rosterCell(team == 2 ? 9 : 2, slot + 1);
  }
  row[3] = play;
  row[4] = place;
  row[5] = detail;
  return row;
}

std::string OperatorRules::expectedErrorOfMend(const Mend& mend, bool forward) const {
  using K = Mend::Kind;
  struct Move {
    int slot, kind, delta;
  };
  std::vector<Move> moves;
  auto add = [&](const LogRow& row, int slot, int delta) {
    const int kind = countKindOf(row);
    if (kind < 0) return;
    for (Move& m : moves)
      if (m.slot == slot && m.kind == kind) {
        m.delta += delta;
        return;
      }
    moves.push_back({slot, kind, delta});
  };
  const bool hasBefore = mend.kind != K::Insert;
  const bool hasAfter = mend.kind != K::Remove;
  if (forward ? hasBefore : hasAfter)
    add(forward ? mend.before : mend.after, forward ? mend.slotBefore : mend.slotAfter, -1);
  if (forward ? hasAfter : hasBefore)
    add(forward ? mend.after : mend.before, forward ? mend.slotAfter : mend.slotBefore, +1);
  for (const Move& m : moves) {
    if (m.delta == 0) continue;
    const auto found = countText_.find({countColumn(mend.team, m.kind), m.slot + 1});
    const std::string text = found == countText_.end() ? "" : found->second;
    if (!isWholeNumber(text) && !(text.empty() && m.delta > 0)) return conversionError(text);
  }
  return "";
}

void OperatorRules::apply(const Mend& mend, bool forward) {
  using K = Mend::Kind;
  std::vector<LogRow>& rows = completed_[mend.team];
  std::vector<int> slotList;
  for (size_t i = 0; i < rows.size(); ++i)
    slotList.push_back(rowSlot_[mend.team].at(static_cast<int>(i) + 1));
  const auto at = static_cast<size_t>(mend.row);
  if (mend.kind == K::Replace) {
    rows.at(at) = forward ? mend.after : mend.before;
    slotList.at(at) = forward ? mend.slotAfter : mend.slotBefore;
  } else if ((mend.kind == K::Remove) == forward) {
    rows.erase(rows.begin() + mend.row);
    slotList.erase(slotList.begin() + mend.row);
  } else {
    const bool inserting = mend.kind == K::Insert;
    rows.insert(rows.begin() + mend.row, inserting ? mend.after : mend.before);
    slotList.insert(slotList.begin() + mend.row, inserting ? mend.slotAfter : mend.slotBefore);
  }
  rowSlot_[mend.team].clear();
  for (size_t i = 0; i < slotList.size(); ++i)
    rowSlot_[mend.team][static_cast<int>(i) + 1] = slotList[i];
  mendedInStep_ = true;
  recordingSinceSave_ = true;
}

void OperatorRules::mended(const Mend& mend) {
  apply(mend, true);
  done_.push_back(mend);
  undone_.clear();
}

void OperatorRules::undone() {
  apply(done_.back(), false);
  undone_.push_back(done_.back());
  done_.pop_back();
}

void OperatorRules::redone() {
  apply(undone_.back(), true);
  done_.push_back(undone_.back());
  undone_.pop_back();
}
