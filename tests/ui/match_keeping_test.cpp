// The match kept in its match file through the real windows: a program that
// stopped without the close box leaves a match that comes back exactly, the
// copy beside the saved tables opens again, a dropped file replaces the
// match only after asking, and a file that cannot be kept or is in use is
// told without losing or opening anything.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <fstream>
#include <sstream>

#include "event_steps.h"
#include "expected_files.h"
#include "file_places.h"
#include "log_edits.h"
#include "match_file.h"
#include "match_rows.h"
#include "scratch_folder.h"
#include "start_up.h"
#include "window_operator.h"

namespace fs = std::filesystem;

namespace {

class KeptMatch : public EventTest {
 protected:
  void SetUp() override {
    EventTest::SetUp();
    windows->setQuitAction([this] { ++quits; });
    windows->keepIn(data);
  }

  // The program stops without the close box, as a crash or a power cut
  // leaves it, and starts again: the question is answered as queued (はい
  // by default), and `file` is opened when given.
  bool restart(const std::optional<fs::path>& file = std::nullopt) {
    windows.reset();
    std::ostringstream errors;
    const auto restore = file ? std::nullopt : askToRestore(data, errors);
    unreadable = errors.str();
    windows = std::make_unique<WindowSet>();
    match().timeOfDay = [this] { return clockSeconds / 86400.0; };
    windows->setQuitAction([this] { ++quits; });
    windows->start();
    return beginKeeping(*windows, data, restore, file);
  }

  // What the operator sees of the logs, the score and the team sheet.
  std::string shownRecord() {
    std::string all;
    for (TeamId team : kBothTeams)
      for (int row = 1; row < rowCount(log(team)); ++row) all += logRow(team, row) + "\n";
    all += text(matchWindow()->ui.teamOneScorePanel) + "-" +
           text(matchWindow()->ui.teamTwoScorePanel) + "\n";
    all += text(teamSheet()->ui.teamOneWarningsPanel) + "/" +
           text(teamSheet()->ui.teamTwoWarningsPanel) + "\n";
    for (int row = 1; row < rowCount(teamSheet()->ui.rosterGrid); ++row)
      for (int col = 1; col <= 14; ++col) all += cell(teamSheet()->ui.rosterGrid, col, row) + "|";
    return all;
  }

  // The match files and folders of the data folder (SQLite's log files
  // beside an open match file left out).
  std::set<std::string> dataFiles() const {
    std::set<std::string> names;
    for (const std::string& name : folder.entries(data))
      if (!name.ends_with("-wal") && !name.ends_with("-shm")) names.insert(name);
    return names;
  }

  ScratchFolder folder;
  fs::path data = folder.path() / "data";
  std::string unreadable;
  int quits = 0;
};

TEST_F(KeptMatch, AMatchLeftByAStoppedProgramComesBackExactlyAndSavesTheSameFiles) {
  WindowOperator op(*windows, clockSeconds);
  runMatchScript(op, testDataPath("full_match.match"));
  const MatchState before = match().state();
  const ScreenState screenBefore = screen().state();
  const std::string seen = shownRecord();
  const int events = static_cast<int>(match().events().size());

  ASSERT_TRUE(restart());
  ASSERT_EQ(questions.size(), 1u);
  const std::string& q = questions[0];
  EXPECT_NE(q.find(match().team(TeamId::One).name + " 対 " + match().team(TeamId::Two).name),
            std::string::npos)
      << q;
  EXPECT_NE(q.find("記録 " + std::to_string(events) + " 件"), std::string::npos) << q;
  EXPECT_NE(q.find("最後の操作 20"), std::string::npos) << q;
  EXPECT_TRUE(match().state() == before);
  EXPECT_TRUE(screen().state() == screenBefore);
  EXPECT_EQ(shownRecord(), seen);
  EXPECT_TRUE(errorBoxes.empty());

  click(teamSheet()->ui.saveButton);
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("full_match", "ファイル名");
  // The copy beside the tables.
  EXPECT_TRUE(fs::exists("ファイル名.hbmatch"));
}

TEST_F(KeptMatch, BothLogsComeBackScrolledToTheirNextRow) {
  const fs::path script = folder.path() / "both.match";
  std::ofstream(script) << "player 1 3 7 佐藤\n"
                           "player 2 6 12 木村\n"
                           "at 00:10\n"
                           "repeat 12 20 event 1 3 得点 左４５ 右上\n"
                           "repeat 12 20 event 2 6 シュートミス 右サイド 右外\n";
  WindowOperator op(*windows, clockSeconds);
  runMatchScript(op, script);
  ASSERT_TRUE(restart());
  ASSERT_TRUE(matchWindow()->isVisible());
  settle();
  for (TeamId team : kBothTeams) {
    QTableView* view = log(team);
    const QRect next = view->visualRect(view->currentIndex());
    ASSERT_EQ(view->currentIndex().row(), 12) << teamNumber(team);  // below the first screenful
    EXPECT_TRUE(view->viewport()->rect().contains(next)) << teamNumber(team);
  }
}

TEST_F(KeptMatch, TheEventBeingEnteredComesBackAtItsStageWithItsWindows) {
  typeRoster(1, 3, "9");
  startMatch();
  advance(75);
  matchWindow()->tick();
  pickAndAct(TeamId::One, 2, 1);  // a goal: the court dialog waits for the place
  ASSERT_TRUE(court()->isVisible());

  ASSERT_TRUE(restart());
  EXPECT_EQ(match().entry().stage, Stage::ActionChosen);
  EXPECT_TRUE(court()->isVisible());
  EXPECT_TRUE(matchWindow()->isVisible());
  click(location(3));
  click(zone(5));
  EXPECT_FALSE(court()->isVisible());
  EXPECT_EQ(logRow(TeamId::One, 1).substr(0, logRow(TeamId::One, 1).find('|')), "01：15");
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");
}

TEST_F(KeptMatch, MendsAndTheirUndoAreKeptLikeEveryOtherStep) {
  startMatch();
  recordShot(TeamId::One, 1, 1, 2, 4);
  recordShot(TeamId::One, 2, 2, 3, 6);
  matchWindow()->logEdits->remove(TeamId::One, 0);
  ASSERT_EQ(match().events().size(), 1u);
  MatchState before = match().state();
  ASSERT_TRUE(restart());
  EXPECT_TRUE(match().state() == before);
  EXPECT_NE(logRow(TeamId::One, 1).find("シュートミス"), std::string::npos)
      << logRow(TeamId::One, 1);

  // Undone after the restart: the history came back with the match.
  matchWindow()->logEdits->undo();
  ASSERT_EQ(match().events().size(), 2u);
  before = match().state();
  ASSERT_TRUE(restart());
  EXPECT_TRUE(match().state() == before);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");
}

TEST_F(KeptMatch, ARunningClockRunsOnWhileTheProgramIsDownAndAPausedOneStaysPaused) {
  startMatch();
  advance(100);
  matchWindow()->tick();
  advance(50);  // the match goes on while the program is down
  ASSERT_TRUE(restart());
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "02:30");
  EXPECT_TRUE(match().clock().ticking());

  click(matchWindow()->ui.pauseButton);
  advance(40);
  ASSERT_TRUE(restart());
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "02:30");
  EXPECT_FALSE(match().clock().ticking());
}

TEST_F(KeptMatch, NoStartsANewMatchAndTheOldOneIsOfferedAgainLater) {
  typeRoster(2, 1, "山田");
  ASSERT_EQ(dataFiles().size(), 1u);
  boxes.answerNext(QMessageBox::No);
  ASSERT_TRUE(restart());
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(match().team(TeamId::One).lines[0].name, "");
  EXPECT_EQ(dataFiles().size(), 1u);  // kept where it was

  // The new match has done nothing: the old one is still the one offered.
  ASSERT_TRUE(restart());
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(match().team(TeamId::One).lines[0].name, "山田");
}

TEST_F(KeptMatch, TheCloseBoxEndsTheMatchAndAStartWithoutStepsLeavesNothing) {
  startMatch();
  recordShot(TeamId::One, 1, 1, 2, 4);
  boxes.answerNext(QMessageBox::Yes);  // close without saving
  teamSheet()->close();
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(dataFiles(), std::set<std::string>{"ended"});
  EXPECT_EQ(folder.entries(data / "ended").size(), 1u);

  ASSERT_TRUE(restart());
  waitForSplash();  // a step of the screen alone
  teamSheet()->close();
  ASSERT_TRUE(restart());
  EXPECT_EQ(questions.size(), 1u);  // only the close box's question, once
  EXPECT_EQ(dataFiles(), std::set<std::string>{"ended"});
}

TEST_F(KeptMatch, TheCopyBesideTheTablesOpensAgainAndIsNoOtherMatchsFile) {
  WindowOperator op(*windows, clockSeconds);
  runMatchScript(op, testDataPath("shot_example.match"));
  ASSERT_TRUE(match().clock().ticking());
  click(teamSheet()->ui.saveButton);
  const MatchState saved = match().state();
  const std::string clockThen = text(matchWindow()->ui.clockPanel);
  ASSERT_TRUE(fs::exists("ファイル名.hbmatch"));
  teamSheet()->close();  // saved: nothing to ask

  advance(3600);  // opened an hour later
  ASSERT_TRUE(restart(fs::path("ファイル名.hbmatch")));
  EXPECT_TRUE(questions.empty());  // opening a file asks nothing
  EXPECT_EQ(match().events(), saved.events);
  // The clock stands where it stood at the save, paused.
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), clockThen);
  EXPECT_FALSE(match().clock().ticking());
  EXPECT_EQ(match().team(TeamId::Two).name, saved.teams[1].name);
  // Its own files, the copy included, are replaced without asking.
  click(teamSheet()->ui.saveButton);
  EXPECT_TRUE(questions.empty());
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("shot_example", "ファイル名");

  // Another match saved under the same name asks first, naming the copy.
  teamSheet()->close();
  ASSERT_TRUE(restart());
  EXPECT_TRUE(questions.empty());  // both ended through the close box
  teamSheet()->ui.fileNameEdit->setText("ファイル名");
  click(teamSheet()->ui.saveButton);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_NE(questions[0].find("ファイル名.hbmatch"), std::string::npos) << questions[0];
}

TEST_F(KeptMatch, ADroppedMatchFileOpensOnlyAfterAskingAndNotWhileInUse) {
  WindowOperator op(*windows, clockSeconds);
  runMatchScript(op, testDataPath("shot_example.match"));
  click(teamSheet()->ui.saveButton);
  const std::vector<Event> savedEvents = match().events();
  teamSheet()->close();
  ASSERT_TRUE(restart());
  startMatch();
  recordShot(TeamId::Two, 1, 1, 5, 5);  // an unsaved step of a new match

  auto drop = [this] {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(
        QString::fromStdString((folder.path() / "ファイル名.hbmatch").string()))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(teamSheet(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(teamSheet(), &drop);
    settle();
  };
  const size_t asked = questions.size();
  drop();  // No, the default
  ASSERT_EQ(questions.size(), asked + 1);
  EXPECT_EQ(match().events().size(), 1u);

  {
    // Another copy of the program holds the file.
    MatchFile held = MatchFile::open(folder.path() / "ファイル名.hbmatch");
    boxes.answerNext(QMessageBox::Yes);
    drop();
    ASSERT_EQ(errorBoxes.size(), 1u);
    EXPECT_NE(errorBoxes[0].find("使用中"), std::string::npos) << errorBoxes[0];
    EXPECT_EQ(match().events().size(), 1u);
    // Named on the command line, it opens nothing and the program ends.
    EXPECT_FALSE(restart(folder.path() / "ファイル名.hbmatch"));
    EXPECT_EQ(errorBoxes.size(), 2u);
  }

  ASSERT_TRUE(restart());
  boxes.answerNext(QMessageBox::Yes);
  drop();
  EXPECT_EQ(match().events(), savedEvents);
  EXPECT_TRUE(teamSheet()->isVisible());
  // The match left behind is among the ended ones, not lost.
  EXPECT_EQ(folder.entries(data / "ended").size(), 2u);
}

TEST_F(KeptMatch, ASecondCopyOnTheSameDataFolderIsToldWhichMatchTheFirstIsRecording) {
  WindowOperator op(*windows, clockSeconds);
  runMatchScript(op, testDataPath("shot_example.match"));
  ASSERT_FALSE(match().team(TeamId::One).name.empty());
  ASSERT_TRUE(windows->safekeeping()->file());
  const StoredMatch kept = MatchFile::peek(*windows->safekeeping()->file());
  const std::string lastStep =
      localTime(std::chrono::system_clock::time_point(std::chrono::milliseconds(kept.lastStepMs)),
                "%Y-%m-%d %H:%M:%S");
  const size_t told = errorBoxes.size();

  // A second copy starts while this one records on: told before it begins
  // a match of its own.
  std::ostringstream errors;
  EXPECT_FALSE(askToRestore(data, errors));
  EXPECT_TRUE(questions.empty());
  ASSERT_EQ(errorBoxes.size(), told + 1);
  for (const std::string& part : {std::string("使用中"), match().team(TeamId::One).name,
                                  match().team(TeamId::Two).name, lastStep})
    EXPECT_NE(errorBoxes.back().find(part), std::string::npos) << part << ": " << errorBoxes.back();
}

TEST_F(KeptMatch, AFolderThatCannotTakeTheFileIsToldOnceAndTheMatchGoesOn) {
  fs::create_directories(data);
  fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec);
  startMatch();
  recordShot(TeamId::One, 1, 1, 2, 4);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_NE(errorBoxes[0].find("安全に保存できません"), std::string::npos) << errorBoxes[0];
  recordShot(TeamId::Two, 1, 2, 3, 6);  // no second box while it keeps failing
  EXPECT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(match().events().size(), 2u);
  EXPECT_EQ(text(matchWindow()->ui.teamOneScorePanel), "1");

  // Once the folder takes files again, the next step keeps everything.
  fs::permissions(data, fs::perms::owner_all);
  recordShot(TeamId::One, 2, 1, 4, 2);
  EXPECT_EQ(errorBoxes.size(), 1u);
  const MatchState before = match().state();
  ASSERT_TRUE(restart());
  EXPECT_TRUE(match().state() == before);
}

TEST_F(KeptMatch, AFileThatCannotBeReadIsNotOfferedNorTouched) {
  fs::create_directories(data);
  {
    std::ofstream junk(data / "2026-01-01_10-00-00.hbmatch");
    junk << "not a match";
  }
  ASSERT_TRUE(restart());
  EXPECT_TRUE(questions.empty());
  EXPECT_NE(unreadable.find("2026-01-01_10-00-00.hbmatch"), std::string::npos) << unreadable;
  EXPECT_EQ(fs::file_size(data / "2026-01-01_10-00-00.hbmatch"), 11u);
}

}  // namespace
