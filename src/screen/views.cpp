#include "views.h"

#include "event_log.h"
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
  for (int team = 1; team <= 2; ++team) v.scores[team - 1] = intToStr(m.score(team));
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
  for (int team = 1; team <= 2; ++team) v.warnings[team - 1] = intToStr(s.match().warnings(team));
  return v;
}

LogView logView(const Match& m, int team) {
  LogView v;
  v.rows = eventLog(m, team);
  const int recorded = m.teamEventCount(team);
  v.rowCount = 5 + recorded;
  v.selectedRow = 1 + recorded;
  return v;
}
