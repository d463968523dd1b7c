// What each window shows, computed from the match and the screen: which
// buttons are usable, the texts of panels and captions, the rows of the logs
// and the cells of the roster grid.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "event.h"
#include "screen.h"

struct MatchWindowView {
  bool personsUsable = false;                     // all 30 person buttons alike
  std::array<bool, kActions + 1> actionUsable{};  // by action code, index 0 unused
  bool correctionUsable = false;
  bool startUsable = false;
  bool pauseUsable = false;
  bool clockTicking = false;
  std::string clock;
  std::array<std::string, 2> scores;
};
MatchWindowView matchWindowView(const Match& m);

struct CourtDialogView {
  bool placesUsable = true;  // the ten places of the court
  bool zonesUsable = false;
  bool benchUsable = false;
};
CourtDialogView courtDialogView(const Match& m);

struct TeamSheetView {
  std::string finishInputCaption;  // "入力終了" until the roster is carried over
  std::array<std::string, 2> warnings;
};
TeamSheetView teamSheetView(const Screen& s);

// A team's log on the match window: the heads, a row per event, the open
// event's row, and blank rows below (four at the start, one more for each
// recorded event), with the row of the next event selected. Cells are read
// one at a time, so a long match costs nothing until a row is drawn.
struct LogShape {
  int rowCount = 0;     // heads included
  int selectedRow = 0;  // counted from the heads
};
LogShape logShape(const Match& m, TeamId team);
// Row 0 holds the heads.
std::string logCell(const Match& m, TeamId team, int col, int row);
