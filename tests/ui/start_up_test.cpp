// Start-up: the eight windows, their stored appearance, the team sheet's
// roster and first button, and the splash.
#include <QLabel>
#include <QWindow>

#include "gui_test.h"
#include "text_convert.h"

namespace {

struct Expected {
  RecorderWindow* (*form)();
  const char* caption;
  QPoint position;
  QSize size;
  bool clientSize;
};

}  // namespace

using StartUp = GuiTest;

TEST_F(StartUp, OnlyTheTeamSheetShowsBeforeTheFirstTick) {
  EXPECT_TRUE(Form1->isVisible());
  for (RecorderWindow* f :
       {static_cast<RecorderWindow*>(Form2), static_cast<RecorderWindow*>(Form3),
        static_cast<RecorderWindow*>(Form4), static_cast<RecorderWindow*>(Form5),
        static_cast<RecorderWindow*>(Form6), static_cast<RecorderWindow*>(Form7),
        static_cast<RecorderWindow*>(Form8)})
    EXPECT_FALSE(f->isVisible()) << f->objectName().toStdString();
  EXPECT_EQ(Form1->windowTitle().toStdString(), "データ入力");
  EXPECT_EQ(Form1->pos(), QPoint(174, 93));
  EXPECT_EQ(Form1->size(), QSize(742, 523));
}

TEST_F(StartUp, EveryWindowHasItsStoredCaptionPlaceAndSize) {
  const Expected expected[] = {
      {[]() -> RecorderWindow* { return Form1; }, "データ入力", {174, 93}, {742, 523}, true},
      {[]() -> RecorderWindow* { return Form2; }, "handball", {192, 94}, {700, 523}, true},
      {[]() -> RecorderWindow* { return Form3; },
       "Orvel作ハンドボールコート",
       {295, 143},
       {499, 448},
       true},
      {[]() -> RecorderWindow* { return Form4; }, "Keep Miss", {259, 174}, {572, 395}, false},
      {[]() -> RecorderWindow* { return Form5; }, "ペナルティ", {292, 177}, {567, 332}, false},
      {[]() -> RecorderWindow* { return Form6; }, "反則", {303, 203}, {506, 311}, false},
      {[]() -> RecorderWindow* { return Form7; }, "Form7", {297, 210}, {550, 346}, false},
      {[]() -> RecorderWindow* { return Form8; }, "", {284, 170}, {547, 377}, true},
  };
  for (const auto& e : expected) {
    RecorderWindow* f = e.form();
    f->show();
    EXPECT_EQ(f->windowTitle().toStdString(), e.caption);
    EXPECT_EQ(f->pos(), e.position) << e.caption;
    if (e.clientSize)
      EXPECT_EQ(f->size(), e.size) << e.caption;
    else
      EXPECT_EQ(f->frameGeometry().size(), e.size) << e.caption;
  }
  EXPECT_TRUE(Form8->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(Form1->palette().color(QPalette::Window), QColor(128, 128, 0));
  EXPECT_EQ(Form2->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_EQ(Form4->palette().color(QPalette::Window), QColor(0, 128, 128));
  EXPECT_EQ(Form8->palette().color(QPalette::Window), QColor(0, 0, 128));
}

TEST_F(StartUp, CorrectionButtonsAreItalicAtTwentyFourPixels) {
  for (QPushButton* b : {Form2->ui.Button40, Form3->ui.Button23, Form4->ui.Button8,
                         Form5->ui.Button5, Form6->ui.Button4, Form7->ui.Button5}) {
    EXPECT_EQ(b->text().toStdString(), "修正");
    EXPECT_TRUE(b->font().italic());
    EXPECT_EQ(b->font().pixelSize(), 24);
  }
  EXPECT_EQ(Form2->ui.Button40->font().family().toStdString(), "ＭＳ 明朝");
  EXPECT_EQ(Form3->ui.Button23->font().family().toStdString(), "ＭＳ ゴシック");
  EXPECT_EQ(Form2->ui.Panel1->font().pixelSize(), 19);
  EXPECT_EQ(Form1->font().pixelSize(), 12);
}

TEST_F(StartUp, RosterHeadsAndEmptyCounts) {
  QTableView* roster = Form1->ui.StringGrid1;
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
  EXPECT_EQ(Form1->ui.Panel3->text().toStdString(), "0");
  EXPECT_EQ(Form1->ui.Panel4->text().toStdString(), "0");
  EXPECT_EQ(Form1->ui.Button1->text().toStdString(), "入力終了");
  EXPECT_EQ(Form1->ui.Edit2->text().toStdString(), "'");
}

TEST_F(StartUp, FirstPressCarriesNumbersAndNamesLaterEditsStayOnTheSheet) {
  typeRoster(1, 2, "7");
  typeRoster(1, 3, "10");
  typeRoster(8, 2, "21");
  typeRoster(1, 1, "coach");
  click(Form1->ui.Button1);
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->ui.Button1->text().toStdString(), "監督");
  EXPECT_EQ(Form2->ui.Button2->text().toStdString(), "7");
  EXPECT_EQ(Form2->ui.Button3->text().toStdString(), "10");
  for (int n = 4; n <= 15; ++n) EXPECT_EQ(Form2->personButtons[n - 1]->text().toStdString(), "");
  EXPECT_EQ(Form2->ui.Button16->text().toStdString(), "監督");
  EXPECT_EQ(Form2->ui.Button17->text().toStdString(), "21");
  EXPECT_EQ(Form2->ui.Panel2->text().toStdString(), "ルビナ大学");
  EXPECT_EQ(Form2->ui.Panel5->text().toStdString(), "団体名");
  EXPECT_EQ(Form1->ui.Button1->text().toStdString(), "画面切り替え");

  typeRoster(1, 2, "8");
  Form1->ui.Edit3->setText("Other");
  Form2->hide();
  click(Form1->ui.Button1);
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->ui.Button2->text().toStdString(), "7");
  EXPECT_EQ(Form2->ui.Panel2->text().toStdString(), "ルビナ大学");
  EXPECT_EQ(Form1->ui.Button1->text().toStdString(), "画面切り替え");
}

TEST_F(StartUp, SheetCountCellRisesFromEmptyOrNumberAndRejectsText) {
  state().sheetCol = 4;
  state().sheetRow = 3;
  bumpSheetCount(model());
  EXPECT_EQ(model().sheet.roster.cell(4, 3), "1");
  typeRoster(4, 3, "41");
  bumpSheetCount(model());
  EXPECT_EQ(cell(Form1->ui.StringGrid1, 4, 3), "42");
  typeRoster(4, 3, "x1");
  try {
    bumpSheetCount(model());
    FAIL() << "text read as a number";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'x1' は整数ではありません");
  }
  EXPECT_EQ(cell(Form1->ui.StringGrid1, 4, 3), "x1");
}

TEST_F(StartUp, ClosingADialogHidesItAndKeepsItsState) {
  startMatch();
  click(person(1, 2));
  click(Form2->ui.Button34);  // shot miss: the court dialog comes up
  click(location(6));         // awaiting the zone
  ASSERT_TRUE(Form3->ui.Button1->isEnabled());
  Form2->close();
  EXPECT_FALSE(Form2->isVisible());
  click(Form1->ui.Button1);
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(cell(Form2->ui.StringGrid1, 4, 1), "左４５");
  EXPECT_FALSE(Form2->ui.Button33->isEnabled());
  EXPECT_TRUE(Form3->ui.Button1->isEnabled());
  EXPECT_FALSE(Form3->ui.Button10->isEnabled());
}

TEST_F(StartUp, SplashComesOnceAndGoesAtAClick) {
  settle(20);
  ASSERT_TRUE(Form8->isVisible());
  EXPECT_TRUE(Form1->isVisible());
  QTest::mouseClick(Form8->ui.Label7, Qt::LeftButton);
  EXPECT_FALSE(Form8->isVisible());
  settle(20);
  EXPECT_FALSE(Form8->isVisible());
  EXPECT_FALSE(Form1->Timer1.isActive());
}

TEST_F(StartUp, SplashGoesAtAClickOnTheEmblemOrBackground) {
  settle(20);
  ASSERT_TRUE(Form8->isVisible());
  QTest::mouseClick(Form8->ui.Image1, Qt::LeftButton);
  EXPECT_FALSE(Form8->isVisible());
  Form8->show();
  QTest::mouseClick(Form8, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(Form8->isVisible());
}
