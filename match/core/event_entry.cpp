#include "event_entry.h"

#include "clock.h"
#include "text_convert.h"

namespace {

constexpr const char* kLogHeads = "when,No.,who,play,where,what";

bool activeTeamValid(const MatchModel& m) {
  return m.state.activeTeam == 1 || m.state.activeTeam == 2;
}

void setupLog(TextGrid& log) {
  log.setColCount(6);
  log.setRowCount(5);
  log.fixedRows = 1;
  log.fixedCols = 0;
  log.setSelectedRow(1);
  log.setRowFromCommaText(0, kLogHeads);
}

}  // namespace

void createMatchWindow(MatchModel& m) {
  setupLog(m.match.log1);
  setupLog(m.match.log2);
  m.state.clockRunning = true;
  m.state.correctionPending = false;
  m.state.lastPickWasTeam1 = true;
  m.match.pauseEnabled = false;
  m.match.correctionEnabled = false;
  disablePlayerButtons(m);
  disableActionButtons(m);
  m.state.logCol1 = 0;
  m.state.logCol2 = 0;
  m.state.logRow1 = 1;
  m.state.logRow2 = 1;
}

std::string currentClockText(const MatchModel& m) {
  return clockText(playingTime(m.timeOfDay(), m.state.matchStartTime, m.state.pausedTotal));
}

void startMatch(MatchModel& m) {
  m.state.matchStartTime = m.timeOfDay();
  m.match.timerEnabled = true;
  m.match.startEnabled = false;
  m.match.pauseEnabled = true;
  enablePlayerButtons(m);
}

void clockTick(MatchModel& m) {
  m.match.clockCaption = currentClockText(m);
}

void pauseOrContinue(MatchModel& m) {
  if (m.state.clockRunning) {
    m.match.timerEnabled = false;
    m.state.pauseStartTime = m.timeOfDay();
    m.state.clockRunning = false;
    return;
  }
  double paused = m.timeOfDay() - m.state.pauseStartTime;
  if (paused < 0) paused += 1;  // paused across midnight
  m.state.pausedTotal += paused;
  m.match.clockCaption = currentClockText(m);
  m.match.timerEnabled = true;
  m.state.clockRunning = true;
}

void enablePlayerButtons(MatchModel& m) {
  m.match.personEnabled.fill(true);
}
void disablePlayerButtons(MatchModel& m) {
  m.match.personEnabled.fill(false);
}
void enableActionButtons(MatchModel& m) {
  m.match.actionEnabled.fill(true);
}
void disableActionButtons(MatchModel& m) {
  m.match.actionEnabled.fill(false);
}

void enableActionButtonsForSlot(MatchModel& m) {
  if (m.state.activeSlot == codes::kOfficialSlot) {
    m.match.actionEnabled[codes::kFoul - 1] = true;
    m.match.actionEnabled[codes::kTimeOut - 1] = true;
  } else {
    enableActionButtons(m);
  }
}

void writeLogCell(MatchModel& m, const std::string& text) {
  if (!activeTeamValid(m)) return;
  const int team = m.state.activeTeam;
  int32_t& col = m.state.logCol(team);
  m.match.log(team).setCell(col, m.state.logRow(team), text);
  ++col;
  m.unsaved = true;
}

void finishLogRow(MatchModel& m) {
  if (!activeTeamValid(m)) return;
  const int team = m.state.activeTeam;
  TextGrid& log = m.match.log(team);
  m.state.logCol(team) = 0;
  m.state.logRow(team) += 1;
  log.setRowCount(log.rowCount() + 1);
  log.setSelectedRow(log.selectedRow() + 1);
}

void stepBackLogCell(MatchModel& m) {
  if (!activeTeamValid(m)) return;
  const int team = m.state.activeTeam;
  int32_t& col = m.state.logCol(team);
  if (col <= 0) return;  // nothing left to take back in this row
  --col;
  m.match.log(team).setCell(col, m.state.logRow(team), "");
  m.unsaved = true;
}

void pickPlayer(MatchModel& m, int team, int slot) {
  MatchState& s = m.state;
  disablePlayerButtons(m);
  m.match.correctionEnabled = true;
  s.activeTeam = team;
  s.activeSlot = slot;
  s.tallySlot = slot;
  s.sheetRow = slot + 1;
  disableActionButtons(m);
  enableActionButtonsForSlot(m);

  const std::string& clock = m.match.clockCaption;
  std::string time = clock.substr(0, 2) + "：" + (clock.size() > 3 ? clock.substr(3, 2) : "");

  TextGrid& log = m.match.log(team);
  int32_t& col = s.logCol(team);
  const int row = s.logRow(team);
  if (!s.correctionPending) {
    log.setCell(col++, row, time);
  } else {
    s.correctionPending = false;
    const int previous = s.lastPickWasTeam1 ? 1 : 2;
    if (previous != team) {
      // The event moves to the other team's log with the time first entered.
      TextGrid& previousLog = m.match.log(previous);
      const int previousRow = s.logRow(previous);
      log.setCell(col++, row, previousLog.cell(0, previousRow));
      previousLog.setCell(0, previousRow, "");
      s.logCol(previous) = 0;
    }
  }
  log.setCell(col++, row,
              m.sheet.roster.cell(codes::rosterCol(team, codes::kRosterNumberCol), slot + 1));
  log.setCell(col++, row,
              m.sheet.roster.cell(codes::rosterCol(team, codes::kRosterNameCol), slot + 1));
  s.lastPickWasTeam1 = team == 1;
  m.unsaved = true;
}

void recordAction(MatchModel& m, int action) {
  MatchState& s = m.state;
  const int team = s.activeTeam;
  if (action == codes::kGoal) {
    // Check the goal cell first, so a failure leaves no half-recorded event.
    const int goalCol = codes::rosterCol(team, codes::kRosterGoalCol);
    if (!countCellReadable(m, goalCol, s.sheetRow, true))
      throw ConversionError(m.sheet.roster.cell(goalCol, s.sheetRow));
  }
  m.match.correctionEnabled = false;
  s.activeAction = action;
  if (activeTeamValid(m))
    m.match.log(team).setCell(s.logCol(team), s.logRow(team),
                              std::string(codes::kPlayText[action]));
  if (action >= codes::kGoal && action <= codes::kTimeOut) {
    s.tallyKind = action - 1;
    s.teamTally(team).at(s.tallyKind, s.tallySlot) += 1;
  }
  if (action == codes::kGoal) {
    s.sheetCol = codes::rosterCol(team, codes::kRosterGoalCol);
    bumpSheetCount(m);
    std::string& score = m.match.score(team);
    score = intToStr(int64_t{strToInt(score)} + 1);
  }
  if (action == codes::kTimeOut) {
    m.court.locationsEnabled = false;
    m.court.benchEnabled = true;
  }
  if (activeTeamValid(m)) s.logCol(team) += 1;
  m.show(Window::Court);
  disableActionButtons(m);
  m.unsaved = true;
}

void undoPlayerPick(MatchModel& m) {
  MatchState& s = m.state;
  if (s.logCol1 == 0 && s.logCol2 == 0) return;
  stepBackLogCell(m);
  stepBackLogCell(m);
  s.correctionPending = true;
  enablePlayerButtons(m);
  disableActionButtons(m);
}

void correctPlayerPick(MatchModel& m) {
  undoPlayerPick(m);
  m.match.correctionEnabled = false;
}

void showTeamSheet(MatchModel& m) {
  m.show(Window::TeamSheet);
}
