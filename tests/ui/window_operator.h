// A match script clicked through the real windows, as an operator would,
// checking that each window comes up when the operator needs it.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "match_script.h"
#include "window_set.h"

// Clicks a script's steps on the windows, checking that each window comes
// up when the operator needs it.
class WindowOperator : public ScriptOperator {
 public:
  WindowOperator(WindowSet& windows, double& clockSeconds)
      : windows_(windows), clockSeconds_(clockSeconds) {}

  void setStem(const std::string& text) override {
    type(windows_.teamSheet()->ui.fileNameEdit, text);
  }
  void setPrefix(const std::string& text) override {
    type(windows_.teamSheet()->ui.exportPrefixEdit, text);
  }
  void setTeamName(TeamId team, const std::string& text) override {
    type(team == TeamId::Two ? windows_.teamSheet()->ui.teamTwoNameEdit
                             : windows_.teamSheet()->ui.teamOneNameEdit,
         text);
  }
  void setRosterLine(TeamId team, int slot, const std::string& number,
                     const std::string& name) override {
    auto* roster = windows_.teamSheet()->ui.rosterGrid->model();
    const int col = team == TeamId::Two ? 7 : 0;  // the number's view column
    roster->setData(roster->index(slot, col), QString::fromStdString(number), Qt::EditRole);
    roster->setData(roster->index(slot, col + 1), QString::fromStdString(name), Qt::EditRole);
  }
  void startMatch() override {
    press(windows_.teamSheet()->ui.finishInputButton);
    press(windows_.matchWindow()->ui.startButton);
    start_ = clockSeconds_;
  }
  void setClock(int seconds) override {
    runClockTo(
        windows_.match().clock(), seconds,
        [this](int at) {
          clockSeconds_ = start_ + at;
          windows_.matchWindow()->tick();
        },
        [this] { press(windows_.matchWindow()->ui.pauseButton); });
  }
  void recordEvent(TeamId team, int slot, int action, const std::string&, int whereCode,
                   const std::string&, int whatCode) override {
    press(windows_.matchWindow()->personButtons[teamIndex(team) * kRosterLines + slot]);
    press(windows_.matchWindow()->actionButtons[action - 1]);
    ASSERT_TRUE(windows_.courtDialog()->isVisible());
    press(whereCode == place::kBench ? windows_.courtDialog()->ui.benchButton
                                     : windows_.courtDialog()->locationButtons[whereCode - 1]);
    DetailDialog* detail = nullptr;
    switch (static_cast<Action>(action)) {
      case Action::Goal:
      case Action::ShotMiss:
        press(windows_.courtDialog()->zoneButtons[whatCode - 1]);
        break;
      case Action::KeepMiss:
        detail = windows_.keepMissDialog();
        break;
      case Action::PenaltyWon:
        detail = windows_.penaltyThrowDialog();
        break;
      case Action::TimeOut:
        detail = windows_.timeOutDialog();
        break;
      case Action::Foul:
        detail = windows_.foulDialog();
        break;
    }
    if (detail) {
      ASSERT_TRUE(detail->isVisible());
      press(detail->choiceButtons().at(whatCode - 1));
      EXPECT_FALSE(detail->isVisible());
    }
    EXPECT_FALSE(windows_.courtDialog()->isVisible());
    EXPECT_TRUE(windows_.matchWindow()->personButtons[0]->isEnabled());
  }

 private:
  static void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  static void type(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
  }

  WindowSet& windows_;
  double& clockSeconds_;
  double start_ = 0;
};
