#include "event_steps.h"

QTableView* EventTest::log(TeamId team) const {
  return team == TeamId::Two ? matchWindow()->ui.teamTwoLog : matchWindow()->ui.teamOneLog;
}

std::string EventTest::logCell(TeamId team, int col, int row) const {
  return cell(log(team), col, row);
}

std::string EventTest::logRow(TeamId team, int row) const {
  std::string joined = logCell(team, 0, row);
  for (int col = 1; col < 6; ++col) joined += "|" + logCell(team, col, row);
  return joined;
}

bool EventTest::logBlank(TeamId team) const {
  for (int row = 1; row < rowCount(log(team)); ++row)
    if (logRow(team, row) != "|||||") return false;
  return true;
}

QPushButton* EventTest::action(int code) const {
  return matchWindow()->actionButtons[code - 1];
}

std::string EventTest::usableActions() const {
  std::string usable;
  for (QPushButton* b : matchWindow()->actionButtons) usable += b->isEnabled() ? '1' : '0';
  return usable;
}

int EventTest::usablePersons() const {
  int usable = 0;
  for (QPushButton* b : matchWindow()->personButtons) usable += b->isEnabled();
  return usable;
}

std::string EventTest::courtOffers() const {
  // A group counts as offered only when every one of its buttons is usable;
  // a mixed group shows as "?".
  auto group = [](const std::vector<QPushButton*>& buttons) {
    int usable = 0;
    for (QPushButton* b : buttons) usable += b->isEnabled();
    return usable == 0 ? '0' : usable == static_cast<int>(buttons.size()) ? '1' : '?';
  };
  std::string offers;
  offers += group(court()->locationButtons);
  offers += group(court()->zoneButtons);
  offers += court()->ui.benchButton->isEnabled() ? '1' : '0';
  return offers;
}

void EventTest::pickAndAct(TeamId team, int slot, int actionCode) {
  click(person(team, slot));
  click(action(actionCode));
}

void EventTest::recordShot(TeamId team, int slot, int actionCode, int locationCode, int zoneCode) {
  pickAndAct(team, slot, actionCode);
  click(location(locationCode));
  click(zone(zoneCode));
}
