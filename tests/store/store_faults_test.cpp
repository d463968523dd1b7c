// A match file that cannot be kept as usual: held by another program, in a
// read-only folder, on a full disk. The step still stands, the error box is
// asked for once, nothing committed is lost, and keeping resumes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "expected_files.h"
#include "match_safekeeping.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "store_files.h"

namespace {

namespace fs = std::filesystem;

TEST(InUse, ASecondOpenerInThisProgramIsRefusedAndTheFirstKeepsGoing) {
  ScratchFolder folder;
  const StepPlan plan = planOf(testDataPath("full_match.match"), false);
  ScriptedMatch live;
  plan.attach(live.match);
  MatchFile first = MatchFile::create(folder.path());
  playSteps(plan, live.screen, 0, 30, &first);
  try {
    MatchFile::open(first.path());
    FAIL() << "opened twice";
  } catch (const StoreError& e) {
    EXPECT_EQ(e.problem(), StoreProblem::InUse);
    EXPECT_NE(std::string(e.what()).find("使用中"), std::string::npos);
  }
  playSteps(plan, live.screen, 30, plan.steps.size(), &first);
  const StoredMatch kept = first.load();
  EXPECT_TRUE(sameMatch(kept.match, kept.screen, live.match, live.screen));
}

TEST(InUse, AnotherProgramHoldingTheFileKeepsThisOneOutUntilItIsGone) {
  ScratchFolder folder;
  const fs::path path = leftMatch(folder.path(), 50);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    std::optional<MatchFile> held;
    try {
      held = MatchFile::open(path);
    } catch (...) {
      (void)!write(ready[1], "0", 1);
      _exit(1);
    }
    (void)!write(ready[1], "1", 1);
    pause();  // killed here, holding the file
    _exit(0);
  }
  struct Reaped {
    explicit Reaped(pid_t p) : pid(p) {}
    Reaped(const Reaped&) = delete;
    pid_t pid;
    ~Reaped() {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  };
  std::optional<Reaped> reaped(std::in_place, holder);
  char answer = 0;
  ASSERT_EQ(read(ready[0], &answer, 1), 1);
  ASSERT_EQ(answer, '1');
  ScriptedMatch m;
  EXPECT_THROW(MatchFile::open(path), StoreError);
  try {
    importFrom(path, folder.path() / "data", m.match, m.screen);
    FAIL() << "imported a file in use";
  } catch (const StoreError& e) {
    EXPECT_EQ(e.problem(), StoreProblem::InUse);
  }
  EXPECT_TRUE(m.match.events().empty());  // nothing was opened
  EXPECT_FALSE(fs::exists(folder.path() / "data"));
  reaped.reset();
  close(ready[0]);
  close(ready[1]);
  MatchFile again = MatchFile::open(path);
  restoreFrom(again, m.match, m.screen);
  EXPECT_FALSE(m.match.events().empty());
}

// Made read-only for this user, root included, while the test runs.
class ReadOnly {
 public:
  explicit ReadOnly(fs::path path) : path_(std::move(path)) { chmod(path_.c_str(), 0555); }
  ~ReadOnly() { chmod(path_.c_str(), 0755); }

 private:
  fs::path path_;
};

TEST(ReadOnlyFolder, TheStepsGoOnTheBoxComesOnceAndKeepingResumesWithEverything) {
  ScratchFolder folder;
  const fs::path data = folder.path() / "data";
  fs::create_directories(data);
  const StepPlan plan = planOf(testDataPath("full_match.match"), true);
  ScriptedMatch live;
  plan.attach(live.match);
  ScreenInFile screen(live.screen);
  MatchSafekeeping keeper(live.match, screen, data);
  std::vector<std::string> boxes;
  auto step = [&](size_t i) {
    plan.take(live.screen, i);
    if (auto box = keeper.keep()) boxes.push_back(*box);
  };
  {
    ReadOnly locked(data);
    for (size_t i = 0; i < 40; ++i) step(i);
    EXPECT_FALSE(keeper.safe());
    EXPECT_EQ(keeper.matchFile(), nullptr);
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("安全に保存できません"), std::string::npos);
  EXPECT_NE(boxes[0].find("書き込みが許可されていません"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find(data.string()), std::string::npos);
  EXPECT_TRUE(folder.entries(data).empty());

  for (size_t i = 40; i < plan.steps.size(); ++i) step(i);
  EXPECT_TRUE(keeper.safe());
  ASSERT_NE(keeper.matchFile(), nullptr);
  const StoredMatch kept = keeper.matchFile()->load();
  EXPECT_TRUE(sameMatch(kept.match, kept.screen, live.match, live.screen));

  // An existing match in a folder that became read-only is not opened.
  const fs::path path = keeper.matchFile()->path();
  EXPECT_FALSE(keeper.end());
  ReadOnly locked(data / kEndedFolder);
  try {
    MatchFile::open(data / kEndedFolder / path.filename());
    FAIL() << "opened in a read-only folder";
  } catch (const StoreError& e) {
    EXPECT_EQ(e.problem(), StoreProblem::CannotWrite);
  }
}

// The match file taken away while the match is recorded: its folder
// deleted, the file moved. The next step writes the whole match into a new
// file, without a box; only a folder that cannot be made again is told.
TEST(LostFile, TheNextStepKeepsTheWholeMatchInANewFileAndOnlyAFolderThatCannotBeMadeIsTold) {
  ScratchFolder folder;
  const fs::path data = folder.path() / "user" / "data";
  const StepPlan plan = planOf(testDataPath("full_match.match"), true);
  ScriptedMatch live;
  plan.attach(live.match);
  ScreenInFile screen(live.screen);
  MatchSafekeeping keeper(live.match, screen, data);
  std::vector<std::string> boxes;
  size_t i = 0;
  auto play = [&](size_t steps) {
    for (const size_t end = std::min(i + steps, plan.steps.size()); i < end; ++i) {
      plan.take(live.screen, i);
      if (auto box = keeper.keep()) boxes.push_back(*box);
    }
  };
  // What a program started now would find in the folder.
  auto keptOnDisk = [&](const fs::path& path) {
    const StoredMatch kept = MatchFile::peek(path);
    return sameMatch(kept.match, kept.screen, live.match, live.screen);
  };

  play(40);
  fs::remove_all(data);
  play(1);
  ASSERT_TRUE(keeper.file());
  EXPECT_TRUE(fs::exists(*keeper.file()));
  EXPECT_EQ(keeper.file()->parent_path(), data);
  EXPECT_TRUE(keptOnDisk(*keeper.file()));

  play(20);
  const fs::path before = *keeper.file();
  const fs::path moved = folder.path() / "moved.hbmatch";
  fs::rename(before, moved);
  play(1);
  EXPECT_NE(keeper.file(), moved);
  EXPECT_TRUE(fs::exists(*keeper.file()));
  EXPECT_TRUE(keptOnDisk(*keeper.file()));
  EXPECT_TRUE(boxes.empty()) << boxes[0];

  // A file where the folder was: no folder can be made there, root or not.
  fs::remove_all(data);
  std::ofstream(data) << "x";
  play(10);
  fs::remove(data);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("安全に保存できません"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find(data.string()), std::string::npos) << boxes[0];
  EXPECT_FALSE(keeper.safe());
  play(plan.steps.size());
  ASSERT_TRUE(keeper.safe());
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(keptOnDisk(*keeper.file()));
  const auto names = folder.entries(data);
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [](const std::string& n) { return n.ends_with(kMatchFileExtension); }),
            1);
}

// Every connection opened while a test runs gets a page limit, so that a
// growing file meets a full disk; the test can lift it again.
int gPageLimit = 0;
sqlite3* gLimited = nullptr;
int limitPages(sqlite3* db, char**, const struct sqlite3_api_routines*) {
  const std::string sql = "PRAGMA max_page_count = " + std::to_string(gPageLimit);
  sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
  gLimited = db;
  return SQLITE_OK;
}

TEST(FullDisk, NothingCommittedIsLostAndTheNextStepWritesWhatIsMissing) {
  ScratchFolder folder;
  const StepPlan plan = planOf(testDataPath("long_match.match"), false);
  ScriptedMatch live;
  plan.attach(live.match);
  gPageLimit = 12;  // a new file fits in 12 pages; the events soon outgrow them
  sqlite3_auto_extension(reinterpret_cast<void (*)()>(limitPages));
  struct Lifted {
    ~Lifted() { sqlite3_reset_auto_extension(); }
  } lifted;
  ScreenInFile screen(live.screen);
  MatchSafekeeping keeper(live.match, screen, folder.path());

  std::vector<std::string> boxes;
  std::optional<MatchState> lastKept;
  size_t i = 0;
  for (; i < plan.steps.size() && boxes.empty(); ++i) {
    plan.take(live.screen, i);
    if (auto box = keeper.keep())
      boxes.push_back(*box);
    else
      lastKept = live.match.state();
  }
  ASSERT_EQ(boxes.size(), 1u) << "the disk never filled";
  const std::string diskFull = "ディスクの空きが足りません (" + keeper.file()->string() + ")";
  EXPECT_NE(boxes[0].find(diskFull), std::string::npos) << boxes[0];
  ASSERT_TRUE(lastKept);
  // Twenty more steps on the full disk: no more boxes, the steps stand.
  for (const size_t end = i + 20; i < end; ++i) {
    plan.take(live.screen, i);
    EXPECT_FALSE(keeper.keep());
  }
  EXPECT_FALSE(keeper.safe());
  EXPECT_TRUE(keeper.matchFile()->load().match == *lastKept);

  sqlite3_exec(gLimited, "PRAGMA max_page_count = 1000000", nullptr, nullptr, nullptr);
  for (; i < plan.steps.size(); ++i) {
    plan.take(live.screen, i);
    EXPECT_FALSE(keeper.keep());
  }
  EXPECT_TRUE(keeper.safe());
  const StoredMatch kept = keeper.matchFile()->load();
  EXPECT_TRUE(sameMatch(kept.match, kept.screen, live.match, live.screen));
  saveMatch(live.match);
  expectFilesOf("long_match", live.match.fileStem);
}

}  // namespace
