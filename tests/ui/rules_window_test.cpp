// Handball's rules on the match window: the settings, the halves on the
// clock, nudges, suspensions with team strength, and the rules' notices.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "event_steps.h"
#include "match_settings_dialog.h"

namespace {

class RulesOnTheWindows : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    typeRoster(1, 8, "7");
  }
  void suspend(TeamId team, int slot, int sanction = 1) {
    pickAndAct(team, slot, 6);
    click(location(7));
    click(foul()->choiceButtons()[sanction]);  // 警告, 退場
  }
};

TEST_F(RulesOnTheWindows, TheSettingsWindowSetsTheHalvesBeforeTheMatch) {
  click(teamSheet()->ui.settingsButton);
  MatchSettingsDialog* dialog = teamSheet()->settingsDialog;
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->ui.halfLengthBox->isEnabled());
  dialog->ui.halfLengthBox->setCurrentIndex(2);  // 20分
  dialog->ui.onePerHalfButton->setChecked(true);
  click(dialog->ui.buttons->button(QDialogButtonBox::Ok));
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(match().settings().periods.halfMinutes, 20);
  EXPECT_EQ(match().settings().timeOutRule, TimeOutRule::OnePerHalf);

  startMatch();
  EXPECT_EQ(text(matchWindow()->ui.periodLabel), "前半");
  advance(20 * 60 + 3);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "20:00");
  EXPECT_EQ(text(matchWindow()->ui.periodLabel), "ハーフタイム");
  click(teamSheet()->ui.settingsButton);
  EXPECT_FALSE(dialog->ui.halfLengthBox->isEnabled());  // fixed once started
  click(dialog->ui.buttons->button(QDialogButtonBox::Cancel));
  click(matchWindow()->ui.pauseButton);
  EXPECT_EQ(text(matchWindow()->ui.periodLabel), "後半");
}

TEST_F(RulesOnTheWindows, NudgesAndATypedTimeMoveTheClockOnly) {
  startMatch();
  advance(100);
  matchWindow()->tick();
  click(person(TeamId::One, 2));
  click(matchWindow()->ui.plusTenButton);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:50");
  click(matchWindow()->ui.minusOneButton);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:49");
  matchWindow()->ui.clockEdit->setText("12:34");
  QTest::keyClick(matchWindow()->ui.clockEdit, Qt::Key_Return);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "12:34");
  EXPECT_EQ(logCell(TeamId::One, 0, 1), "01：40");  // the event keeps its time
  matchWindow()->ui.clockEdit->setText("12:3x");
  QTest::keyClick(matchWindow()->ui.clockEdit, Qt::Key_Return);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "12:34");
}

TEST_F(RulesOnTheWindows, SuspensionsShowWithTeamStrengthAndNotices) {
  startMatch();
  advance(600);
  matchWindow()->tick();
  suspend(TeamId::One, 7);
  EXPECT_EQ(text(matchWindow()->ui.teamOneStrengthLabel), "6人 7 2:00");
  EXPECT_EQ(text(matchWindow()->ui.teamTwoStrengthLabel), "7人");
  EXPECT_EQ(person(TeamId::One, 7)->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_TRUE(person(TeamId::One, 7)->isEnabled());  // marked, never unusable
  advance(75);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.teamOneStrengthLabel), "6人 7 0:45");
  suspend(TeamId::One, 7);
  suspend(TeamId::One, 7);  // one after another: to 16:00
  advance(200);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.teamOneStrengthLabel), "6人 7 1:25");
  advance(85);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.teamOneStrengthLabel), "7人");
  EXPECT_NE(person(TeamId::One, 7)->palette().color(QPalette::ButtonText), QColor(Qt::red));
}

TEST_F(RulesOnTheWindows, EveryNoticeStaysInTheListWrappedWithTheNewestInView) {
  startMatch();
  for (int n = 0; n < 3; ++n) suspend(TeamId::One, 7);
  for (int slot : {2, 2, 3, 3}) suspend(TeamId::One, slot, 0);  // two second warnings, a fourth
  settle();
  QListWidget* list = matchWindow()->ui.noticesList;
  EXPECT_EQ(list->geometry(), QRect(15, 196, 210, 42));
  ASSERT_EQ(list->count(), 4);
  EXPECT_NE(list->item(0)->text().toStdString().find("7番 3回目の退場 (失格)"), std::string::npos);
  for (int i = 0; i < list->count(); ++i) {
    const QRect shown = list->visualItemRect(list->item(i));
    EXPECT_LE(shown.width(), list->viewport()->width()) << i;  // wrapped, not cut at the edge
    EXPECT_EQ(list->item(i)->toolTip(), list->item(i)->text());
  }
  EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(3)).bottomLeft()));
}

}  // namespace
