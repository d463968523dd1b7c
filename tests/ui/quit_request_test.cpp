// A request to end the program from outside it (the session ending, the
// platform's quit) is answered as the team sheet's close box is: at once
// with nothing unsaved, after the question otherwise, whatever other
// windows are open.
#include "gui_test.h"

class QuitRequest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    windows->setQuitAction([this] { ++quits; });
  }

  // What the platform sends when it asks the program to end.
  static void requestQuit() {
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
  }

  int quits = 0;
};

TEST_F(QuitRequest, EndsTheProgramWithTheOtherWindowsOpen) {
  openMatchWindow();
  waitForSplash();
  ASSERT_TRUE(matchWindow()->isVisible());
  ASSERT_TRUE(splash()->isVisible());
  requestQuit();
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(questions.empty());
}

TEST_F(QuitRequest, AsksFirstWhileAnEventIsOpenAndNoKeepsEverything) {
  startMatch();
  click(person(TeamId::One, 4));
  click(matchWindow()->ui.shotMissButton);
  ASSERT_TRUE(court()->isVisible());

  boxes.answerNext(QMessageBox::No);
  requestQuit();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 0);
  EXPECT_TRUE(court()->isVisible());
  EXPECT_EQ(state().logCol1, 4);

  boxes.answerNext(QMessageBox::Yes);
  requestQuit();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(quits, 1);
}
