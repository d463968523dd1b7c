// Keys through the real windows: an event typed in any window in front, keys
// that change nothing when their step is not offered, typing into the team
// sheet that stays typing, the legends on the buttons, the key list, and a
// keymap file with lines that are not taken.
#include <QLineEdit>
#include <QTableWidget>
#include <fstream>

#include "event_steps.h"
#include "key_names.h"
#include "keymap_file.h"
#include "match_script.h"
#include "scratch_folder.h"

namespace {

class Keyboard : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    typeRoster(1, 4, "7");   // team 1, slot 3
    typeRoster(8, 3, "7");   // team 2, slot 2
    typeRoster(8, 7, "23");  // team 2, slot 6
    typeRoster(9, 7, "Abe");
    // The splash comes up once the event loop runs; a key closes it, as a
    // click does, and does nothing else.
    QTRY_VERIFY(splash()->isVisible());
    keys("F3");
    EXPECT_FALSE(splash()->isVisible());
    EXPECT_FALSE(matchWindow()->isVisible());
  }
  // Types text character by character into the control in focus, which may
  // change as the first character opens a cell's editor.
  void typeText(const QString& text) {
    for (const QChar c : text) QTest::keyClicks(front()->focusWidget(), QString(c));
  }
  // 入力終了 and 試合開始.
  void startByKeys() { keys("F3 F5"); }
};

TEST_F(Keyboard, AnEventTypedGoesThroughTheWindowsAndTheNextCanBeTypedAtOnce) {
  keys("F3 F5");
  EXPECT_EQ(front(), matchWindow());
  EXPECT_TRUE(match().clock().started());

  keys("W 2 3");
  EXPECT_TRUE(matchWindow()->typedPersonPanel->isVisible());
  EXPECT_EQ(matchWindow()->typedPersonPanel->text().toStdString(), "チーム2 23");
  for (TeamId team : kBothTeams)
    for (int slot = 0; slot <= 14; ++slot)
      EXPECT_EQ(windows->keyLegend().marked(person(team, slot)), team == TeamId::Two && slot == 6);
  keys("D");  // keep miss: the person and the action
  EXPECT_FALSE(matchWindow()->typedPersonPanel->isVisible());
  EXPECT_FALSE(windows->keyLegend().marked(person(TeamId::Two, 6)));
  EXPECT_EQ(front(), court());
  keys("Num+9");
  EXPECT_EQ(front(), keepMiss());
  keys("Num+5");  // the fifth kind, on the pad
  EXPECT_FALSE(keepMiss()->isVisible());
  EXPECT_EQ(logRow(TeamId::Two, 1), "00：00|23|Abe|保持ミス|右サイド|チャージ");
  // The match window takes the keys again: the next event follows at once.
  EXPECT_EQ(front(), matchWindow());
  keys("Q 7 S Num+1 Num+0");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|7||シュートミス|左４５|左外");
  EXPECT_EQ(front(), matchWindow());
}

TEST_F(Keyboard, KeysNotOfferedNowChangeNothingAndNeverReachTheControls) {
  startByKeys();
  keys("Q 7 Return");  // the person picked
  const Readings before = state();
  const int selected = selectedRow(log(TeamId::One));
  // Numbers, places, zones, details, the bench, and the official (no
  // person is typed now): none is offered while an action is due.
  keys("7 1 Num+7 Num+Enter E R W Return F5");
  EXPECT_EQ(state().logCol1, before.logCol1);
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|7||||");
  EXPECT_EQ(selectedRow(log(TeamId::One)), selected);  // the log did not search for "7"
  EXPECT_TRUE(errorBoxes.empty());
  EXPECT_FALSE(court()->isVisible());

  // A key held down takes its step once.
  keys("Backspace");  // 修正: the person again
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q", true);
  QApplication::sendEvent(front()->focusWidget(), &held);
  keys("Q");
  QKeyEvent again(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2", false);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2", true);
  QApplication::sendEvent(front()->focusWidget(), &again);
  QApplication::sendEvent(front()->focusWidget(), &repeat);
  EXPECT_EQ(matchWindow()->typedPersonPanel->text().toStdString(), "チーム1 2");
}

TEST_F(Keyboard, TypingIntoTheRosterAndTheBoxesIsNeverTakenAsAStep) {
  startByKeys();
  click(person(TeamId::One, 3));  // an action is due: letters would choose it
  teamSheet()->activateWindow();
  QTableView* grid = teamSheet()->ui.rosterGrid;
  // A click on team 1's line 4 name opens its editor.
  const QRect cellRect = grid->visualRect(grid->model()->index(4, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellRect.center());
  ASSERT_EQ(front(), teamSheet());
  typeText("Q7A 12 SDFGH");
  keys("Backspace Return");
  settle();  // the cell takes the text once the event loop runs
  EXPECT_EQ(cell(grid, 2, 5), "Q7A 12 SDFG");
  QLineEdit* name = teamSheet()->ui.teamTwoNameEdit;
  name->setFocus();
  name->selectAll();
  typeText("W8 E R");
  keys("Backspace Return Num+5");
  EXPECT_EQ(match().team(TeamId::Two).name, "W8 E 5");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|7||||");  // still waiting for the action
  EXPECT_EQ(state().logCol1, 3);
  EXPECT_TRUE(errorBoxes.empty());
  // Keys that type nothing still act from a box: the key list, 中断.
  keys("F6");
  EXPECT_FALSE(match().clock().ticking());
  keys("F1");
  EXPECT_TRUE(windows->keyHelp()->isVisible());
}

TEST_F(Keyboard, TheClockBoxTakesDigitsOnlyWhileClickedIntoAndLetsGoOnceTheTimeIsSet) {
  startByKeys();
  QLineEdit* box = matchWindow()->ui.clockEdit;
  // Coming to the front never puts the keys into the box.
  matchWindow()->activateWindow();
  EXPECT_NE(QApplication::focusWidget(), box);
  keys("W 2 3");
  EXPECT_EQ(matchWindow()->typedPersonPanel->text().toStdString(), "チーム2 23");
  keys("Backspace Backspace Backspace");
  QTest::mouseClick(box, Qt::LeftButton);
  ASSERT_EQ(QApplication::focusWidget(), box);
  typeText("12:34");
  EXPECT_FALSE(matchWindow()->typedPersonPanel->isVisible());
  keys("Return");
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "12:34");
  EXPECT_NE(QApplication::focusWidget(), box);
  keys("Q 7");
  EXPECT_EQ(matchWindow()->typedPersonPanel->text().toStdString(), "チーム1 7");
  keys("Backspace Backspace");
  // Escape leaves the box as it was.
  QTest::mouseClick(box, Qt::LeftButton);
  typeText("5");
  keys("Escape");
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_NE(QApplication::focusWidget(), box);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "12:34");
}

TEST_F(Keyboard, EveryKeyedButtonShowsItsKeyInACornerAndNothingElseOfItChanges) {
  int checked = 0;
  std::vector<KeyedControl> all = windows->factsPanel()->keyedControls();
  for (int w = 1; w <= kWindowCount; ++w)
    for (const KeyedControl& keyed : windows->window(static_cast<WindowId>(w))->keyedControls())
      all.push_back(keyed);
  {
    for (const KeyedControl& keyed : all) {
      QWidget* control = keyed.control;
      const QString legend = windows->keyLegend().legend(control);
      const auto& keys = windows->keyEntry().keymap().keys(keyed.step);
      ASSERT_FALSE(keys.empty());
      EXPECT_EQ(legend.toStdString(), shortKeyName(keys.front()));
      const QRect geometry = control->geometry();
      const QFont font = control->font();
      const QImage with = control->grab().toImage();
      windows->keyLegend().setLegend(control, QString());
      const QImage without = control->grab().toImage();
      windows->keyLegend().setLegend(control, legend);
      EXPECT_EQ(control->geometry(), geometry);
      EXPECT_EQ(control->font(), font);
      ASSERT_EQ(with.size(), without.size());
      // The legend shows, and only in its corner.
      const QRect corner = KeyLegend::legendRect(control);
      bool shows = false;
      for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
          if (with.pixel(x, y) == without.pixel(x, y)) continue;
          shows = true;
          ASSERT_TRUE(corner.contains(x, y))
              << control->objectName().toStdString() << " at " << x << ", " << y;
        }
      EXPECT_TRUE(shows) << control->objectName().toStdString();
      ++checked;
    }
  }
  // The team sheet's save, switch and season; the action, place, zone and
  // detail buttons, starts and corrections; the facts panel's outcomes,
  // attacks, assist and goalkeepers.
  EXPECT_EQ(checked, 3 + 14 + 23 + 8 + 5 + 4 + 5 + 11);
}

// The facts panel: beside the match window whenever it shows, covering
// none of it; it takes no focus, so the keys go on to the match window.
TEST_F(Keyboard, TheFactsPanelSitsBesideTheMatchWindowAndLeavesItTheKeys) {
  EventFactsPanel* panel = windows->factsPanel();
  startByKeys();
  ASSERT_TRUE(panel->isVisible());
  EXPECT_FALSE(panel->frameGeometry().intersects(matchWindow()->frameGeometry()));
  EXPECT_EQ(panel->y(), matchWindow()->frameGeometry().top());
  keys("Q 7 S Num+2 Num+0");  // a miss outside left: 枠外 shown as chosen
  EXPECT_TRUE(panel->ui.wideButton->isChecked());
  click(panel->ui.postButton);
  EXPECT_EQ(front(), matchWindow());
  keys("U");
  EXPECT_EQ(match().events().back().facts.outcome, MissOutcome::Post);
  EXPECT_TRUE(panel->ui.setAttackButton->isChecked());
  matchWindow()->close();  // nothing open needs it: it goes, and the panel with it
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(Keyboard, TheKeyListOpensFromEveryWindowAndTheSameKeyClosesIt) {
  KeyHelpWindow* help = windows->keyHelp();
  QTableWidget* table = help->table();
  ASSERT_EQ(table->rowCount(), static_cast<int>(keySteps().size()));
  bool listsSave = false;
  for (int row = 0; row < table->rowCount(); ++row)
    listsSave = listsSave || (table->item(row, 1)->text() == "データ保存" &&
                              table->item(row, 2)->text() == "Ctrl+S");
  EXPECT_TRUE(listsSave);

  keys("F1");
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(front(), help);
  keys("F1");
  EXPECT_FALSE(help->isVisible());
  keys("F3 F5 Q 7 A");
  for (QWidget* in : {static_cast<QWidget*>(court()), static_cast<QWidget*>(keepMiss())}) {
    EXPECT_EQ(front(), in);
    keys("F1");
    EXPECT_EQ(front(), help);
    keys("F1");
    EXPECT_FALSE(help->isVisible());
    in->activateWindow();
    if (in == court()) keys("Backspace Backspace D Num+2");  // a keep miss instead
  }
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|7||保持ミス|センター|");
}

TEST_F(Keyboard, AKeymapFileIsWrittenOnceAndItsRefusedLinesAreToldOnce) {
  ScratchFolder folder;
  const auto path = folder.path() / "config" / "keymap.txt";
  KeymapFile first = loadKeymapFile(path);
  EXPECT_TRUE(first.problems.empty());
  EXPECT_EQ(readFileBytes(path), keymapText(Keymap()));

  std::ofstream(path) << "# mine\n"
                         "action.goal = T\n"
                         "action.foul = F1\n"
                         "keep-miss.pass = Shift+\n"
                         "place.bench = Num+Enter, B\n"
                         "pause = F6, Ctrl+Alt+Q\n";
  const KeymapFile file = loadKeymapFile(path);
  ASSERT_EQ(file.problems.size(), 2u);
  EXPECT_TRUE(file.problems[0].starts_with("3 行目: action.foul のキー F1 は")) << file.problems[0];
  EXPECT_TRUE(file.problems[1].starts_with("4 行目: 「Shift+」は")) << file.problems[1];

  windows.reset();
  windows = std::make_unique<WindowSet>(WindowSet::Showing::AfterAll, file.keymap);
  match().timeOfDay = [this] { return clockSeconds / 86400.0; };
  windows->start();
  windows->reportKeymapProblems(path.string(), file.problems);
  // Told once the splash, which would cover the box, is gone.
  QTRY_VERIFY(splash()->isVisible());
  settle();
  EXPECT_TRUE(notices.empty());
  keys("Esc");
  settle();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find(file.problems[1]), std::string::npos);
  EXPECT_EQ(windows->keyLegend().legend(action(1)).toStdString(), "T");
  EXPECT_EQ(windows->keyLegend().legend(action(6)).toStdString(), "H");  // the default kept
  typeRoster(1, 4, "7");
  keys("F3 F5 Q 7 A");  // A is no longer the goal's
  EXPECT_EQ(logRow(TeamId::One, 1), "|||||");
  keys("T B");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|7||得点||");  // B is the bench's only
  keys("Num+8 Num+8");
  EXPECT_EQ(logRow(TeamId::One, 1), "00：00|7||得点|中ポスト|中上");
  EXPECT_EQ(notices.size(), 1u);

  // In a box, Ctrl+Alt+Q acts, unless it types a character (AltGr+Q is "@"
  // on some keyboards, and comes as Ctrl+Alt+Q with that text).
  teamSheet()->activateWindow();
  QLineEdit* name = teamSheet()->ui.teamOneNameEdit;
  name->setFocus();
  ASSERT_EQ(front(), teamSheet());
  QTest::keyClick(name, Qt::Key_End);
  QKeyEvent at(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@");
  QApplication::sendEvent(name, &at);
  EXPECT_EQ(name->text().toStdString(), match().team(TeamId::One).name);
  EXPECT_TRUE(match().team(TeamId::One).name.ends_with("@"));
  EXPECT_TRUE(match().clock().ticking());
  QKeyEvent pause(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "\x11");
  QApplication::sendEvent(name, &pause);
  EXPECT_FALSE(match().clock().ticking());
}

}  // namespace
