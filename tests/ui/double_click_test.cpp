// A quick double-click on a "修正" that brings another window forward: the
// second press must not land on the window that came forward, while single
// clicks, slower clicks and deliberate clicks elsewhere count as ever.
#include <QApplication>
#include <QMouseEvent>

#include "event_steps.h"

namespace {

class DoubleClick : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    typeRoster(1, 4, "9");
    typeRoster(2, 4, "Sato");
    typeRoster(8, 2, "3");
    typeRoster(9, 2, "Kato");
    startMatch();
  }

  // A press and release at a screen point on `button`, at time `ms` (the
  // timestamps the platform gives its events).
  void clickAt(QPushButton* button, QPoint screenPoint, quint64 ms) {
    send(button, QEvent::MouseButtonPress, screenPoint, ms);
    send(button, QEvent::MouseButtonRelease, screenPoint, ms + 40);
  }
  static QPoint centreOf(QWidget* w) { return w->mapToGlobal(w->rect().center()); }

  quint64 now = 100000;

 private:
  static void send(QPushButton* button, QEvent::Type type, QPoint screenPoint, quint64 ms) {
    const QPointF local = button->mapFromGlobal(QPointF(screenPoint));
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, QPointF(screenPoint), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(ms);
    QApplication::sendEvent(button, &event);
  }
};

TEST_F(DoubleClick, TheSecondPressOnTheWindowThatCameForwardIsIgnored) {
  pickAndAct(TeamId::One, 3, 1);  // a goal: the court dialog waits for a place
  const QPoint point = centreOf(court()->ui.correctionButton);
  clickAt(court()->ui.correctionButton, point, now);  // the goal is taken back
  ASSERT_EQ(usableActions(), "111111");
  // The second press of the double-click, at the same point, on the match
  // window's "作戦タイム" that now lies under the pointer.
  clickAt(matchWindow()->ui.timeOutButton, point, now + QApplication::doubleClickInterval() / 2);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|9|Sato|||");
  EXPECT_EQ(usableActions(), "111111");
  EXPECT_EQ(courtOffers(), "100");
}

TEST_F(DoubleClick, TheSameOnTheFoulDialogLeavesTheCourtDialogWithoutAPlace) {
  pickAndAct(TeamId::One, 3, 6);
  click(location(1));  // 左サイド: the foul dialog comes forward
  const QPoint point = centreOf(foul()->correctionButton());
  clickAt(foul()->correctionButton(), point, now);
  ASSERT_TRUE(court()->isVisible());
  clickAt(location(8), point, now + 100);  // 右４５ under the pointer
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|9|Sato|反則||");
  EXPECT_TRUE(court()->isVisible());
  EXPECT_FALSE(foul()->isVisible());
}

TEST_F(DoubleClick, SlowerOrElsewhereTheSecondClickCounts) {
  pickAndAct(TeamId::One, 3, 1);
  const QPoint point = centreOf(court()->ui.correctionButton);
  clickAt(court()->ui.correctionButton, point, now);
  // Past the double-click interval: a click of its own.
  clickAt(matchWindow()->ui.timeOutButton, point, now + QApplication::doubleClickInterval() + 1);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|9|Sato|作戦タイム||");

  click(court()->ui.correctionButton);
  now += 10000;
  clickAt(court()->ui.correctionButton, centreOf(court()->ui.correctionButton), now);
  // Quickly, but on a button far from the first press: meant.
  clickAt(matchWindow()->ui.shotMissButton, centreOf(matchWindow()->ui.shotMissButton), now + 100);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|9|Sato|シュートミス||");
}

TEST_F(DoubleClick, ADoubleClickOnAButtonOfAWindowNotBroughtForwardCountsTwice) {
  click(person(TeamId::One, 3));
  const QPoint point = centreOf(matchWindow()->ui.correctionButton);
  clickAt(matchWindow()->ui.correctionButton, point, now);  // the person is taken back
  clickAt(person(TeamId::Two, 1), centreOf(person(TeamId::Two, 1)),
          now + 50);  // and picked anew at once
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|3|Kato|||");
}

// A cell shows one line, cut off at the column edge; a word too long for
// its column never shows part of a second line.
TEST_F(DoubleClick, GridCellsShowOneLine) {
  for (QTableView* view :
       {matchWindow()->ui.teamOneLog, matchWindow()->ui.teamTwoLog, teamSheet()->ui.rosterGrid})
    EXPECT_FALSE(view->wordWrap()) << view->objectName().toStdString();
}

}  // namespace
