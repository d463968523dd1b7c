#include "views.h"

#include "number_text.h"

MatchWindowView matchWindowView(const Match& m) {
  MatchWindowView v;
  v.personsUsable = m.canPickPerson();
  for (int a = 1; a <= kActions; ++a) v.actionUsable[a] = m.canChooseAction(static_cast<Action>(a));
  v.correctionUsable = m.canCorrectPerson();
  v.startUsable = !m.clock().started();
  v.pauseUsable = m.clock().started();
  v.clockTicking = m.clock().ticking();
  v.clock = m.clock().shownText();
  for (TeamId team : kBothTeams) v.scores[teamIndex(team)] = intToStr(m.score(team));
  return v;
}

CourtDialogView courtDialogView(const Match& m) {
  const Entry& e = m.entry();
  CourtDialogView v;
  if (e.stage == Stage::ActionChosen && e.event.action == Action::TimeOut) {
    v.placesUsable = false;
    v.benchUsable = true;
  } else if (e.stage == Stage::PlaceChosen && isShot(e.event.action)) {
    v.placesUsable = false;
    v.zonesUsable = true;
  }
  return v;
}

TeamSheetView teamSheetView(const Screen& s) {
  TeamSheetView v;
  v.finishInputCaption = s.rosterCarried() ? "画面切り替え" : "入力終了";
  for (TeamId team : kBothTeams) v.warnings[teamIndex(team)] = intToStr(s.match().warnings(team));
  return v;
}

LogShape logShape(const Match& m, TeamId team) {
  const int recorded = m.teamEventCount(team);
  return {5 + recorded, 1 + recorded};
}

std::string logCell(const Match& m, TeamId team, int col, int row) {
  if (col < 0 || col >= static_cast<int>(kLogHeads.size()) || row < 0) return {};
  if (row == 0) return std::string(kLogHeads[col]);
  const int recorded = m.teamEventCount(team);
  if (row <= recorded) return logRow(m.teamEvent(team, row - 1))[col];
  const Entry& open = m.entry();
  if (row == recorded + 1 && open.open() && open.event.team == team)
    return partialLogRow(open)[col];
  return {};
}
