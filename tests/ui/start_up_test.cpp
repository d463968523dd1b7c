// Start-up: the eight windows, their stored appearance, the team sheet's
// roster and first button, and the splash.
#include <QLabel>
#include <QWindow>

#include "gui_test.h"
#include "number_text.h"
#include "user_error.h"

namespace {

struct Expected {
  WindowId window;
  const char* caption;
  QPoint position;
  QSize size;
  bool clientSize;
};

}  // namespace

using StartUp = GuiTest;

TEST_F(StartUp, OnlyTheTeamSheetShowsBeforeTheFirstTick) {
  EXPECT_TRUE(teamSheet()->isVisible());
  for (WindowId w : {WindowId::Match, WindowId::Court, WindowId::KeepMiss, WindowId::PenaltyThrow,
                     WindowId::Foul, WindowId::TimeOut, WindowId::Splash})
    EXPECT_FALSE(windows->window(w)->isVisible()) << static_cast<int>(w);
  EXPECT_EQ(teamSheet()->windowTitle().toStdString(), "データ入力");
  EXPECT_EQ(teamSheet()->pos(), QPoint(174, 93));
  EXPECT_EQ(teamSheet()->size(), QSize(742, 523));
}

TEST_F(StartUp, EveryWindowHasItsStoredCaptionPlaceAndSize) {
  const Expected expected[] = {
      {WindowId::TeamSheet, "データ入力", {174, 93}, {742, 523}, true},
      {WindowId::Match, "handball", {192, 94}, {700, 523}, true},
      {WindowId::Court, "Orvel作ハンドボールコート", {295, 143}, {499, 448}, true},
      {WindowId::KeepMiss, "Keep Miss", {259, 174}, {572, 395}, false},
      {WindowId::PenaltyThrow, "ペナルティ", {292, 177}, {567, 332}, false},
      {WindowId::Foul, "反則", {303, 203}, {506, 311}, false},
      {WindowId::TimeOut, "Form7", {297, 210}, {550, 346}, false},
      {WindowId::Splash, "", {284, 170}, {547, 377}, true},
  };
  for (const auto& e : expected) {
    RecorderWindow* f = windows->window(e.window);
    f->show();
    EXPECT_EQ(f->windowTitle().toStdString(), e.caption);
    EXPECT_EQ(f->pos(), e.position) << e.caption;
    if (e.clientSize)
      EXPECT_EQ(f->size(), e.size) << e.caption;
    else
      EXPECT_EQ(f->frameGeometry().size(), e.size) << e.caption;
  }
  EXPECT_TRUE(splash()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(teamSheet()->palette().color(QPalette::Window), QColor(128, 128, 0));
  EXPECT_EQ(matchWindow()->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_EQ(keepMiss()->palette().color(QPalette::Window), QColor(0, 128, 128));
  EXPECT_EQ(splash()->palette().color(QPalette::Window), QColor(0, 0, 128));
}

TEST_F(StartUp, CorrectionButtonsAreItalicAtTwentyFourPixels) {
  for (QPushButton* b : {matchWindow()->ui.correctionButton, court()->ui.correctionButton,
                         keepMiss()->ui.correctionButton, penaltyThrow()->ui.correctionButton,
                         foul()->ui.correctionButton, timeOut()->ui.correctionButton}) {
    EXPECT_EQ(b->text().toStdString(), "修正");
    EXPECT_TRUE(b->font().italic());
    EXPECT_EQ(b->font().pixelSize(), 24);
  }
  EXPECT_EQ(matchWindow()->ui.correctionButton->font().family().toStdString(), "ＭＳ 明朝");
  EXPECT_EQ(court()->ui.correctionButton->font().family().toStdString(), "ＭＳ ゴシック");
  EXPECT_EQ(matchWindow()->ui.clockPanel->font().pixelSize(), 19);
  EXPECT_EQ(teamSheet()->font().pixelSize(), 12);
}

TEST_F(StartUp, RosterHeadsAndEmptyCounts) {
  QTableView* roster = teamSheet()->ui.rosterGrid;
  const char* heads[] = {" ", "番号", "氏名", "得点", "警告", "退場", "失格",
                         " ", "番号", "氏名", "得点", "警告", "退場", "失格"};
  for (int col = 0; col < 14; ++col) EXPECT_EQ(cell(roster, col, 0), heads[col]) << col;
  EXPECT_EQ(cell(roster, 0, 1), "監督");
  for (int row = 2; row <= 15; ++row) EXPECT_EQ(cell(roster, 0, row), std::to_string(row - 1));
  for (int row = 1; row <= 15; ++row)
    for (int col = 1; col <= 13; ++col) EXPECT_EQ(cell(roster, col, row), "");
  EXPECT_EQ(roster->geometry(), QRect(45, 80, 633, 365));
  EXPECT_EQ(roster->columnWidth(1), 100);  // grid column 2, the name
  EXPECT_EQ(roster->columnWidth(6), 15);   // grid column 7, the separator
  EXPECT_EQ(roster->rowHeight(0), 20);
  EXPECT_EQ(teamSheet()->ui.teamOneWarningsPanel->text().toStdString(), "0");
  EXPECT_EQ(teamSheet()->ui.teamTwoWarningsPanel->text().toStdString(), "0");
  EXPECT_EQ(teamSheet()->ui.finishInputButton->text().toStdString(), "入力終了");
  EXPECT_EQ(teamSheet()->ui.exportPrefixEdit->text().toStdString(), "'");
}

TEST_F(StartUp, FirstPressCarriesNumbersAndNamesAndLaterEditsFollow) {
  typeRoster(1, 2, "7");
  typeRoster(1, 3, "10");
  typeRoster(8, 2, "21");
  typeRoster(1, 1, "coach");
  click(teamSheet()->ui.finishInputButton);
  EXPECT_TRUE(matchWindow()->isVisible());
  EXPECT_EQ(matchWindow()->ui.teamOnePerson0->text().toStdString(), "監督");
  EXPECT_EQ(matchWindow()->ui.teamOnePerson1->text().toStdString(), "7");
  EXPECT_EQ(matchWindow()->ui.teamOnePerson2->text().toStdString(), "10");
  for (int n = 4; n <= 15; ++n)
    EXPECT_EQ(matchWindow()->personButtons[n - 1]->text().toStdString(), "");
  EXPECT_EQ(matchWindow()->ui.teamTwoPerson0->text().toStdString(), "監督");
  EXPECT_EQ(matchWindow()->ui.teamTwoPerson1->text().toStdString(), "21");
  EXPECT_EQ(matchWindow()->ui.teamOneLogNamePanel->text().toStdString(), "ルビナ大学");
  EXPECT_EQ(matchWindow()->ui.teamTwoRowNamePanel->text().toStdString(), "団体名");
  EXPECT_EQ(teamSheet()->ui.finishInputButton->text().toStdString(), "画面切り替え");

  // Typed after the first press: the buttons and panels follow at once.
  typeRoster(1, 2, "8");
  teamSheet()->ui.teamOneNameEdit->setText("Other");
  EXPECT_EQ(matchWindow()->ui.teamOnePerson1->text().toStdString(), "8");
  EXPECT_EQ(matchWindow()->ui.teamOneLogNamePanel->text().toStdString(), "Other");
  EXPECT_EQ(matchWindow()->ui.teamOneRowNamePanel->text().toStdString(), "Other");
  matchWindow()->hide();
  click(teamSheet()->ui.finishInputButton);
  EXPECT_TRUE(matchWindow()->isVisible());
  EXPECT_EQ(teamSheet()->ui.finishInputButton->text().toStdString(), "画面切り替え");
}

TEST_F(StartUp, ClosingADialogHidesItAndKeepsItsState) {
  startMatch();
  click(person(TeamId::One, 2));
  click(matchWindow()->ui.shotMissButton);  // shot miss: the court dialog comes up
  click(location(6));                       // awaiting the zone
  ASSERT_TRUE(court()->ui.outsideLeftZoneButton->isEnabled());
  matchWindow()->close();
  EXPECT_FALSE(matchWindow()->isVisible());
  click(teamSheet()->ui.finishInputButton);
  EXPECT_TRUE(matchWindow()->isVisible());
  EXPECT_EQ(cell(matchWindow()->ui.teamOneLog, 4, 1), "左４５");
  EXPECT_FALSE(matchWindow()->ui.goalButton->isEnabled());
  EXPECT_TRUE(court()->ui.outsideLeftZoneButton->isEnabled());
  EXPECT_FALSE(court()->ui.leftWingButton->isEnabled());
}

TEST_F(StartUp, SplashComesOnceAndGoesAtAClick) {
  waitForSplash();
  ASSERT_TRUE(splash()->isVisible());
  EXPECT_TRUE(teamSheet()->isVisible());
  QTest::mouseClick(splash()->ui.universityLabel, Qt::LeftButton);
  EXPECT_FALSE(splash()->isVisible());
  settle(20);
  EXPECT_FALSE(splash()->isVisible());
  EXPECT_FALSE(teamSheet()->splashTimer.isActive());
}

TEST_F(StartUp, SplashGoesAtAClickOnTheEmblemOrBackground) {
  waitForSplash();
  ASSERT_TRUE(splash()->isVisible());
  QTest::mouseClick(splash()->ui.emblemPicture, Qt::LeftButton);
  EXPECT_FALSE(splash()->isVisible());
  splash()->show();
  QTest::mouseClick(splash(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(splash()->isVisible());
}
