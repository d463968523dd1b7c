// The program's start: the team sheet is drawn before the seven hidden
// windows are built, and the windows then stand exactly as when all eight
// are built first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "court_window.h"
#include "match_window.h"
#include "splash_window.h"
#include "team_sheet_window.h"
#include "window_set.h"

namespace {

// Notes, at the team sheet's first paint, whether the match window existed.
class PaintOrder : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted && Form1 && watched == Form1) {
      painted = true;
      matchWindowBuilt = Form2 != nullptr;
    }
    return false;
  }
  bool painted = false;
  bool matchWindowBuilt = false;
};

class TeamSheetFirst : public ::testing::Test {
 protected:
  void SetUp() override {
    TeamSheetWindow::quitProgram = [] {};
    qApp->installEventFilter(&order);
    windows = std::make_unique<WindowSet>(WindowSet::Showing::TeamSheetFirst);
    qApp->removeEventFilter(&order);
    windows->start();
  }
  void TearDown() override { windows.reset(); }

  PaintOrder order;
  std::unique_ptr<WindowSet> windows;
};

TEST_F(TeamSheetFirst, TheTeamSheetIsDrawnBeforeTheHiddenWindowsAreBuilt) {
  EXPECT_TRUE(order.painted);
  EXPECT_FALSE(order.matchWindowBuilt);
  EXPECT_TRUE(Form1->isVisible());
  for (Window w : {Window::Match, Window::Court, Window::KeepMiss, Window::Penalty, Window::Foul,
                   Window::Situation, Window::Splash})
    EXPECT_FALSE(windows->form(w)->isVisible()) << static_cast<int>(w);
}

TEST_F(TeamSheetFirst, EveryCreationHandlerHasRunInItsOrder) {
  const MatchModel& m = windows->model();
  EXPECT_TRUE(m.sheet.rosterPending);
  EXPECT_EQ(m.sheet.roster.cell(1, 0), "番号");
  EXPECT_EQ(m.match.log1.cell(0, 0), "when");
  EXPECT_TRUE(m.state.clockRunning);
  EXPECT_TRUE(m.state.lastPickWasTeam1);
  EXPECT_EQ(m.state.logRow2, 1);
  EXPECT_FALSE(Form2->ui.Button32->isEnabled());
  EXPECT_FALSE(Form2->personButtons[0]->isEnabled());
  EXPECT_TRUE(Form3->locationButtons[0]->isEnabled());
  EXPECT_FALSE(Form3->zoneButtons[0]->isEnabled());
  EXPECT_FALSE(Form3->ui.Button21->isEnabled());
}

TEST_F(TeamSheetFirst, TheSplashComesAtTheFirstTickAndTheMatchWindowAtTheButton) {
  QTest::qWait(20);
  EXPECT_TRUE(Form8->isVisible());
  QTest::mouseClick(Form1->ui.Button1, Qt::LeftButton);
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->personButtons[0]->text().toStdString(), "監督");
}

}  // namespace
