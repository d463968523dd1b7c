// Whole matches recorded through the real windows and saved with
// "データ保存": the files must be the same bytes as the expected files that
// the same scripts give.
#include <QLineEdit>

#include "expected_files.h"
#include "file_compare.h"
#include "gui_test.h"
#include "match_script.h"
#include "scratch_folder.h"

namespace {

void press(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

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
  void setTeamName(int team, const std::string& text) override {
    type(team == 2 ? windows_.teamSheet()->ui.teamTwoNameEdit
                   : windows_.teamSheet()->ui.teamOneNameEdit,
         text);
  }
  void setRosterLine(int team, int slot, const std::string& number,
                     const std::string& name) override {
    auto* roster = windows_.teamSheet()->ui.rosterGrid->model();
    const int col = team == 2 ? 7 : 0;  // the number's view column
    roster->setData(roster->index(slot, col), QString::fromStdString(number), Qt::EditRole);
    roster->setData(roster->index(slot, col + 1), QString::fromStdString(name), Qt::EditRole);
  }
  void startMatch() override {
    press(windows_.teamSheet()->ui.finishInputButton);
    press(windows_.matchWindow()->ui.startButton);
    start_ = clockSeconds_;
  }
  void setClock(int seconds) override {
    clockSeconds_ = start_ + seconds;
    windows_.matchWindow()->tick();
  }
  void recordEvent(int team, int slot, int action, const std::string&, int whereCode,
                   const std::string&, int whatCode) override {
    press(windows_.matchWindow()->personButtons[(team == 2 ? 15 : 0) + slot]);
    press(windows_.matchWindow()->actionButtons[action - 1]);
    ASSERT_TRUE(windows_.courtDialog()->isVisible());
    press(whereCode == codes::kBench ? windows_.courtDialog()->ui.benchButton
                                     : windows_.courtDialog()->locationButtons[whereCode - 1]);
    DetailDialog* detail = nullptr;
    switch (action) {
      case codes::kGoal:
      case codes::kShotMiss:
        press(windows_.courtDialog()->zoneButtons[whatCode - 1]);
        break;
      case codes::kKeepMiss:
        detail = windows_.keepMissDialog();
        break;
      case codes::kPenaltyWon:
        detail = windows_.penaltyThrowDialog();
        break;
      case codes::kTimeOut:
        detail = windows_.timeOutDialog();
        break;
      case codes::kFoul:
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
  static void type(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
  }

  WindowSet& windows_;
  double& clockSeconds_;
  double start_ = 0;
};

}  // namespace

class SavingThroughWindows : public GuiTest {
 protected:
  void recordAndSave(const std::string& script) {
    WindowOperator op(*windows, clockSeconds);
    runMatchScript(op, testDataPath(script + ".match"));
    click(teamSheet()->ui.saveButton);
  }

  ScratchFolder folder;
};

TEST_F(SavingThroughWindows, FullMatchClickedThroughGivesTheExpectedFiles) {
  recordAndSave("full_match");
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("full_match", "ファイル名");
}

TEST_F(SavingThroughWindows, ShotExampleClickedThroughGivesTheExpectedFiles) {
  recordAndSave("shot_example");
  expectFilesOf("shot_example", "ファイル名");
}

TEST_F(SavingThroughWindows, LongMatchWritesEveryEvent) {
  recordAndSave("long_match");
  EXPECT_EQ(rowCount(matchWindow()->ui.teamOneLog), 5 + 250);
  expectFilesOf("long_match", "ファイル名");
}

TEST_F(SavingThroughWindows, TheShotTableIsHeadedByTheButtonCaptionsAtTheMomentOfSaving) {
  court()->ui.leftWingButton->setText("wing L");
  court()->ui.outsideRightZoneButton->setText("far R");
  keepMiss()->ui.chargeButton->setText("charging");
  click(teamSheet()->ui.saveButton);
  ASSERT_TRUE(errorBoxes.empty());
  const std::string shot = readFileBytes("ファイル名-shot-.xls");
  for (const char* head : {"wing L", "far R", "charging"})
    EXPECT_NE(shot.find(head), std::string::npos) << head;
}

TEST_F(SavingThroughWindows, SavingClearsTheQuestionOnClosingUntilTheNextEvent) {
  int quits = 0;
  windows->setQuitAction([&] { ++quits; });
  recordAndSave("shot_example");
  teamSheet()->close();
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(quits, 1);

  click(person(2, 5));
  teamSheet()->close();
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 1);
}

TEST_F(SavingThroughWindows, AMissingFolderShowsTheErrorAndTheMatchGoesOn) {
  startMatch();
  teamSheet()->ui.fileNameEdit->setText("no-such-folder/match");
  click(teamSheet()->ui.saveButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "不正なファイル名です.");
  EXPECT_TRUE(folder.entries().empty());
  click(person(1, 3));
  EXPECT_TRUE(matchWindow()->ui.goalButton->isEnabled());
}
