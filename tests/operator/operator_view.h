// What the operator sees and presses: the buttons of the windows with what
// each stands for, and the texts the windows show.
#pragma once

#include <QPushButton>
#include <QTableView>
#include <string>
#include <vector>

#include "gui_test.h"
#include "log_rows.h"
#include "recorder_window.h"

// One button the operator can press and what it stands for.
struct OperatorButton {
  enum class Role {
    SheetSwitch,    // 入力終了 / 画面切り替え
    Start,          // 試合開始
    Pause,          // 中断/続行
    MatchSwitch,    // 画面切り替え on the match window
    PersonCorrect,  // 修正 on the match window
    Person,
    Action,
    Location,  // code 1..10
    Bench,
    Zone,
    CourtCorrect,
    DetailChoice,
    DetailCorrect,
    AnalysisOpen,  // 分析 on the match window
    AnalysisTeam,  // code: the team
  };
  QPushButton* button = nullptr;
  WindowId window = WindowId::TeamSheet;
  Role role = Role::SheetSwitch;
  int team = 0;  // persons
  int code = 0;  // slot of a person; action, location, zone or choice code

  std::string describe() const;
};

// Every button of the team sheet (but "データ保存"), the match window, the
// court dialog, the detail dialogs and the analysis window.
std::vector<OperatorButton> operatorButtons(const WindowSet& windows);

// Everything the operator sees of the windows, a line each: which windows
// show, the logs' cells and cursors, the panels, the team sheet's roster
// cells and boxes, and every button's caption and whether it is usable.
std::vector<std::string> whatIsSeen(const WindowSet& windows);

// The log view of a team.
QTableView* logView(const WindowSet& windows, int team);
LogRow shownLogRow(const WindowSet& windows, int team, int row);
