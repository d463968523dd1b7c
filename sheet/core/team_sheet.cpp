#include "team_sheet.h"

namespace {
constexpr const char* kRosterHeads =
    "\" \",番号,氏名,得点,警告,退場,失格,\" \",番号,氏名,得点,警告,退場,失格";
constexpr const char* kRosterLines = "\" \",監督,1,2,3,4,5,6,7,8,9,10,11,12,13,14";
}  // namespace

void createTeamSheet(MatchModel& m) {
  TeamSheetModel& sheet = m.sheet;
  sheet.timerEnabled = true;
  sheet.roster.setColCount(14);
  sheet.roster.setRowCount(16);
  sheet.roster.fixedRows = 1;
  sheet.roster.fixedCols = 1;
  sheet.roster.setRowFromCommaText(0, kRosterHeads);
  sheet.roster.setColFromCommaText(0, kRosterLines);
  sheet.shotTable.fixedRows = 1;
  sheet.shotTable.fixedCols = 1;
  sheet.eventLogTable.fixedRows = 0;
  sheet.eventLogTable.fixedCols = 0;
  sheet.playerSummary.fixedRows = 0;
  sheet.playerSummary.fixedCols = 0;
  m.state.resetTallies();
  sheet.rosterPending = true;
}

void carryRosterToMatchWindow(MatchModel& m) {
  auto& captions = m.match.personCaptions;
  const TextGrid& roster = m.sheet.roster;
  captions[0] = "監督";
  for (int n = 2; n <= 15; ++n) captions[n - 1] = roster.cell(1, n);
  captions[15] = "監督";
  for (int n = 2; n <= 15; ++n) captions[n + 15 - 1] = roster.cell(8, n);
  m.match.teamPanels = {m.sheet.edit3, m.sheet.edit4, m.sheet.edit3, m.sheet.edit4};
}

void finishInput(MatchModel& m) {
  if (m.sheet.rosterPending) {
    carryRosterToMatchWindow(m);
    m.sheet.rosterPending = false;
    m.show(Window::Match);
    m.sheet.button1Caption = "画面切り替え";
    return;
  }
  m.show(Window::Match);
}

void splashTimerTick(MatchModel& m) {
  m.sheet.timerEnabled = false;
  m.show(Window::Splash);
}

void closeSplash(MatchModel& m) {
  m.hide(Window::Splash);
}
