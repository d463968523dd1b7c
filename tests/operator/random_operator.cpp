#include "random_operator.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "file_faults.h"
#include "match_settings_dialog.h"
#include "saved_files.h"
#include "start_up.h"
#include "team_sheet_window.h"

namespace {

namespace fs = std::filesystem;

const std::string kAccessDenied = "ファイルへのアクセスが拒否されました";
// The error box ends a message with "." unless it ends in "." or a lower code.
const std::string kDiskFull = "ディスクの空きが足りません";
// File-name stems, odd ones included: empty, outside CP932, holding a TAB.
const std::vector<std::string> kStems = {"試合", "match", "final-2026", "", "⚽", "tab\there"};

// What the operator types: mostly ordinary text, sometimes text that is no
// number, holds a TAB or a line break, or cannot be written in CP932.
const std::vector<std::string> kCountTexts = {"",   "0", "1",   "2",    "3", "5",          "12",
                                              "-1", "x", "abc", "1\t2", "⚽", "2147483647", "4"};
const std::vector<std::string> kRosterTexts = {"7",    "10", "99", "佐藤",   "髙橋",  "",
                                               "a\tb", "⚽",  "😀",  "上\n下", "Ｎｏ.1"};
const std::vector<std::string> kTeamNames = {"ルビナ大学", "団体名", "東京\tA", "⚽FC",
                                             "",           "Team 2", "😀"};

bool replaced(const FileState& before, const FileState& after) {
  return after.exists && !after.folder && (!before.exists || after.inode != before.inode);
}

}  // namespace

uint64_t SeededRandom::next() {
  // splitmix64
  uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

RandomOperator::RandomOperator(std::unique_ptr<WindowSet>& windows, OperatorFixture fixture,
                               uint64_t seed, std::string folder, std::string dataFolder)
    : windows_(windows),
      fixture_(fixture),
      random_(seed),
      folder_(std::move(folder)),
      dataFolder_(std::move(dataFolder)),
      rules_(*windows),
      buttons_(operatorButtons(*windows)) {
  windows_->teamSheet()->setFileFaults(&faults_);
  holdClockTimer(*windows_);
  // As at the program's start with nothing left to restore.
  if (!beginKeeping(*windows_, dataFolder_, std::nullopt, std::nullopt))
    throw std::runtime_error("the match file is in use");
  fs::create_directory(folder_ + "/ro");
  fs::permissions(folder_ + "/ro", fs::perms::owner_read | fs::perms::owner_exec);
  std::ofstream(folder_ + "/locked-shot-.xls") << "older";
  fs::permissions(folder_ + "/locked-shot-.xls", fs::perms::owner_read);
  fs::create_directory(folder_ + "/blocked-table-.xls");
  for (const char* file : {"/lockedbook.xlsx", "/lockedreport.pdf"}) {
    std::ofstream(folder_ + file) << "older";
    fs::permissions(folder_ + file, fs::perms::owner_read);
  }
}

void RandomOperator::note(const std::string& what) {
  trace_.push_back(what);
  if (trace_.size() > 40) trace_.pop_front();
}

std::string RandomOperator::summary() const {
  return std::to_string(rules_.completedRows(1).size()) + " + " +
         std::to_string(rules_.completedRows(2).size()) + " events completed, " +
         std::to_string(wholeSaves_) + " of " + std::to_string(saves_) + " saves written whole, " +
         std::to_string(reportFailures_) + " of them without the report, " +
         std::to_string(fixture_.errorBoxes.size()) + " error boxes, " +
         std::to_string(quickClicks_) + " quick clicks, " +
         std::to_string(fixture_.notices.size()) + " notices; " + std::to_string(analysisSteps_) +
         " steps with the analysis window, " + std::to_string(personChoices_) + " persons and " +
         std::to_string(pageChoices_) + " pages chosen there; " + std::to_string(keysActing_) +
         " of " + std::to_string(keysPressed_) + " single keys taking a step, " +
         std::to_string(personsTyped_) + " persons typed; " + std::to_string(powerCuts_) +
         " power cuts; " + std::to_string(edits_) + " edits, " + std::to_string(editsRefused_) +
         " refused, " + std::to_string(undos_) + " undone, " + std::to_string(redos_) +
         " redone; " + std::to_string(factsSaid_) + " facts said; " + rules_.periodsReached();
}

std::string RandomOperator::recentSteps() const {
  std::string text;
  for (const std::string& step : trace_) text += "  " + step + "\n";
  return text;
}

std::string RandomOperator::newMessage(size_t errorsBefore, size_t questionsBefore) const {
  if (fixture_.errorBoxes.size() > errorsBefore)
    return "unexpected error box '" + fixture_.errorBoxes.back() + "'";
  if (fixture_.questions.size() > questionsBefore)
    return "unexpected question '" + fixture_.questions.back() + "'";
  return "";
}

QPoint RandomOperator::centreOf(QWidget* w) {
  return w->mapToGlobal(w->rect().center());
}

void RandomOperator::clickAt(QPushButton* button, QPoint screenPoint, quint64 ms) {
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const bool press = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, button->mapFromGlobal(QPointF(screenPoint)), QPointF(screenPoint),
                      Qt::LeftButton, press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    event.setTimestamp(press ? ms : ms + 30);
    QApplication::sendEvent(button, &event);
  }
}

std::string RandomOperator::step() {
  ++steps_;
  rules_.beforeStep();
  ticked_ = false;
  const int roll = random_.below(100);
  const size_t eventsBefore = windows_->match().events().size();
  std::string broken;
  bool recording = false;  // a step that may complete an event
  if (random_.percent(1))
    broken = powerCut();
  else if (random_.percent(6))
    broken = mendEvent();
  else if (random_.percent(8))
    broken = sayFacts();
  else if (roll < 54)
    broken = clickButton(), recording = true;
  else if (roll < 62)
    broken = pressKey(), recording = true;
  else if (roll < 70)
    broken = typePerson(), recording = true;
  else if (roll < 76)
    broken = closeWindow();
  else if (roll < 79)
    broken = save();
  else if (roll < 86)
    broken = typeInRoster();
  else if (roll < 88)
    broken = random_.percent(50) ? chooseAnalysisPerson() : chooseAnalysisPage();
  else if (roll < 90)
    broken = random_.percent(75) ? typeTeamName() : chooseSettings();
  else if (roll < 97)
    broken = letTimePass();
  else
    broken = clickSplash();
  if (!broken.empty()) return broken;
  if (windows_->analysisWindow()->isVisible()) ++analysisSteps_;
  broken = rules_.check(fixture_.clockSeconds, ticked_);
  if (!broken.empty()) return broken;
  // Clicks and keys may complete an event; edits and power cuts do not.
  return checkFactsPanel(eventsBefore, recording);
}

std::string RandomOperator::clickButton() {
  std::vector<const OperatorButton*> usable;
  for (const OperatorButton& b : buttons_)
    if (b.button->isEnabled() && b.button->window()->isVisible()) usable.push_back(&b);
  if (usable.empty()) return "no button is usable anywhere";
  // Sometimes the operator clicks again at once, as fast as a double-click:
  // the same button, or one far from the last press. Either is meant and
  // must count, whatever window the last click brought forward.
  const bool quick = lastClickStep_ == steps_ - 1 && random_.percent(30);
  std::vector<const OperatorButton*> candidates;
  for (const OperatorButton* b : usable)
    if (!quick || b->button == lastButton_ ||
        (centreOf(b->button) - lastPoint_).manhattanLength() > QApplication::startDragDistance())
      candidates.push_back(b);
  const bool quickNow = quick && !candidates.empty();
  if (candidates.empty()) candidates = usable;
  const OperatorButton& b = *candidates[random_.below(candidates.size())];
  note(std::string(quickNow ? "quick click " : "click ") + b.describe());
  quickClicks_ += quickNow;

  const std::string expectedError = rules_.expectedErrorOf(b);
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  pressTime_ += quickNow ? 60 : 2000;
  lastButton_ = b.button;
  lastPoint_ = centreOf(b.button);
  lastClickStep_ = steps_;
  clickAt(b.button, lastPoint_, pressTime_);
  rules_.clicked(b, true, fixture_.clockSeconds);

  if (expectedError.empty()) return newMessage(errors, questions);
  if (fixture_.errorBoxes.size() != errors + 1 || fixture_.errorBoxes.back() != expectedError)
    return "expected the error box '" + expectedError + "'";
  if (!rules_.unchangedInStep()) return "a click that failed changed the logs";
  return newMessage(errors + 1, questions);
}

std::string RandomOperator::closeWindow() {
  std::vector<int> shown;
  for (int n = 1; n <= kWindowCount; ++n)
    if (windows_->window(static_cast<WindowId>(n))->isVisible()) shown.push_back(n);
  RecorderWindow* form = windows_->window(static_cast<WindowId>(random_.pick(shown)));
  note("close " + form->objectName().toStdString());
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();

  if (form == windows_->teamSheet()) {
    // Closing the team sheet ends the program (not in a test), asking first
    // when recorded events would be lost.
    const bool mustAsk = rules_.logsChangedSinceSave() || rules_.editedSinceSave();
    const bool mayAsk = rules_.recordingSinceSave() || rules_.editedSinceSave();
    fixture_.boxes.answerNext(random_.percent(50) ? QMessageBox::Yes : QMessageBox::No);
    form->close();
    fixture_.boxes.dropQueued();  // not taken when nothing was asked
    const bool asked = fixture_.questions.size() == questions + 1;
    if (mustAsk && !asked) return "closing the team sheet with unsaved events did not ask";
    if (asked && !mayAsk)
      return "closing the team sheet asked with nothing recorded since the save";
    return newMessage(errors, questions + (asked ? 1 : 0));
  }
  const bool needed = rules_.windowNeeded(form->windowId());
  form->close();
  if (form->windowId() == WindowId::Analysis) rules_.analysisClosed();
  if (form->isVisible() != needed)
    return needed ? "a window the open event needs was closed" : "the close box did not hide it";
  return newMessage(errors, questions);
}

std::string RandomOperator::save() {
  const int roll = random_.below(100);
  const Target target = roll < 44   ? Target::Fresh
                        : roll < 47 ? Target::ReadOnlyWorkbook
                        : roll < 50 ? Target::ReadOnlyReport
                        : roll < 62 ? Target::DiskFull
                        : roll < 70 ? Target::MissingFolder
                        : roll < 78 ? Target::ReadOnlyFolder
                        : roll < 86 ? Target::ReadOnlyFile
                        : roll < 94 ? Target::FolderInPlace
                                    : Target::NameTooLong;
  std::string name = random_.pick(kStems);
  if (target == Target::MissingFolder) name = "missing/" + name;
  if (target == Target::ReadOnlyFolder) name = "ro/" + name;
  if (target == Target::ReadOnlyFile) name = "locked";
  if (target == Target::ReadOnlyWorkbook) name = "lockedbook";
  if (target == Target::ReadOnlyReport) name = "lockedreport";
  if (target == Target::FolderInPlace) name = "blocked";
  if (target == Target::NameTooLong) name = std::string(300, 'x');
  const std::string stem = folder_ + "/" + name;
  QLineEdit* stemEdit = windows_->teamSheet()->ui.fileNameEdit;
  if (stemEdit->text().toStdString() != stem) rules_.edited();
  stemEdit->setText(QString::fromStdString(stem));

  std::vector<FileState> before;
  for (const std::string& path : allFileNames(stem)) before.push_back(fileState(path));
  // After the tables, the match file is copied beside them.
  const std::string copyName = stem + ".hbmatch";
  const FileState copyBefore = fileState(copyName);
  std::string fault;
  if (target == Target::DiskFull) {
    // The disk fills up at some write of the save, early or late.
    const int nth = random_.percent(50) ? 1 + random_.below(3) : 1 + random_.below(1000);
    faults_.inject(FileOp::Write, nth, ENOSPC);
    fault = ", disk full at write " + std::to_string(nth);
  }
  // A file there that no save of this match wrote may be another match's:
  // the save asks first, and a "no" leaves everything as it was.
  bool foreign = false;
  for (const FileState& file : before)
    foreign = foreign || (file.exists && !file.folder && !ownFiles_.contains(file.inode));
  foreign = foreign || (copyBefore.exists && !ownFiles_.contains(copyBefore.inode));
  const bool overwrite = foreign && random_.percent(60);
  if (foreign) fixture_.boxes.answerNext(overwrite ? QMessageBox::Yes : QMessageBox::No);
  // The save key works from any window, but on the splash a key only closes it.
  QWidget* inFront = front();
  const bool byKey = inFront != windows_->splash() && random_.percent(30);
  note("save '" + name + "'" + fault + (foreign ? overwrite ? ", overwrite" : ", keep" : "") +
       (byKey ? " by Ctrl+S" : ""));
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  const size_t notices = fixture_.notices.size();
  if (byKey)
    sendKeys("Ctrl+S", inFront);
  else
    QTest::mouseClick(windows_->teamSheet()->ui.saveButton, Qt::LeftButton);
  faults_.clear();
  fixture_.boxes.dropQueued();

  if (fixture_.questions.size() != questions + (foreign ? 1 : 0))
    return foreign ? "no question before replacing another match's files"
                   : "a question before replacing the match's own files";
  if (foreign && !overwrite) {
    for (size_t i = 0; i < before.size(); ++i)
      if (!(fileState(allFileNames(stem)[i]) == before[i])) return "a refused save wrote";
    return newMessage(errors, questions + 1);
  }
  if (fixture_.errorBoxes.size() > errors + 1) return "more than one error box for one save";
  const std::string error = fixture_.errorBoxes.size() > errors ? fixture_.errorBoxes.back() : "";
  bool tablesWritten = false;
  const std::string broken = saveOutcome(target, stem, before, error, tablesWritten);
  if (!broken.empty()) return "save '" + name + "': " + broken;
  const FileState copy = fileState(copyName);
  if (tablesWritten) {
    if (copy.bytes.rfind(std::string("SQLite format 3\0", 16), 0) != 0)
      return "save '" + name + "': no match file copied beside the tables";
    ownFiles_.insert(copy.inode);
  } else if (!(copy == copyBefore)) {
    return "save '" + name + "': the match file was copied without the tables";
  }
  // Characters CP932 cannot hold are told once, once the three tables are
  // written, whatever becomes of the workbook and the report.
  const bool told = fixture_.notices.size() > notices;
  if (fixture_.notices.size() > notices + 1) return "more than one notice for one save";
  if (told != (tablesWritten && rules_.textsLoseCharacters(stem)))
    return told ? "a notice '" + fixture_.notices.back() + "' for texts CP932 holds"
                : "no notice of characters CP932 cannot hold";
  return newMessage(errors + (error.empty() ? 0 : 1), questions + (foreign ? 1 : 0));
}

std::string RandomOperator::saveOutcome(Target target, const std::string& stem,
                                        const std::vector<FileState>& before,
                                        const std::string& error, bool& tablesWritten) {
  const std::vector<std::string> names = allFileNames(stem);
  std::vector<FileState> after;
  for (const std::string& path : names) after.push_back(fileState(path));
  // The three files are replaced together, each complete and agreeing with
  // the match, or none is touched.
  size_t written = 0;
  for (size_t i = 0; i < 3; ++i) written += replaced(before[i], after[i]);
  if (written != 0 && written != 3) return std::to_string(written) + " of the three files replaced";
  for (size_t i = 0; i < written; ++i) {
    const std::string problem =
        savedFileProblem(static_cast<int>(i), stem, after[i].bytes, windows_->match(), rules_);
    if (!problem.empty()) return names[i] + ": " + problem;
  }
  for (size_t i = written; i < 3; ++i)
    if (!(after[i] == before[i])) return names[i] + " changed without being written whole";
  // Then the workbook and the report, in that order, each whole or not at
  // all; a failure stops the save, and the error box names the file.
  size_t analysisWritten = 0;
  for (size_t i = 3; i < 5; ++i) {
    if (!replaced(before[i], after[i])) {
      if (!(after[i] == before[i])) return names[i] + " changed without being written whole";
      break;
    }
    if (written != 3) return names[i] + " written without the three tables";
    const std::string head = i == 3 ? "PK" : "%PDF";
    if (after[i].bytes.rfind(head, 0) != 0) return names[i] + " does not start with " + head;
    ++analysisWritten;
  }
  for (size_t i = 3 + analysisWritten; i < 5; ++i)
    if (!(after[i] == before[i])) return names[i] + " written after a failure before it";
  // An error box names the file that failed.
  auto naming = [&](const std::string& message, size_t file) {
    return message + " (" + names[file] + ")";
  };

  size_t expectedWritten = 0;
  std::string expectedError;
  switch (target) {
    case Target::Fresh:
      expectedWritten = 3;
      break;
    case Target::DiskFull: {
      // Whether the fault came within this save's writes depends on how
      // many it makes, and which file it hit on the lengths of the files.
      // The workbook's library writes by itself: only the report can fail.
      const bool inTables =
          !error.empty() && (error == naming(kDiskFull, 0) || error == naming(kDiskFull, 1) ||
                             error == naming(kDiskFull, 2));
      expectedWritten = inTables ? 0 : 3;
      expectedError = error;
      if (!error.empty() && !inTables && error != naming(kDiskFull, 4))
        return "a full disk reported as '" + error + "'";
      if (error == naming(kDiskFull, 4) && analysisWritten != 1)
        return "the report failed, but the workbook was not written before it";
      break;
    }
    case Target::MissingFolder:
      expectedError = "フォルダがありません (" + folder_ + "/missing)";
      if (fs::exists(folder_ + "/missing")) return "a missing folder was made";
      break;
    case Target::ReadOnlyFolder:
      expectedError = naming(kAccessDenied, 0);
      if (!fs::is_empty(folder_ + "/ro")) return "a file appeared in the read-only folder";
      break;
    case Target::ReadOnlyFile:
      expectedError = naming(kAccessDenied, 0);  // the shot file is read-only
      break;
    case Target::ReadOnlyWorkbook:
    case Target::ReadOnlyReport: {
      // The three tables are written first; the save stops at the file.
      const size_t file = target == Target::ReadOnlyWorkbook ? 3 : 4;
      expectedWritten = 3;
      expectedError = naming(kAccessDenied, file);
      if (analysisWritten != file - 3) return names[file] + " failed, but not the file before it";
      break;
    }
    case Target::FolderInPlace:
      expectedError = naming(kAccessDenied, 1);  // a folder has the table file's name
      break;
    case Target::NameTooLong:
      expectedError = "ファイル名が長すぎます.";
      break;
  }
  if (written != expectedWritten)
    return std::to_string(written) + " files written, expected " + std::to_string(expectedWritten);
  if (error != expectedError) return "error box '" + error + "', expected '" + expectedError + "'";
  if (error.empty() && written == 3 && analysisWritten != 2)
    return "the workbook and the report were not written, and no error box said so";

  std::vector<std::string> expectedNames = {"ro", "locked-shot-.xls", "blocked-table-.xls",
                                            "blocked-shot-.xls"};
  std::vector<std::string> stems = kStems;
  stems.insert(stems.end(), {"lockedbook", "lockedreport"});
  for (const std::string& name : stems) {
    for (const std::string& file : allFileNames(name)) expectedNames.push_back(file);
    expectedNames.push_back(name + ".hbmatch");
  }
  const auto strays = unexpectedEntries(folder_, expectedNames);
  if (!strays.empty()) return "the save left '" + strays.front() + "' behind";
  ++saves_;
  tablesWritten = written == 3;
  if (tablesWritten) {
    rules_.saved();
    ++wholeSaves_;
    reportFailures_ += analysisWritten < 2;
  }
  for (size_t i = 0; i < 5; ++i)
    if (replaced(before[i], after[i])) ownFiles_.insert(after[i].inode);
  return "";
}

// Chooses a person in the analysis window with the keyboard, as far down
// the list from its top as the entry wanted.
std::string RandomOperator::chooseAnalysisPerson() {
  AnalysisWindow* analysis = windows_->analysisWindow();
  if (!analysis->isVisible()) return "";
  const int index = random_.below(kLastPlayerSlot + 1);
  note("choose entry " + std::to_string(index) + " of the analysis window's persons");
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  QTest::keyClick(analysis->ui.personChoice, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(analysis->ui.personChoice, Qt::Key_Down);
  rules_.analysisPersonChosen(index);
  ++personChoices_;
  return newMessage(errors, questions);
}

// Clicks a tab of the analysis window.
std::string RandomOperator::chooseAnalysisPage() {
  AnalysisWindow* analysis = windows_->analysisWindow();
  if (!analysis->isVisible()) return "";
  QTabBar* tabs = analysis->ui.pageTabs->tabBar();
  const int index = random_.below(tabs->count());
  note("click the analysis window's tab " + std::to_string(index));
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  rules_.analysisPageChosen(index);
  ++pageChoices_;
  return newMessage(errors, questions);
}

std::string RandomOperator::typeInRoster() {
  const int col = 1 + random_.below(13);
  const int row = 1 + random_.below(15);
  const int team1Col = col >= 7 ? col - 7 : col;
  const std::string& text = random_.pick(team1Col >= 3 ? kCountTexts : kRosterTexts);
  note("type '" + text + "' into roster (" + std::to_string(col) + ", " + std::to_string(row) +
       ")");
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  QAbstractItemModel* roster = windows_->teamSheet()->ui.rosterGrid->model();
  const QModelIndex cell = roster->index(row - 1, col - 1);
  // The column between the teams is never saved; any other change is.
  if (col != 7 && roster->data(cell).toString().toStdString() != text) rules_.edited();
  roster->setData(cell, QString::fromStdString(text), Qt::EditRole);
  rules_.rosterTyped(col, row, text);
  return newMessage(errors, questions);
}

std::string RandomOperator::typeTeamName() {
  const bool second = random_.percent(50);
  const std::string& text = random_.pick(kTeamNames);
  note("type '" + text + "' as team " + (second ? "2" : "1") + "'s name");
  QLineEdit* edit = second ? windows_->teamSheet()->ui.teamTwoNameEdit
                           : windows_->teamSheet()->ui.teamOneNameEdit;
  if (edit->text().toStdString() != text) rules_.edited();
  edit->setText(QString::fromStdString(text));
  return "";
}

// The settings from the team sheet: overtime set or not, the halves kept at
// 30 minutes; now and then cancelled. The dialog is modal: answered at once.
std::string RandomOperator::chooseSettings() {
  TeamSheetWindow* sheet = windows_->teamSheet();
  const bool overtime = random_.percent(80);
  const bool cancel = random_.percent(10);
  note(std::string(cancel ? "open the settings and cancel" : "set overtime ") + (cancel ? ""
                                                                                 : overtime
                                                                                     ? "on"
                                                                                     : "off"));
  QTest::mouseClick(sheet->ui.settingsButton, Qt::LeftButton);
  MatchSettingsDialog* dialog = sheet->settingsDialog;
  if (!dialog->isVisible()) return "the settings did not show";
  dialog->ui.overtimeBox->setChecked(overtime);
  QTest::mouseClick(
      dialog->ui.buttons->button(cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok),
      Qt::LeftButton);
  if (dialog->isVisible()) return "the settings stayed open";
  if (!cancel) rules_.settingsChosen(overtime);
  return "";
}

std::string RandomOperator::letTimePass() {
  const int seconds = 1 + random_.below(150);
  note("let " + std::to_string(seconds) + " s pass");
  fixture_.clockSeconds += seconds;
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  // Timers that are due run now: the splash's and the clock's.
  QCoreApplication::processEvents();
  if (windows_->matchWindow()->clockTimer.isActive()) {
    windows_->matchWindow()->tick();
    rules_.clockTicked(fixture_.clockSeconds);
    ticked_ = true;
  }
  return newMessage(errors, questions);
}

std::string RandomOperator::clickSplash() {
  if (!windows_->splash()->isVisible()) return "";
  note("click the splash");
  QTest::mouseClick(windows_->splash(), Qt::LeftButton);
  return windows_->splash()->isVisible() ? "the splash stayed after a click" : "";
}
