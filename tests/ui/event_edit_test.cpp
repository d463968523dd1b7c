// Mending recorded events on the match window: a double-click on a log row
// opens "記録の修正", the logs' menu deletes and inserts, Ctrl+Z, Ctrl+Y and
// Ctrl+Shift+Z undo and redo. Whatever was mended, the logs, the score, the
// team sheet's count cells and the saved files read as if the final events
// had been recorded that way.
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include "event_edit_dialog.h"
#include "event_steps.h"
#include "expected_files.h"
#include "scratch_folder.h"
#include "window_operator.h"

namespace {

constexpr int kGoal = 1, kShotMiss = 2, kKeepMiss = 3;
constexpr int kLeftWing = 1, kCentre = 7;
constexpr int kTopLeft = 2, kOutsideRight = 11;

class MendingEvents : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    typeRoster(1, 1, "");  // the official's line, left empty
    typeRoster(2, 1, "田中");
    typeRoster(1, 3, "4");  // team 1, slot 2
    typeRoster(2, 3, "伊藤");
    typeRoster(1, 4, "9");  // slot 3
    typeRoster(2, 4, "鈴木");
  }

  EventEditDialog* dialog() const {
    return matchWindow()->findChild<EventEditDialog*>(QStringLiteral("eventEditDialog"));
  }
  QAction* entry(const char* name) const {
    auto* found = matchWindow()->findChild<QAction*>(QString::fromLatin1(name));
    if (!found) throw std::invalid_argument(std::string("no menu entry ") + name);
    return found;
  }
  QMenu* menu() const { return matchWindow()->findChild<QMenu*>(QStringLiteral("logMenu")); }

  // Row `row` of a log, counted under the heads as logRow() counts.
  QPoint rowPoint(TeamId team, int row) const {
    QTableView* view = log(team);
    return view->visualRect(view->model()->index(row - 1, 2)).center();
  }
  // A press and release, then the press the platform reports as a double-click.
  void doubleClickRow(TeamId team, int row) {
    QWidget* viewport = log(team)->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(team, row));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, rowPoint(team, row));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowPoint(team, row));
  }
  // The right button's menu over a row; its entries as the operator sees them.
  void rightClickRow(TeamId team, int row) {
    QWidget* viewport = log(team)->viewport();
    const QPoint at = rowPoint(team, row);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
  }
  std::string offered() const {
    std::string usable;
    for (const char* name : {"editEventAction", "deleteEventAction", "insertEventAction",
                             "undoEditAction", "redoEditAction"})
      usable += entry(name)->isEnabled() ? '1' : '0';
    return usable;
  }
  // Clicks an entry of the open menu.
  void pick(const char* name) {
    ASSERT_TRUE(menu()->isVisible());
    QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(entry(name)).center());
    EXPECT_FALSE(menu()->isVisible());
  }

  static std::vector<std::string> items(const QComboBox* box) {
    std::vector<std::string> texts;
    for (int i = 0; i < box->count(); ++i) texts.push_back(box->itemText(i).toStdString());
    return texts;
  }
  static std::string chosen(const QComboBox* box) { return box->currentText().toStdString(); }
  static void choose(QComboBox* box, const std::string& caption) {
    const int i = box->findText(QString::fromStdString(caption));
    ASSERT_GE(i, 0) << "no " << caption;
    box->setCurrentIndex(i);
  }
  // Time, person, action, place and detail as the edit window shows them.
  std::string fields() const {
    const auto& ui = dialog()->ui;
    return ui.timeEdit->text().toStdString() + "|" + chosen(ui.personBox) + "|" +
           chosen(ui.actionBox) + "|" + chosen(ui.placeBox) + "|" + chosen(ui.detailBox);
  }
  void fill(const std::string& time, const std::string& who, const std::string& play,
            const std::string& where, const std::string& what) {
    auto& ui = dialog()->ui;
    ui.timeEdit->setText(QString::fromStdString(time));
    choose(ui.personBox, who);
    choose(ui.actionBox, play);
    choose(ui.placeBox, where);
    choose(ui.detailBox, what);
  }

  // The keys reach the match window while it is the active one; the
  // splash, which comes up once the event loop runs, is clicked away first.
  void activateMatchWindow() {
    settle(20);
    if (splash()->isVisible()) QTest::mouseClick(splash(), Qt::LeftButton);
    matchWindow()->activateWindow();
    settle(20);
    ASSERT_EQ(QApplication::activeWindow(), matchWindow());
  }
  void keys(Qt::KeyboardModifiers modifiers, Qt::Key key) {
    QTest::keyClick(matchWindow(), key, modifiers);
  }

  std::string score(TeamId team) const {
    return text(team == TeamId::One ? matchWindow()->ui.teamOneScorePanel
                                    : matchWindow()->ui.teamTwoScorePanel);
  }
  // Team 1's goals cell of a slot on the team sheet.
  std::string goalsCell(int slot) const { return cell(teamSheet()->ui.rosterGrid, 3, slot + 1); }

  void at(int seconds) {
    clockSeconds = 10 * 3600 + seconds;
    matchWindow()->tick();
  }
  // Team 1: a goal of 伊藤 at 01:40, a lost possession of 鈴木 at 02:10 and a
  // goal of 鈴木 at 03:00.
  void recordThree() {
    startMatch();
    at(100);
    recordShot(TeamId::One, 2, kGoal, kCentre, kTopLeft);
    at(130);
    pickAndAct(TeamId::One, 3, kKeepMiss);
    click(location(kCentre));
    click(keepMiss()->choiceButtons()[0]);  // パス
    at(180);
    recordShot(TeamId::One, 3, kGoal, kLeftWing, kOutsideRight);
  }
  std::vector<std::string> teamOneRows() {
    std::vector<std::string> rows;
    for (int row = 1; row <= match().teamEventCount(TeamId::One); ++row)
      rows.push_back(logRow(TeamId::One, row));
    return rows;
  }

  const std::string goalOfIto = "01：40|4|伊藤|得点|センター|左上";
  const std::string passOfSuzuki = "02：10|9|鈴木|保持ミス|センター|パス";
  const std::string goalOfSuzuki = "03：00|9|鈴木|得点|左サイド|右外";
};

TEST_F(MendingEvents, ADoubleClickShowsTheEventAndAChangeMovesLogScoreAndCounts) {
  recordThree();
  typeRoster(3, 3, "3");  // 伊藤's goals, typed by hand over the one counted
  EXPECT_EQ(score(TeamId::One), "2");

  doubleClickRow(TeamId::One, 1);
  ASSERT_TRUE(dialog()->isVisible());
  EXPECT_EQ(dialog()->windowTitle().toStdString(), "記録の修正");
  EXPECT_EQ(fields(), "01:40|4 伊藤|得点|センター|左上");
  const auto persons = items(dialog()->ui.personBox);
  ASSERT_EQ(persons.size(), 15u);
  EXPECT_EQ(persons[0], "監督 田中");
  EXPECT_EQ(persons[1], "1行");
  EXPECT_EQ(persons[3], "9 鈴木");
  EXPECT_TRUE(dialog()->ui.deleteButton->isEnabled());

  choose(dialog()->ui.personBox, "9 鈴木");
  choose(dialog()->ui.actionBox, "シュートミス");
  EXPECT_EQ(fields(), "01:40|9 鈴木|シュートミス|センター|左上");  // place and zone stay
  click(dialog()->ui.changeButton);
  EXPECT_FALSE(dialog()->isVisible());
  EXPECT_TRUE(errorBoxes.empty());
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{"01：40|9|鈴木|シュートミス|センター|左上",
                                                     passOfSuzuki, goalOfSuzuki}));
  EXPECT_EQ(score(TeamId::One), "1");
  EXPECT_EQ(goalsCell(2), "2");  // the typed offset stays
  EXPECT_EQ(goalsCell(3), "1");
  // The next event is counted as ever.
  recordShot(TeamId::One, 2, kGoal, kCentre, kTopLeft);
  EXPECT_EQ(score(TeamId::One), "2");
  EXPECT_EQ(goalsCell(2), "3");
}

TEST_F(MendingEvents, TheEditWindowOffersOnlyWhatEnteringAnEventOffers) {
  recordThree();
  doubleClickRow(TeamId::One, 2);
  ASSERT_TRUE(dialog()->isVisible());
  auto& ui = dialog()->ui;
  EXPECT_EQ(items(ui.actionBox), (std::vector<std::string>{"得点", "シュートミス", "保持ミス",
                                                           "PT(獲得)", "作戦タイム", "反則"}));
  EXPECT_EQ(items(ui.detailBox), (std::vector<std::string>{"パス", "キャッチ", "ライン", "オーバー",
                                                           "チャージ", "パッシブ", "その他"}));

  // The official: a time-out or a foul, nothing chosen for him yet.
  choose(ui.personBox, "監督 田中");
  EXPECT_EQ(items(ui.actionBox), (std::vector<std::string>{"作戦タイム", "反則"}));
  EXPECT_EQ(fields(), "02:10|監督 田中|||");
  click(ui.changeButton);
  EXPECT_EQ(errorBoxes, (std::vector<std::string>{"プレーを選んでください."}));
  EXPECT_TRUE(dialog()->isVisible());

  choose(ui.actionBox, "作戦タイム");  // at the bench, nowhere else
  EXPECT_EQ(items(ui.placeBox), (std::vector<std::string>{"ベンチ"}));
  EXPECT_EQ(items(ui.detailBox),
            (std::vector<std::string>{"リード", "リード→同点", "負→同点", "負け"}));
  EXPECT_EQ(fields(), "02:10|監督 田中|作戦タイム|ベンチ|");
  choose(ui.actionBox, "反則");
  EXPECT_EQ(items(ui.placeBox).size(), 10u);
  EXPECT_EQ(chosen(ui.placeBox), "");  // the bench is no place for a foul
  EXPECT_EQ(items(ui.detailBox), (std::vector<std::string>{"警告", "退場", "失格"}));

  choose(ui.personBox, "4 伊藤");
  choose(ui.actionBox, "得点");
  choose(ui.placeBox, "PT");
  EXPECT_EQ(items(ui.detailBox),
            (std::vector<std::string>{"左外", "左上", "左中", "左下", "中上", "中中", "中下",
                                      "右上", "右中", "右下", "右外"}));
  click(ui.changeButton);  // no zone yet
  EXPECT_EQ(errorBoxes.back(), "ゴールの位置を選んでください.");

  // The half is a choice only where one ends and the next starts, preset
  // to the event's own; elsewhere it shows the half the time lies in.
  EXPECT_FALSE(ui.periodBox->isEnabled());
  EXPECT_EQ(chosen(ui.periodBox), "前半");
  ui.timeEdit->setText("30:00");
  EXPECT_TRUE(ui.periodBox->isEnabled());
  EXPECT_EQ(items(ui.periodBox), (std::vector<std::string>{"前半", "後半"}));
  EXPECT_EQ(chosen(ui.periodBox), "前半");
  choose(ui.periodBox, "後半");
  EXPECT_EQ(dialog()->draft().period, 2);
  ui.timeEdit->setText("30:01");
  EXPECT_FALSE(ui.periodBox->isEnabled());
  EXPECT_EQ(chosen(ui.periodBox), "後半");

  click(ui.cancelButton);
  EXPECT_FALSE(dialog()->isVisible());
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, passOfSuzuki, goalOfSuzuki}));
  EXPECT_EQ(score(TeamId::One), "2");
}

TEST_F(MendingEvents, ARefusedChangeShowsTheErrorAndChangesNothing) {
  recordThree();
  doubleClickRow(TeamId::One, 1);
  for (const char* wrong : {"1:40", "01:60", "100:00", "01：40", "ab:cd", ""}) {
    dialog()->ui.timeEdit->setText(QString::fromUtf8(wrong));
    click(dialog()->ui.changeButton);
    EXPECT_TRUE(dialog()->isVisible()) << wrong;
    EXPECT_EQ(dialog()->ui.timeEdit->text().toStdString(), wrong);
  }
  ASSERT_EQ(errorBoxes.size(), 6u);
  EXPECT_EQ(errorBoxes[0], "時間は 00:00 から 99:59 までの mm:ss で入力してください.");
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, passOfSuzuki, goalOfSuzuki}));

  dialog()->ui.timeEdit->setText("99:59");
  click(dialog()->ui.changeButton);
  EXPECT_FALSE(dialog()->isVisible());
  EXPECT_EQ(logRow(TeamId::One, 1), "99：59|4|伊藤|得点|センター|左上");

  // A count cell that holds no number cannot be moved: the goal stays 伊藤's.
  typeRoster(3, 3, "x");
  doubleClickRow(TeamId::One, 1);
  choose(dialog()->ui.personBox, "9 鈴木");
  click(dialog()->ui.changeButton);
  EXPECT_EQ(errorBoxes.back(), "'x' は整数ではありません.");
  EXPECT_TRUE(dialog()->isVisible());
  click(dialog()->ui.cancelButton);
  EXPECT_EQ(logRow(TeamId::One, 1), "99：59|4|伊藤|得点|センター|左上");
  EXPECT_EQ(goalsCell(3), "1");
  EXPECT_EQ(score(TeamId::One), "2");
}

TEST_F(MendingEvents, TheLogMenuDeletesAndInsertsAndTheRowsBelowMove) {
  recordThree();
  rightClickRow(TeamId::One, 2);
  EXPECT_EQ(offered(), "11100");  // nothing to undo or redo yet
  pick("deleteEventAction");
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, goalOfSuzuki}));
  EXPECT_EQ(logRow(TeamId::One, 3), "|||||");

  // From the edit window as well.
  doubleClickRow(TeamId::One, 2);
  click(dialog()->ui.deleteButton);
  EXPECT_FALSE(dialog()->isVisible());
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto}));
  EXPECT_EQ(score(TeamId::One), "1");
  EXPECT_EQ(goalsCell(3), "");  // as before 鈴木 scored

  rightClickRow(TeamId::One, 1);
  pick("insertEventAction");
  ASSERT_TRUE(dialog()->isVisible());
  EXPECT_EQ(fields(), "||||");
  EXPECT_FALSE(dialog()->ui.deleteButton->isEnabled());
  fill("00:30", "9 鈴木", "得点", "左サイド", "右外");
  click(dialog()->ui.changeButton);
  EXPECT_FALSE(dialog()->isVisible());
  EXPECT_EQ(teamOneRows(),
            (std::vector<std::string>{"00：30|9|鈴木|得点|左サイド|右外", goalOfIto}));

  // Below the recorded rows, where only an insert is offered, it goes last.
  rightClickRow(TeamId::One, 4);
  EXPECT_EQ(offered(), "00110");
  pick("insertEventAction");
  fill("05:00", "4 伊藤", "保持ミス", "相手陣地", "ライン");
  click(dialog()->ui.changeButton);
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{"00：30|9|鈴木|得点|左サイド|右外", goalOfIto,
                                                     "05：00|4|伊藤|保持ミス|相手陣地|ライン"}));
  EXPECT_EQ(score(TeamId::One), "2");
  EXPECT_EQ(goalsCell(2), "1");
  EXPECT_EQ(goalsCell(3), "1");
  EXPECT_TRUE(logBlank(TeamId::Two));
}

TEST_F(MendingEvents, CtrlZUndoesBackToTheStartAndCtrlYOrCtrlShiftZRedoes) {
  recordThree();
  doubleClickRow(TeamId::One, 1);
  choose(dialog()->ui.personBox, "9 鈴木");
  click(dialog()->ui.changeButton);
  rightClickRow(TeamId::One, 3);
  pick("deleteEventAction");
  const std::vector<std::string> mended = {"01：40|9|鈴木|得点|センター|左上", passOfSuzuki};
  ASSERT_EQ(teamOneRows(), mended);
  ASSERT_EQ(goalsCell(3), "1");

  activateMatchWindow();
  keys(Qt::ControlModifier, Qt::Key_Z);
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{"01：40|9|鈴木|得点|センター|左上",
                                                     passOfSuzuki, goalOfSuzuki}));
  EXPECT_EQ(score(TeamId::One), "2");
  keys(Qt::ControlModifier, Qt::Key_Z);
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, passOfSuzuki, goalOfSuzuki}));
  EXPECT_EQ(goalsCell(2), "1");
  EXPECT_EQ(goalsCell(3), "1");
  keys(Qt::ControlModifier, Qt::Key_Z);  // nothing left to undo: nothing happens
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, passOfSuzuki, goalOfSuzuki}));
  EXPECT_TRUE(errorBoxes.empty());

  keys(Qt::ControlModifier, Qt::Key_Y);
  EXPECT_EQ(logRow(TeamId::One, 1), "01：40|9|鈴木|得点|センター|左上");
  EXPECT_EQ(goalsCell(2), "");
  keys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
  EXPECT_EQ(teamOneRows(), mended);
  EXPECT_EQ(score(TeamId::One), "1");
  keys(Qt::ControlModifier, Qt::Key_Y);  // nothing left to redo
  EXPECT_EQ(teamOneRows(), mended);

  // The menu undoes as well, and a new edit drops what was undone.
  rightClickRow(TeamId::One, 1);
  EXPECT_EQ(offered(), "11110");
  pick("undoEditAction");
  EXPECT_EQ(match().teamEventCount(TeamId::One), 3);
  rightClickRow(TeamId::One, 1);
  EXPECT_EQ(offered(), "11111");
  pick("deleteEventAction");
  keys(Qt::ControlModifier, Qt::Key_Y);
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{passOfSuzuki, goalOfSuzuki}));
  EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(MendingEvents, NothingIsOfferedWhileAnEventIsBeingEntered) {
  recordThree();
  rightClickRow(TeamId::One, 3);
  pick("deleteEventAction");
  activateMatchWindow();

  for (int step = 0; step < 3; ++step) {
    SCOPED_TRACE(step);
    if (step == 0) click(person(TeamId::Two, 4));
    if (step == 1) click(action(kShotMiss));
    if (step == 2) click(location(kCentre));
    activateMatchWindow();
    doubleClickRow(TeamId::One, 1);
    EXPECT_FALSE(dialog()->isVisible());
    rightClickRow(TeamId::One, 1);
    EXPECT_EQ(offered(), "00000");
    menu()->hide();
    keys(Qt::ControlModifier, Qt::Key_Z);
    EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, passOfSuzuki}));
  }
  EXPECT_EQ(courtOffers(), "010");  // the shot's zone is still to come
  click(zone(kTopLeft));
  EXPECT_EQ(logRow(TeamId::Two, 1), "03：00|||シュートミス|センター|左上");
  EXPECT_TRUE(errorBoxes.empty());

  // Once the event is complete, edits are offered again.
  doubleClickRow(TeamId::Two, 1);
  EXPECT_TRUE(dialog()->isVisible());
  click(dialog()->ui.cancelButton);
  keys(Qt::ControlModifier, Qt::Key_Z);
  EXPECT_EQ(teamOneRows(), (std::vector<std::string>{goalOfIto, passOfSuzuki, goalOfSuzuki}));
}

// A whole match recorded through the windows with mistakes, mended through
// the windows and saved: the files are those the match gives when recorded
// without the mistakes.
class MendedMatches : public MendingEvents {
 protected:
  // The match script's roster only.
  void SetUp() override { EventTest::SetUp(); }

  // The full match's first goal (event 0) credited to 伊藤 instead of 高橋,
  // an extra goal of team 2 after event 2, and team 1's goal at 12:34 by
  // 伊藤 (event 12) forgotten.
  class MistakenOperator : public WindowOperator {
   public:
    using WindowOperator::WindowOperator;
    void recordEvent(TeamId team, int slot, int action, const std::string& where, int whereCode,
                     const std::string& what, int whatCode) override {
      const int n = events_++;
      if (n == 12) return;
      WindowOperator::recordEvent(team, n == 0 ? 2 : slot, action, where, whereCode, what,
                                  whatCode);
      if (n == 2)
        WindowOperator::recordEvent(TeamId::Two, 9, kGoal, "センター", kCentre, "左上", kTopLeft);
    }

   private:
    int events_ = 0;
  };

  void recordWithMistakes() {
    MistakenOperator op(*windows, clockSeconds);
    runMatchScript(op, testDataPath("full_match.match"));
    ASSERT_EQ(logRow(TeamId::One, 1), "00：45|4|伊藤|得点|右サイド|左上");
    ASSERT_EQ(logRow(TeamId::Two, 3), "02：05|21|山本|得点|センター|左上");
  }
  void mend() {
    doubleClickRow(TeamId::One, 1);
    choose(dialog()->ui.personBox, "1 高橋");
    click(dialog()->ui.changeButton);
    rightClickRow(TeamId::Two, 3);
    pick("deleteEventAction");
    ASSERT_EQ(logRow(TeamId::One, 7), "12：34|||得点|センター|左外");
    rightClickRow(TeamId::One, 7);
    pick("insertEventAction");
    fill("12:34", "4 伊藤", "得点", "中ポスト", "中下");
    click(dialog()->ui.changeButton);
    ASSERT_FALSE(dialog()->isVisible());
  }
  void save() { click(teamSheet()->ui.saveButton); }

  ScratchFolder folder;
};

TEST_F(MendedMatches, MendedThroughTheWindowsTheyGiveTheFilesOfAStraightRecording) {
  recordWithMistakes();
  mend();
  EXPECT_EQ(logRow(TeamId::One, 1), "00：45|1|高橋|得点|右サイド|左上");
  EXPECT_EQ(logRow(TeamId::One, 7), "12：34|4|伊藤|得点|中ポスト|中下");
  save();
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("full_match", "ファイル名");
}

TEST_F(MendedMatches, UndoneAndRedoneTheyGiveTheSameFiles) {
  recordWithMistakes();
  const std::string mistaken =
      logRow(TeamId::One, 1) + logRow(TeamId::Two, 3) + logRow(TeamId::One, 7);
  mend();
  activateMatchWindow();
  for (int i = 0; i < 3; ++i) keys(Qt::ControlModifier, Qt::Key_Z);
  EXPECT_EQ(logRow(TeamId::One, 1) + logRow(TeamId::Two, 3) + logRow(TeamId::One, 7), mistaken);
  keys(Qt::ControlModifier, Qt::Key_Y);
  keys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
  keys(Qt::ControlModifier, Qt::Key_Y);
  save();
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("full_match", "ファイル名");
}

}  // namespace
