// A fresh window set and match state for every window test, a settable time
// of day, and the message boxes answered without being shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "message_box.h"
#include "readings.h"
#include "team_id.h"
#include "window_set.h"

// What a cell of a grid view shows, head rows and columns included.
std::string shown(QTableView* view, int col, int row);
int shownRows(QTableView* view);  // head rows included
int shownSelectedRow(QTableView* view);

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Match& match() { return windows->match(); }
  Screen& screen() { return windows->screen(); }
  // The open rows of the logs and the counts behind the saved tables.
  Readings state() { return Readings(windows->match()); }

  // The windows of the set under test.
  TeamSheetWindow* teamSheet() const { return windows->teamSheet(); }
  MatchWindow* matchWindow() const { return windows->matchWindow(); }
  CourtDialog* court() const { return windows->courtDialog(); }
  KeepMissDialog* keepMiss() const { return windows->keepMissDialog(); }
  PenaltyThrowDialog* penaltyThrow() const { return windows->penaltyThrowDialog(); }
  FoulDialog* foul() const { return windows->foulDialog(); }
  TimeOutDialog* timeOut() const { return windows->timeOutDialog(); }
  SplashWindow* splash() const { return windows->splash(); }
  AnalysisWindow* analysis() const { return windows->analysisWindow(); }
  // The button of window `w` with the object name `name`; a test that asks
  // for a name the window lacks fails.
  QPushButton* button(WindowId w, const char* name) const;

  // The time of day the program reads, in seconds since midnight.
  double clockSeconds = 10 * 3600;
  void advance(double seconds) { clockSeconds += seconds; }

  // Presses a button with the mouse, as the operator would.
  static void click(QPushButton* button);
  // The window in front, which takes the operator's keys.
  QWidget* front() const;
  // Presses keys named as the keymap names them and separated by blanks
  // ("Q 7 A", "Num+7", "Ctrl+S") in the window in front, each where the
  // platform would deliver it: to the control in focus, else the window.
  void keys(const std::string& names);
  // Runs the event loop briefly so that timers can fire.
  static void settle(int ms = 5);
  // Runs the event loop until the splash is up (its timer fires as soon as
  // the loop runs, however busy the machine is), or two seconds pass.
  void waitForSplash();

  // Cell (col, row) of a grid view, head rows and columns included.
  static std::string cell(QTableView* view, int col, int row) { return shown(view, col, row); }
  static int rowCount(QTableView* view) { return shownRows(view); }
  static int selectedRow(QTableView* view) { return shownSelectedRow(view); }

  // Message boxes are answered without being shown; their texts are kept
  // here. An error box takes OK; a question takes the answer queued with
  // boxes.answerNext(), or No when none is.
  std::vector<std::string> errorBoxes;
  std::vector<std::string> questions;
  std::vector<std::string> notices;  // information boxes
  BoxAnswers boxes{[this](QMessageBox::Icon icon, const QString& text) {
    auto& seen = icon == QMessageBox::Question      ? questions
                 : icon == QMessageBox::Information ? notices
                                                    : errorBoxes;
    seen.push_back(text.toStdString());
  }};

  // Common steps of a match through the real buttons.
  void typeRoster(int col, int row, const std::string& text);
  void openMatchWindow();  // "入力終了"
  void startMatch();       // "入力終了" then "試合開始"
  QPushButton* person(TeamId team, int slot);
  QPushButton* location(int code);  // 1..10 on the court dialog, 11 the bench
  QPushButton* zone(int code);      // 1..11

  std::unique_ptr<WindowSet> windows;
};
