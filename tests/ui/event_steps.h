// Readings and steps shared by the tests that record events through the
// match window and the dialogs.
#pragma once

#include <QLabel>
#include <numeric>
#include <string>

#include "gui_test.h"

class EventTest : public GuiTest {
 protected:
  static QTableView* log(int team);
  static std::string logCell(int team, int col, int row);
  // The six cells of a log row joined with "|".
  static std::string logRow(int team, int row);
  // True when no cell under the heads of that team's log holds text.
  static bool logBlank(int team);

  static QPushButton* action(int code);  // action code 1..6
  // One character per action code 1..6: "1" usable, "0" not.
  static std::string usableActions();
  static int usablePersons();
  // One character per group of the court dialog: locations, zones, bench.
  static std::string courtOffers();

  static std::string text(const QLabel* label) { return label->text().toStdString(); }

  template <typename Tally>
  static int total(const Tally& tally) {
    return std::accumulate(tally.flat().begin(), tally.flat().end(), 0);
  }

  // A person of `team` in `slot` then an action button.
  void pickAndAct(int team, int slot, int actionCode);
  // A whole goal or shot miss: person, action, location and zone.
  void recordShot(int team, int slot, int actionCode, int locationCode, int zoneCode);
};
