#include "court_dialog.h"

#include "event_entry.h"
#include "text_convert.h"

void createCourtDialog(MatchModel& m) {
  m.court.benchEnabled = false;
  setZoneButtons(m, false);
}

void setZoneButtons(MatchModel& m, bool enabled) {
  m.court.zonesEnabled = enabled;
}
void setLocationButtons(MatchModel& m, bool enabled) {
  m.court.locationsEnabled = enabled;
}

namespace {

// The column the active team's log waits for, or -1 without an active team.
int awaitedColumn(const MatchModel& m) {
  const int team = m.state.activeTeam;
  return team == 1 || team == 2 ? m.state.logCol(team) : -1;
}

}  // namespace

void pickCourtLocation(MatchModel& m, const std::string& text, int code) {
  // Once the action was taken back the dialog stays open with its places
  // usable; a place clicked then has no event to go to and must not land in
  // the "play" cell.
  if (awaitedColumn(m) != 4) return;
  m.state.courtLocation = code;
  writeLogCell(m, text);
  switch (m.state.activeAction) {
    case codes::kGoal:
    case codes::kShotMiss:
      setLocationButtons(m, false);
      setZoneButtons(m, true);
      break;
    case codes::kKeepMiss:
      m.hide(Window::Court);
      m.show(Window::KeepMiss);
      break;
    case codes::kPenaltyWon:
      m.hide(Window::Court);
      m.show(Window::Penalty);
      break;
    case codes::kTimeOut:
      m.court.benchEnabled = false;
      setLocationButtons(m, true);
      m.hide(Window::Court);
      m.show(Window::Situation);
      break;
    case codes::kFoul:
      m.hide(Window::Court);
      m.show(Window::Foul);
      break;
    default:
      break;
  }
}

void pickGoalZone(MatchModel& m, const std::string& text, int code) {
  if (awaitedColumn(m) != 5) return;
  MatchState& s = m.state;
  s.detailCode = code;
  writeLogCell(m, text);
  finishLogRow(m);
  // Only players shoot; the guard keeps the indexes inside the arrays.
  const bool countable = (s.activeTeam == 1 || s.activeTeam == 2) && s.activeSlot >= 1 &&
                         s.activeSlot <= codes::kLastPlayerSlot && s.courtLocation >= 1 &&
                         s.courtLocation <= codes::kBench && code >= 1 && code <= codes::kZones;
  if (countable) {
    if (s.activeAction == codes::kGoal)
      s.goalTally.at(s.activeTeam, s.activeSlot, s.courtLocation, code) += 1;
    else if (s.activeAction == codes::kShotMiss)
      s.shotMissTally.at(s.activeTeam, s.activeSlot, s.courtLocation, code) += 1;
  }
  setZoneButtons(m, false);
  setLocationButtons(m, true);
  enablePlayerButtons(m);
  m.hide(Window::Court);
}

void undoAction(MatchModel& m) {
  MatchState& s = m.state;
  const int team = s.activeTeam;
  if (s.activeAction == codes::kGoal) {
    // Both numbers are read before anything is taken back.
    std::string& score = m.match.score(team);
    const auto scoreValue = parseInt(score);
    if (!scoreValue) throw ConversionError(score);
    if (!countCellReadable(m, s.sheetCol, s.sheetRow, false))
      throw ConversionError(m.sheet.roster.cell(s.sheetCol, s.sheetRow));
    const int32_t goals = strToInt(m.sheet.roster.cell(s.sheetCol, s.sheetRow));
    stepBackLogCell(m);
    s.teamTally(team).at(s.tallyKind, s.tallySlot) -= 1;
    score = intToStr(int64_t{*scoreValue} - 1);
    m.sheet.roster.setCell(s.sheetCol, s.sheetRow, intToStr(int64_t{goals} - 1));
  } else if (s.activeAction >= codes::kShotMiss && s.activeAction <= codes::kTimeOut) {
    stepBackLogCell(m);
    s.teamTally(team).at(s.tallyKind, s.tallySlot) -= 1;
  } else if (s.activeAction == codes::kFoul) {
    stepBackLogCell(m);
  }
  m.unsaved = true;
}

void correctCourtStep(MatchModel& m) {
  MatchState& s = m.state;
  if (s.logCol1 == 4 || s.logCol2 == 4) {
    const bool timeOutAwaitingBench =
        s.activeAction == codes::kTimeOut && m.court.benchEnabled && !m.court.locationsEnabled;
    undoAction(m);
    enableActionButtonsForSlot(m);
    m.show(Window::Match);
    // A time-out taken back before the bench click: the next action must be
    // offered the court again, not the bench.
    if (timeOutAwaitingBench) {
      m.court.benchEnabled = false;
      setLocationButtons(m, true);
    }
  }
  if (s.logCol1 == 5 || s.logCol2 == 5) {
    stepBackLogCell(m);
    setZoneButtons(m, false);
    setLocationButtons(m, true);
  }
}
