// Everything the windows show that the recording logic reads or writes: the
// match state, the team sheet's roster and counts, the match window's logs,
// captions and button states, the court dialog's button groups and which
// window is shown. The windows are views of this model; their handlers call
// the routines that change it and then redraw from it.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "match_state.h"
#include "text_grid.h"

enum class Window : int {
  TeamSheet = 1,
  Match = 2,
  Court = 3,
  KeepMiss = 4,
  Penalty = 5,
  Foul = 6,
  Situation = 7,
  Splash = 8,
};

struct TeamSheetModel {
  TextGrid roster{14, 16};
  std::string edit1 = "ファイル名";  // file-name stem of the export
  std::string edit2 = "'";           // prefix of count and time cells in the export
  std::string edit3 = "ルビナ大学";  // team 1's name
  std::string edit4 = "団体名";      // team 2's name
  std::string warnings1 = "0";       // Panel3
  std::string warnings2 = "0";       // Panel4
  std::string button1Caption = "入力終了";
  bool rosterPending = false;
  bool timerEnabled = false;
  // The three hidden tables of the export.
  TextGrid shotTable;
  TextGrid eventLogTable;
  TextGrid playerSummary;

  std::string& warnings(int team) { return team == 2 ? warnings2 : warnings1; }
};

struct MatchWindowModel {
  TextGrid log1{6, 5};
  TextGrid log2{6, 5};
  std::array<std::string, 30> personCaptions;  // Button1..Button30
  std::array<bool, 30> personEnabled{};
  // Indexed by action code - 1: Button33..Button36, Button38 (time-out), Button37 (foul).
  std::array<bool, 6> actionEnabled{};
  bool correctionEnabled = true;  // Button40
  bool startEnabled = true;       // Button31
  bool pauseEnabled = true;       // Button32
  bool timerEnabled = false;
  std::string clockCaption = "00:00";     // Panel1
  std::string score1 = "0";               // Panel6
  std::string score2 = "0";               // Panel8
  std::array<std::string, 4> teamPanels;  // Panel2..Panel5

  TextGrid& log(int team) { return team == 2 ? log2 : log1; }
  const TextGrid& log(int team) const { return team == 2 ? log2 : log1; }
  std::string& score(int team) { return team == 2 ? score2 : score1; }
};

struct CourtDialogModel {
  bool locationsEnabled = true;  // Button10..Button18 and Button22
  bool zonesEnabled = true;      // Button1..Button9, Button19, Button20
  bool benchEnabled = true;      // Button21
};

struct MatchModel {
  MatchState state;
  TeamSheetModel sheet;
  MatchWindowModel match;
  CourtDialogModel court;

  // Which windows are shown, indexed by window number 1..8.
  std::array<bool, 9> visible{};
  // Windows brought to the front by the last handler, in order.
  std::vector<Window> raised;
  // Events or counts changed since the last successful save.
  bool unsaved = false;
  // The time of day in days; the wall clock unless a test sets it.
  std::function<double()> timeOfDay;

  MatchModel();

  bool isVisible(Window w) const { return visible[static_cast<int>(w)]; }
  void show(Window w);  // shows and brings to the front
  void hide(Window w) { visible[static_cast<int>(w)] = false; }
};

// The roster's count cell [sheetCol, sheetRow]: empty becomes "1", a number
// goes up by one. Throws ConversionError, changing nothing, for other text.
void bumpSheetCount(MatchModel& m);
// Whether a count cell can be raised or lowered without a conversion failure.
bool countCellReadable(const MatchModel& m, int col, int row, bool emptyAllowed);
