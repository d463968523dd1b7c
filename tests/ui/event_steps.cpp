#include "event_steps.h"

QTableView* EventTest::log(int team) {
  return team == 2 ? Form2->ui.StringGrid2 : Form2->ui.StringGrid1;
}

std::string EventTest::logCell(int team, int col, int row) {
  return cell(log(team), col, row);
}

std::string EventTest::logRow(int team, int row) {
  std::string joined = logCell(team, 0, row);
  for (int col = 1; col < 6; ++col) joined += "|" + logCell(team, col, row);
  return joined;
}

bool EventTest::logBlank(int team) {
  for (int row = 1; row < rowCount(log(team)); ++row)
    if (logRow(team, row) != "|||||") return false;
  return true;
}

QPushButton* EventTest::action(int code) {
  return Form2->actionButtons[code - 1];
}

std::string EventTest::usableActions() {
  std::string usable;
  for (QPushButton* b : Form2->actionButtons) usable += b->isEnabled() ? '1' : '0';
  return usable;
}

int EventTest::usablePersons() {
  int usable = 0;
  for (QPushButton* b : Form2->personButtons) usable += b->isEnabled();
  return usable;
}

std::string EventTest::courtOffers() {
  // A group counts as offered only when every one of its buttons is usable;
  // a mixed group shows as "?".
  auto group = [](const std::vector<QPushButton*>& buttons) {
    int usable = 0;
    for (QPushButton* b : buttons) usable += b->isEnabled();
    return usable == 0 ? '0' : usable == static_cast<int>(buttons.size()) ? '1' : '?';
  };
  std::string offers;
  offers += group(Form3->locationButtons);
  offers += group(Form3->zoneButtons);
  offers += Form3->ui.Button21->isEnabled() ? '1' : '0';
  return offers;
}

void EventTest::pickAndAct(int team, int slot, int actionCode) {
  click(person(team, slot));
  click(action(actionCode));
}

void EventTest::recordShot(int team, int slot, int actionCode, int locationCode, int zoneCode) {
  pickAndAct(team, slot, actionCode);
  click(location(locationCode));
  click(zone(zoneCode));
}
