#include "detail_dialogs.h"

#include "court_dialog.h"
#include "event_entry.h"
#include "text_convert.h"

namespace {

bool activeTeamValid(const MatchModel& m) {
  return m.state.activeTeam == 1 || m.state.activeTeam == 2;
}

Window dialogForAction(int action) {
  switch (action) {
    case codes::kKeepMiss:
      return Window::KeepMiss;
    case codes::kPenaltyWon:
      return Window::Penalty;
    case codes::kTimeOut:
      return Window::Situation;
    case codes::kFoul:
      return Window::Foul;
    default:
      return Window::Court;
  }
}

}  // namespace

void recordDetail(MatchModel& m, Window dialog, const std::string& text,
                  const std::function<void()>& count) {
  if (activeTeamValid(m)) {
    writeLogCell(m, text);
    finishLogRow(m);
    if (count) count();
  }
  m.hide(dialog);
  enablePlayerButtons(m);
}

void pickKeepMiss(MatchModel& m, const std::string& text, int kind) {
  MatchState& s = m.state;
  s.detailCode = kind;
  recordDetail(m, Window::KeepMiss, text, [&] {
    if (s.activeSlot >= 1 && s.activeSlot <= codes::kLastPlayerSlot && kind >= 1 &&
        kind <= codes::kKeepMissKinds)
      s.keepMissTally.at(s.activeTeam, s.activeSlot, kind) += 1;
  });
}

void pickPenaltyReason(MatchModel& m, const std::string& text) {
  recordDetail(m, Window::Penalty, text);
}

void pickSanction(MatchModel& m, const std::string& text, int sanction) {
  MatchState& s = m.state;
  const int team = s.activeTeam;
  const int sheetCol = team == 2 ? sanction + 10 : sanction + 3;
  if (activeTeamValid(m)) {
    // Read every number first, so a failure leaves the event as it was.
    if (!countCellReadable(m, sheetCol, s.sheetRow, true))
      throw ConversionError(m.sheet.roster.cell(sheetCol, s.sheetRow));
    if (sanction == codes::kWarning) {
      std::string& warnings = m.sheet.warnings(team);
      warnings = intToStr(int64_t{strToInt(warnings)} + 1);
    }
  }
  recordDetail(m, Window::Foul, text, [&] {
    s.tallyKind = sanction + 4;
    s.teamTally(team).at(s.tallyKind, s.tallySlot) += 1;
    s.sheetCol = sheetCol;
    bumpSheetCount(m);
  });
}

void pickSituation(MatchModel& m, const std::string& text) {
  recordDetail(m, Window::Situation, text);
}

void correctDetail(MatchModel& m, Window dialog) {
  stepBackLogCell(m);
  if (dialog == Window::Situation) {
    // The time-out goes back to the bench, not to a place on the court.
    setLocationButtons(m, false);
    m.court.benchEnabled = true;
  }
  m.hide(dialog);
  m.show(Window::Court);
}

bool windowNeededByOpenEvent(const MatchModel& m, Window w) {
  const MatchState& s = m.state;
  if (!activeTeamValid(m) || !m.isVisible(w)) return false;
  const int col = s.logCol(s.activeTeam);
  if (w == Window::Court) {
    // Awaiting a location or the bench, or the zone of a goal or shot miss.
    if (col == 4) return true;
    return col == 5 && (s.activeAction == codes::kGoal || s.activeAction == codes::kShotMiss);
  }
  if (w == Window::KeepMiss || w == Window::Penalty || w == Window::Foul || w == Window::Situation)
    return col == 5 && dialogForAction(s.activeAction) == w;
  return false;
}

bool requestClose(MatchModel& m, Window w) {
  if (windowNeededByOpenEvent(m, w)) return false;
  m.hide(w);
  return true;
}
