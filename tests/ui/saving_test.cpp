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

QPushButton* numberedButton(QWidget* form, int number) {
  return form->findChild<QPushButton*>(QStringLiteral("Button%1").arg(number));
}

// Clicks a script's steps on the windows, checking that each window comes
// up when the operator needs it.
class WindowOperator : public ScriptOperator {
 public:
  explicit WindowOperator(double& clockSeconds) : clockSeconds_(clockSeconds) {}

  void setStem(const std::string& text) override { type(Form1->ui.Edit1, text); }
  void setPrefix(const std::string& text) override { type(Form1->ui.Edit2, text); }
  void setTeamName(int team, const std::string& text) override {
    type(team == 2 ? Form1->ui.Edit4 : Form1->ui.Edit3, text);
  }
  void setRosterLine(int team, int slot, const std::string& number,
                     const std::string& name) override {
    auto* roster = Form1->ui.StringGrid1->model();
    const int col = team == 2 ? 7 : 0;  // the number's view column
    roster->setData(roster->index(slot, col), QString::fromStdString(number), Qt::EditRole);
    roster->setData(roster->index(slot, col + 1), QString::fromStdString(name), Qt::EditRole);
  }
  void startMatch() override {
    press(Form1->ui.Button1);
    press(Form2->ui.Button31);
    start_ = clockSeconds_;
  }
  void setClock(int seconds) override {
    clockSeconds_ = start_ + seconds;
    Form2->Timer1Timer();
  }
  void recordEvent(int team, int slot, int action, const std::string&, int whereCode,
                   const std::string&, int whatCode) override {
    press(Form2->personButtons[(team == 2 ? 15 : 0) + slot]);
    press(Form2->actionButtons[action - 1]);
    ASSERT_TRUE(Form3->isVisible());
    press(whereCode == codes::kBench ? Form3->ui.Button21 : Form3->locationButtons[whereCode - 1]);
    QWidget* detail = nullptr;
    switch (action) {
      case codes::kGoal:
      case codes::kShotMiss:
        press(Form3->zoneButtons[whatCode - 1]);
        break;
      case codes::kKeepMiss:
        detail = Form4;
        break;
      case codes::kPenaltyWon:
        detail = Form5;
        break;
      case codes::kTimeOut:
        detail = Form7;
        break;
      case codes::kFoul:
        detail = Form6;
        break;
    }
    if (detail) {
      ASSERT_TRUE(detail->isVisible());
      press(numberedButton(detail, whatCode));
      EXPECT_FALSE(detail->isVisible());
    }
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Form2->personButtons[0]->isEnabled());
  }

 private:
  static void type(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
  }

  double& clockSeconds_;
  double start_ = 0;
};

}  // namespace

class SavingThroughWindows : public GuiTest {
 protected:
  void recordAndSave(const std::string& script) {
    WindowOperator op(clockSeconds);
    runMatchScript(op, testDataPath(script + ".match"));
    click(Form1->ui.Button2);
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
  EXPECT_EQ(rowCount(Form2->ui.StringGrid1), 5 + 250);
  expectFilesOf("long_match", "ファイル名");
}

TEST_F(SavingThroughWindows, SavingClearsTheQuestionOnClosingUntilTheNextEvent) {
  int quits = 0;
  TeamSheetWindow::quitProgram = [&] { ++quits; };
  recordAndSave("shot_example");
  Form1->close();
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(quits, 1);

  click(person(2, 5));
  Form1->close();
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 1);
}

TEST_F(SavingThroughWindows, AMissingFolderShowsTheErrorAndTheMatchGoesOn) {
  startMatch();
  Form1->ui.Edit1->setText("no-such-folder/match");
  click(Form1->ui.Button2);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "不正なファイル名です.");
  EXPECT_TRUE(folder.entries().empty());
  click(person(1, 3));
  EXPECT_TRUE(Form2->ui.Button33->isEnabled());
}
