// The operator mends recorded events: a double-click on a row of a log
// opens 「記録の修正」, the logs' menu changes, deletes and inserts, and
// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z undo and redo. The rows expected after
// each edit are the operator's own (OperatorRules keeps them and their
// history), and nothing is offered while an event is being entered.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <utility>

#include "event_edit_dialog.h"
#include "random_operator.h"

namespace {

using Mend = OperatorRules::Mend;

const std::vector<std::string> kOutcomeTexts = {"セーブ", "ポスト", "ブロック", "枠外"};
const std::vector<std::string> kAttackTexts = {"セット", "速攻", "突破", "空ゴール"};

// Times that are not mm:ss from 00:00 to 99:59.
const std::vector<std::string> kBadTimes = {"", "ab:cd", "99:60", "100:00", "12:345", "12-34"};
const std::string kBadTimeError = "時間は 00:00 から 99:59 までの mm:ss で入力してください.";

std::vector<std::string> items(const QComboBox* box) {
  std::vector<std::string> texts;
  for (int i = 0; i < box->count(); ++i) texts.push_back(box->itemText(i).toStdString());
  return texts;
}

std::string text(const QComboBox* box) {
  return box->currentText().toStdString();
}

// What entering an event offers after an action: its places and its details.
std::vector<std::string> placesOf(int play) {
  return play == kTimeOut ? std::vector<std::string>{kBench} : kPlaces;
}
std::vector<std::string> detailsOf(int play) {
  switch (play) {
    case kKeepMiss:
      return kKinds;
    case kPenalty:
      return kReasons;
    case kTimeOut:
      return kSituations;
    case kFoul:
      return kSanctions;
    default:
      return kZones;
  }
}

// "mm:ss" from the log's "mm：ss".
std::string typedTime(const std::string& logTime) {
  const size_t colon = logTime.find("：");
  return logTime.substr(0, colon) + ":" + logTime.substr(colon + std::string("：").size());
}

EventEditDialog* editDialog(const WindowSet& windows) {
  return windows.matchWindow()->findChild<EventEditDialog*>(QStringLiteral("eventEditDialog"));
}

}  // namespace

std::string RandomOperator::mendEvent() {
  if (!windows_->matchWindow()->isVisible()) return "";
  note("mend");
  const int team = 1 + random_.below(2);
  const int rows = static_cast<int>(rules_.completedRows(team).size());
  const int roll = random_.below(100);
  if (roll < 40) return rows == 0 ? "" : editRow(team, random_.below(rows));
  if (roll < 75) return fromMenu(team);
  return undoOrRedo(random_.percent(60), false, fixture_.errorBoxes.size(),
                    fixture_.questions.size());
}

QPoint RandomOperator::rowPoint(int team, int row) const {
  QTableView* view = logView(*windows_, team);
  const QModelIndex index = view->model()->index(row, 2);
  view->scrollTo(index);
  return view->visualRect(index).center();
}

std::string RandomOperator::editRow(int team, int row) {
  EventEditDialog* dialog = editDialog(*windows_);
  const bool offered = rules_.openColumn() == 0;
  note("double-click team " + std::to_string(team) + "'s row " + std::to_string(row + 1));
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  QWidget* viewport = logView(*windows_, team)->viewport();
  const QPoint at = rowPoint(team, row);
  QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
  if (!offered) {
    if (dialog->isVisible()) return "the edit window opened while an event is being entered";
    if (!rules_.unchangedInStep()) return "a double-click changed the logs";
    return newMessage(errors, questions);
  }
  if (!dialog->isVisible()) return "a double-click on a recorded row opened no edit window";
  const LogRow& shown = rules_.completedRows(team).at(row);
  const auto& ui = dialog->ui;
  const std::string fields = ui.timeEdit->text().toStdString() + "|" + text(ui.actionBox) + "|" +
                             text(ui.placeBox) + "|" + text(ui.detailBox);
  if (fields != typedTime(shown[0]) + "|" + shown[3] + "|" + shown[4] + "|" + shown[5])
    return "the edit window shows '" + fields + "' for the row " + joined(shown);
  if (ui.personBox->currentIndex() != rules_.slotOfRow(team, row))
    return "the edit window shows another person for the row " + joined(shown);

  Mend mend;
  mend.team = team;
  mend.row = row;
  mend.before = shown;
  mend.slotBefore = rules_.slotOfRow(team, row);
  const int choice = random_.below(100);
  if (choice < 20) {
    note("  cancel");
    QTest::mouseClick(ui.cancelButton, Qt::LeftButton);
    if (dialog->isVisible()) return "キャンセル left the edit window open";
    if (!rules_.unchangedInStep()) return "キャンセル changed the logs";
    return newMessage(errors, questions);
  }
  if (choice < 45) {
    mend.kind = Mend::Kind::Remove;
    note("  delete");
    return applyEdit(ui.deleteButton, mend, rules_.expectedErrorOfMend(mend, true), true);
  }
  mend.kind = Mend::Kind::Replace;
  factsBefore_ = windows_->match().teamEvent(operatorTeam(team), row).facts;
  std::string expectedError;
  const std::string broken = fillEditWindow(dialog, mend, expectedError);
  if (!broken.empty()) return broken;
  const bool changes = !(mend.after == mend.before && mend.slotAfter == mend.slotBefore);
  return applyEdit(ui.changeButton, mend, expectedError, changes);
}

std::string RandomOperator::fillEditWindow(EventEditDialog* dialog, Mend& mend,
                                           std::string& expectedError) {
  auto& ui = dialog->ui;
  const bool inserting = mend.kind == Mend::Kind::Insert;
  auto change = [&](QComboBox* box) {
    if (box->count() == 0) return;
    if (inserting || box->currentIndex() < 0 || random_.percent(50))
      box->setCurrentIndex(random_.below(box->count()));
  };
  std::string time;
  bool badTime = false;
  int seconds = 0;
  if (!inserting && random_.percent(40)) {
    time = ui.timeEdit->text().toStdString();
  } else if (random_.percent(12)) {
    time = random_.pick(kBadTimes);
    badTime = true;
  } else {
    seconds = random_.below(100 * 60);
    char typed[16];
    std::snprintf(typed, sizeof typed, "%02d:%02d", seconds / 60, seconds % 60);
    time = typed;
  }
  if (!badTime) seconds = std::stoi(time.substr(0, 2)) * 60 + std::stoi(time.substr(3, 2));
  ui.timeEdit->setText(QString::fromStdString(time));
  change(ui.personBox);
  change(ui.actionBox);
  change(ui.placeBox);
  change(ui.detailBox);
  for (QComboBox* box : {ui.outcomeBox, ui.attackBox, ui.assistBox, ui.goalkeeperBox})
    if (random_.percent(60)) change(box);
  const int slot = ui.personBox->currentIndex();
  if (ui.personBox->count() != kRosterLines || slot < 0)
    return "the edit window offers " + std::to_string(ui.personBox->count()) + " persons";
  const std::vector<std::string> plays =
      slot == kOfficialSlot ? std::vector<std::string>{kPlays[kTimeOut - 1], kPlays[kFoul - 1]}
                            : kPlays;
  if (items(ui.actionBox) != plays) return "the edit window offers other plays for the person";
  const int play = codeIn(kPlays, text(ui.actionBox));
  if (items(ui.placeBox) != placesOf(play) || items(ui.detailBox) != detailsOf(play))
    return "the edit window offers other places or details for " + text(ui.actionBox);
  // The facts that fit the play, and no others.
  const bool shot = play == kGoal || play == kShotMiss;
  if (items(ui.outcomeBox) != (play == kShotMiss ? kOutcomeTexts : std::vector<std::string>{}) ||
      items(ui.attackBox) !=
          (shot || play == kKeepMiss ? kAttackTexts : std::vector<std::string>{}) ||
      ui.assistBox->count() != (play == kGoal ? kLastPlayerSlot : 0) ||
      ui.goalkeeperBox->count() != (shot ? kLastPlayerSlot : 0) ||
      ui.writtenReportBox->isEnabled() != (play == kFoul && text(ui.detailBox) == "失格"))
    return "the edit window offers facts that do not fit " + text(ui.actionBox);
  if (ui.writtenReportBox->isEnabled() && random_.percent(40)) {
    const bool was = ui.writtenReportBox->isChecked();
    QTest::mouseClick(ui.writtenReportBox, Qt::LeftButton, {},
                      QPoint(6, ui.writtenReportBox->height() / 2));  // on the box itself
    if (ui.writtenReportBox->isChecked() == was) return "the check box 報告書（青） took no click";
  }
  editFacts_ = {text(ui.outcomeBox), text(ui.attackBox),
                ui.assistBox->currentIndex() < 0 ? 0 : ui.assistBox->currentData().toInt(),
                ui.goalkeeperBox->currentIndex() < 0 ? 0 : ui.goalkeeperBox->currentData().toInt(),
                ui.writtenReportBox->isChecked()};
  note(std::string(inserting ? "  insert '" : "  change to '") + time + "|" + text(ui.personBox) +
       "|" + text(ui.actionBox) + "|" + text(ui.placeBox) + "|" + text(ui.detailBox) + "|" +
       editFacts_.outcome + "|" + editFacts_.attack + "|" + std::to_string(editFacts_.assist) +
       "|" + std::to_string(editFacts_.goalkeeper) + (editFacts_.writtenReport ? "|報告書" : "") +
       "'");

  mend.slotAfter = slot;
  mend.after =
      rules_.mendedRow(mend.team, slot, seconds, text(ui.actionBox), text(ui.placeBox),
                       text(ui.detailBox), inserting ? nullptr : &mend.before, mend.slotBefore);
  expectedError = badTime ? kBadTimeError : rules_.expectedErrorOfMend(mend, true);
  return "";
}

std::string RandomOperator::applyEdit(QPushButton* button, const Mend& mend,
                                      const std::string& expectedError, bool changes) {
  if (mend.kind == Mend::Kind::Remove) editFacts_ = {};
  const std::optional<EventFacts> factsBefore = std::exchange(factsBefore_, std::nullopt);
  EventEditDialog* dialog = editDialog(*windows_);
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  QTest::mouseClick(button, Qt::LeftButton);
  if (!expectedError.empty()) {
    // Refused: the window stays as typed, for the operator to put right.
    if (fixture_.errorBoxes.size() != errors + 1 || fixture_.errorBoxes.back() != expectedError)
      return "expected the error box '" + expectedError + "'";
    if (!dialog->isVisible()) return "a refused edit closed the edit window";
    if (!rules_.unchangedInStep()) return "a refused edit changed the logs";
    QTest::mouseClick(dialog->ui.cancelButton, Qt::LeftButton);
    if (dialog->isVisible()) return "キャンセル left the edit window open";
    ++editsRefused_;
    return newMessage(errors + 1, questions);
  }
  if (dialog->isVisible()) return "the edit window stayed open after the edit";
  const Match& m = windows_->match();
  const TeamId team = operatorTeam(mend.team);
  const bool placed = mend.kind != Mend::Kind::Remove && mend.row < m.teamEventCount(team);
  // Facts alone changed make an edit as well, with its undo.
  if (!changes && placed && factsBefore && m.teamEvent(team, mend.row).facts != *factsBefore)
    changes = true;
  if (placed) {
    // The facts as the window showed them when 変更 was clicked.
    const Event& e = m.teamEvent(team, mend.row);
    const int attack = static_cast<int>(e.facts.attack);
    const std::string outcome = e.outcome() == MissOutcome::Unsaid
                                    ? ""
                                    : kOutcomeTexts.at(static_cast<int>(e.outcome()) - 1);
    const bool attackFits = takesAttack(e.action);  // checked against the window's list above
    if (outcome != editFacts_.outcome ||
        (attackFits ? kAttackTexts.at(attack) : "") != editFacts_.attack ||
        e.facts.assist != editFacts_.assist || e.facts.writtenReport != editFacts_.writtenReport ||
        (editFacts_.goalkeeper != 0 && e.facts.goalkeeper != editFacts_.goalkeeper))
      return "the mended event's facts are not those the edit window showed";
  }
  if (changes) {
    rules_.mended(mend);
    ++edits_;
  } else if (!rules_.unchangedInStep()) {
    return "a change to the same event changed the logs";
  }
  return newMessage(errors, questions);
}

std::string RandomOperator::fromMenu(int team) {
  const int rows = static_cast<int>(rules_.completedRows(team).size());
  // A recorded row, or one of the empty rows below them.
  const int row = random_.below(rows + 2);
  note("right-click team " + std::to_string(team) + "'s row " + std::to_string(row + 1));
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  QWidget* viewport = logView(*windows_, team)->viewport();
  const QPoint at = rowPoint(team, row);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
  QApplication::sendEvent(viewport, &event);
  auto* menu = windows_->matchWindow()->findChild<QMenu*>(QStringLiteral("logMenu"));
  if (!menu || !menu->isVisible()) return "a right-click on a log showed no menu";
  auto entry = [&](const char* name) {
    return windows_->matchWindow()->findChild<QAction*>(QString::fromLatin1(name));
  };
  const bool open = rules_.openColumn() != 0;
  const struct {
    const char* name;
    bool usable;
  } entries[] = {{"editEventAction", !open && row < rows},
                 {"deleteEventAction", !open && row < rows},
                 {"insertEventAction", !open},
                 {"undoEditAction", !open && rules_.canUndo()},
                 {"redoEditAction", !open && rules_.canRedo()}};
  std::vector<const char*> usable;
  for (const auto& e : entries) {
    if (entry(e.name)->isEnabled() != e.usable)
      return std::string("the menu's ") + e.name + (e.usable ? " is not usable" : " is usable");
    if (e.usable) usable.push_back(e.name);
  }
  if (usable.empty()) {
    QTest::keyClick(menu, Qt::Key_Escape);
    if (menu->isVisible()) return "Esc left the logs' menu open";
    return newMessage(errors, questions);
  }
  const std::string chosen = random_.pick(usable);
  note("  menu " + chosen);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry(chosen.c_str())).center());
  if (menu->isVisible()) return "the logs' menu stayed after a choice";
  if (chosen == "undoEditAction" || chosen == "redoEditAction")
    return undoOrRedo(chosen == "undoEditAction", true, errors, questions);

  EventEditDialog* dialog = editDialog(*windows_);
  Mend mend;
  mend.team = team;
  mend.row = std::min(row, rows);
  if (chosen == "deleteEventAction") {
    mend.kind = Mend::Kind::Remove;
    mend.before = rules_.completedRows(team).at(row);
    mend.slotBefore = rules_.slotOfRow(team, row);
    const std::string expectedError = rules_.expectedErrorOfMend(mend, true);
    if (!expectedError.empty()) {
      if (fixture_.errorBoxes.size() != errors + 1 || fixture_.errorBoxes.back() != expectedError)
        return "expected the error box '" + expectedError + "'";
      if (!rules_.unchangedInStep()) return "a refused delete changed the logs";
      ++editsRefused_;
      return newMessage(errors + 1, questions);
    }
    rules_.mended(mend);
    ++edits_;
    return newMessage(errors, questions);
  }
  if (!dialog->isVisible()) return "the menu's " + chosen + " opened no edit window";
  if (chosen == "editEventAction") {
    // As a double-click: the same window over the same row.
    QTest::mouseClick(dialog->ui.cancelButton, Qt::LeftButton);
    return editRow(team, row);
  }
  if (!dialog->ui.timeEdit->text().isEmpty() || dialog->ui.deleteButton->isEnabled())
    return "the edit window for an insert is not empty";
  if (random_.percent(15)) {
    QTest::mouseClick(dialog->ui.cancelButton, Qt::LeftButton);
    if (dialog->isVisible()) return "キャンセル left the edit window open";
    return rules_.unchangedInStep() ? newMessage(errors, questions) : "キャンセル changed the logs";
  }
  mend.kind = Mend::Kind::Insert;
  std::string expectedError;
  const std::string broken = fillEditWindow(dialog, mend, expectedError);
  if (!broken.empty()) return broken;
  return applyEdit(dialog->ui.changeButton, mend, expectedError, true);
}

// Undo or redo, by their keys on the match window in front, or already
// chosen from the logs' menu.
std::string RandomOperator::undoOrRedo(bool undo, bool byMenu, size_t errors, size_t questions) {
  if (!byMenu) {
    QWidget* inFront = front();
    if (inFront != windows_->matchWindow()) return "";
    const std::string key = undo ? "Ctrl+Z" : random_.percent(50) ? "Ctrl+Y" : "Ctrl+Shift+Z";
    note("key " + key + " on the match window");
    sendKeys(key, inFront);
  }
  const bool acts = rules_.openColumn() == 0 && (undo ? rules_.canUndo() : rules_.canRedo());
  if (!acts) {
    if (!rules_.unchangedInStep()) return "an undo or redo not offered changed the logs";
    return newMessage(errors, questions);
  }
  const std::string expectedError = undo ? rules_.expectedErrorOfMend(rules_.lastDone(), false)
                                         : rules_.expectedErrorOfMend(rules_.lastUndone(), true);
  if (!expectedError.empty()) {
    if (fixture_.errorBoxes.size() != errors + 1 || fixture_.errorBoxes.back() != expectedError)
      return "expected the error box '" + expectedError + "'";
    if (!rules_.unchangedInStep()) return "a refused undo or redo changed the logs";
    ++editsRefused_;
    return newMessage(errors + 1, questions);
  }
  if (undo) {
    rules_.undone();
    ++undos_;
  } else {
    rules_.redone();
    ++redos_;
  }
  return newMessage(errors, questions);
}
