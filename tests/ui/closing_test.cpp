// Closing the team sheet ends the program, asking first only when recorded
// events have not been saved.
#include "gui_test.h"
#include "scratch_folder.h"

class Closing : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    windows->setQuitAction([this] { ++quits; });
  }
  int quits = 0;
  ScratchFolder folder;  // where a save goes

  void recordShotMiss() {
    startMatch();
    click(person(TeamId::One, 4));
    click(matchWindow()->ui.shotMissButton);
    click(location(2));
    click(zone(5));
  }
};

TEST_F(Closing, NothingTypedOrRecordedEndsAtOnceWithoutAQuestion) {
  teamSheet()->close();
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(quits, 1);
}

TEST_F(Closing, ATypedRosterNamesOrBoxesAskFirst) {
  auto closeAndAnswer = [this] {
    boxes.answerNext(QMessageBox::No);
    teamSheet()->close();
  };
  typeRoster(2, 2, "Sato");
  closeAndAnswer();
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 0);
  teamSheet()->ui.fileNameEdit->setText("final");
  click(teamSheet()->ui.saveButton);
  teamSheet()->close();  // saved: nothing to lose
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 1);
  teamSheet()->ui.teamTwoNameEdit->setText("North");
  closeAndAnswer();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(quits, 1);
}

TEST_F(Closing, UnsavedEventsAskAndNoKeepsTheProgramRunning) {
  recordShotMiss();
  boxes.answerNext(QMessageBox::No);
  teamSheet()->close();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "保存していない記録があります。保存せずに終了しますか?");
  EXPECT_EQ(quits, 0);
  EXPECT_TRUE(teamSheet()->isVisible());
  EXPECT_EQ(cell(matchWindow()->ui.teamOneLog, 5, 1), "中上");

  boxes.answerNext(QMessageBox::Yes);
  teamSheet()->close();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(quits, 1);
}

TEST_F(Closing, APickedPersonIsAlreadyInTheLog) {
  startMatch();
  click(person(TeamId::Two, 1));
  teamSheet()->close();
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 0);
}
