// The program's start: the team sheet is drawn before the seven hidden
// windows are built, and the windows then stand exactly as when all eight
// are built first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <memory>

#include "gui_test.h"
#include "window_set.h"

namespace {

// Notes, at the team sheet's first paint, whether the match window existed.
class PaintOrder : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted && qobject_cast<TeamSheetWindow*>(watched)) {
      painted = true;
      const QWidgetList windows = QApplication::topLevelWidgets();
      matchWindowBuilt = std::any_of(windows.begin(), windows.end(),
                                     [](QWidget* w) { return qobject_cast<MatchWindow*>(w); });
    }
    return false;
  }
  bool painted = false;
  bool matchWindowBuilt = false;
};

class TeamSheetFirst : public ::testing::Test {
 protected:
  void SetUp() override {
    qApp->installEventFilter(&order);
    windows = std::make_unique<WindowSet>(WindowSet::Showing::TeamSheetFirst);
    qApp->removeEventFilter(&order);
    windows->setQuitAction([] {});
    windows->start();
  }
  void TearDown() override { windows.reset(); }

  PaintOrder order;
  std::unique_ptr<WindowSet> windows;
};

TEST_F(TeamSheetFirst, TheTeamSheetIsDrawnBeforeTheHiddenWindowsAreBuilt) {
  EXPECT_TRUE(order.painted);
  EXPECT_FALSE(order.matchWindowBuilt);
  EXPECT_TRUE(windows->teamSheet()->isVisible());
  for (WindowId w : {WindowId::Match, WindowId::Court, WindowId::KeepMiss, WindowId::PenaltyThrow,
                     WindowId::Foul, WindowId::TimeOut, WindowId::Splash})
    EXPECT_FALSE(windows->window(w)->isVisible()) << static_cast<int>(w);
}

TEST_F(TeamSheetFirst, EveryWindowIsSetUpBeforeInputIsTaken) {
  EXPECT_EQ(windows->teamSheet()->ui.finishInputButton->text().toStdString(), "入力終了");
  EXPECT_EQ(shown(windows->teamSheet()->ui.rosterGrid, 1, 0), "番号");
  EXPECT_EQ(shown(windows->matchWindow()->ui.teamOneLog, 0, 0), "when");
  EXPECT_EQ(shownRows(windows->matchWindow()->ui.teamTwoLog), 5);
  EXPECT_FALSE(windows->matchWindow()->ui.pauseButton->isEnabled());
  EXPECT_FALSE(windows->matchWindow()->personButtons[0]->isEnabled());
  EXPECT_TRUE(windows->courtDialog()->locationButtons[0]->isEnabled());
  EXPECT_FALSE(windows->courtDialog()->zoneButtons[0]->isEnabled());
  EXPECT_FALSE(windows->courtDialog()->ui.benchButton->isEnabled());
}

TEST_F(TeamSheetFirst, TheSplashComesAtTheFirstTickAndTheMatchWindowAtTheButton) {
  for (int waited = 0; waited < 2000 && !windows->splash()->isVisible(); waited += 5)
    QTest::qWait(5);  // the splash's timer fires as soon as the loop runs
  EXPECT_TRUE(windows->splash()->isVisible());
  QTest::mouseClick(windows->teamSheet()->ui.finishInputButton, Qt::LeftButton);
  EXPECT_TRUE(windows->matchWindow()->isVisible());
  EXPECT_EQ(windows->matchWindow()->personButtons[0]->text().toStdString(), "監督");
}

}  // namespace
