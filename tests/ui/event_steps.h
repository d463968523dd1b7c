// Readings and steps shared by the tests that record events through the
// match window and the dialogs.
#pragma once

#include <QLabel>
#include <numeric>
#include <string>

#include "gui_test.h"

class EventTest : public GuiTest {
 protected:
  QTableView* log(TeamId team) const;
  std::string logCell(TeamId team, int col, int row) const;
  // The six cells of a log row joined with "|".
  std::string logRow(TeamId team, int row) const;
  // True when no cell under the heads of that team's log holds text.
  bool logBlank(TeamId team) const;

  QPushButton* action(int code) const;  // action code 1..6
  // One character per action code 1..6: "1" usable, "0" not.
  std::string usableActions() const;
  int usablePersons() const;
  // One character per group of the court dialog: locations, zones, bench.
  std::string courtOffers() const;

  static std::string text(const QLabel* label) { return label->text().toStdString(); }

  // A person of `team` in `slot` then an action button.
  void pickAndAct(TeamId team, int slot, int actionCode);
  // A whole goal or shot miss: person, action, location and zone.
  void recordShot(TeamId team, int slot, int actionCode, int locationCode, int zoneCode);
};
