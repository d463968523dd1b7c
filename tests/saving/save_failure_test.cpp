// "データ保存" when a file cannot be written: the message the error box
// shows, which older files are kept (a failure in the three tables keeps
// all three; one in the workbook or the report keeps the tables written
// before it), what counts as this match's afterwards, and that no
// temporary file is left behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "expected_files.h"
#include "file_compare.h"
#include "file_faults.h"
#include "match_save.h"
#include "match_script.h"
#include "report.h"
#include "save_analysis.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "workbook.h"

namespace {

namespace fs = std::filesystem;

const std::string kShot = "ファイル名-shot-.xls";
const std::string kTable = "ファイル名-table-.xls";
const std::string kList = "ファイル名.xls";
const std::string kWorkbook = "ファイル名.xlsx";
const std::string kReport = "ファイル名.pdf";
const std::set<std::string> kFiveFiles = {kShot, kTable, kList, kWorkbook, kReport};
const std::string kInvalidName = "不正なファイル名です";
const std::string kAccessDenied = "ファイルへのアクセスが拒否されました";
const std::string kDiskFull = "ディスクの空きが足りません";
// Line writes of the shot file and of each of the other two tables.
constexpr int kShotLines = 401;
constexpr int kLogLines = 201;

std::string named(const std::string& message, const std::string& file) {
  return message + " (" + file + ")";
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool startsWith(const std::string& bytes, const std::string& head) {
  return bytes.rfind(head, 0) == 0;
}

// Limits the size of any file this process writes, as a full disk would,
// for as long as it lives; writing past it fails with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit before_{};
  void (*previous_)(int) = nullptr;
};

class FailedSave : public ::testing::Test {
 protected:
  void SetUp() override {
    playMatchScript(scripted.screen, testDataPath("shot_example.match"));
    save.askOverwrite = [this](const std::string& question) {
      questions.push_back(question);
      return answer;
    };
    save.copyMatch = [this] { ++copies; };
    save.faults = &faults;
  }

  // The SaveError of a whole save that is expected to fail.
  SaveError failedSave() {
    try {
      save.run(m);
    } catch (const SaveError& error) {
      return error;
    }
    ADD_FAILURE() << "the save did not fail";
    return SaveError(0, "");
  }

  // Older files of all three tables' names, as a previous save of another
  // match would have left them.
  void writeOlderTables() {
    writeFile(kShot, "older shot");
    writeFile(kTable, "older table");
    writeFile(kList, "older list");
  }
  void expectOlderTables() {
    EXPECT_EQ(readFileBytes(kShot), "older shot");
    EXPECT_EQ(readFileBytes(kTable), "older table");
    EXPECT_EQ(readFileBytes(kList), "older list");
  }

  ScratchFolder folder;
  ScriptedMatch scripted;
  Match& m = scripted.match;
  FileFaults faults;
  MatchSave save;
  std::vector<std::string> questions;
  bool answer = true;
  int copies = 0;
};

TEST_F(FailedSave, MissingFolderIsNamedAndNothingIsWritten) {
  m.fileStem = "no-such-folder/試合";
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOENT);
  EXPECT_EQ(std::string(error.what()), "フォルダがありません (no-such-folder)");
  m.fileStem = "a/b/試合";
  EXPECT_EQ(std::string(failedSave().what()), "フォルダがありません (a/b)");
  EXPECT_TRUE(folder.entries().empty());
  EXPECT_EQ(copies, 0);
  EXPECT_TRUE(m.unsaved());
}

TEST_F(FailedSave, ANameTooLongForTheSystemIsSaidSo) {
  m.fileStem = std::string(300, 'x');
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENAMETOOLONG);
  EXPECT_EQ(std::string(error.what()), "ファイル名が長すぎます");
  EXPECT_TRUE(folder.entries().empty());
}

TEST_F(FailedSave, AReadOnlyListFileKeepsAllThreeOlderFilesAndNoneIsThisMatchs) {
  writeOlderTables();
  fs::permissions(kList, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(std::string(failedSave().what()), named(kAccessDenied, kList));
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "ファイル " + kShot + "、" + kTable + "、" + kList +
                              " が既にあります。上書きしますか?");
  expectOlderTables();
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));
  EXPECT_EQ(foreignTargets(m).size(), 3u);
  EXPECT_TRUE(m.unsaved());
}

TEST_F(FailedSave, ReadOnlyFoldersGetNoFileAndKeepTheirOlderAnalysisFiles) {
  fs::create_directory("kept");
  writeFile("kept/試合.xlsx", "older workbook");
  writeFile("kept/試合.pdf", "older report");
  fs::permissions("kept", fs::perms::owner_read | fs::perms::owner_exec);
  m.fileStem = "kept/試合";
  EXPECT_EQ(std::string(failedSave().what()), named(kAccessDenied, "kept/試合-shot-.xls"));
  // The workbook library writes its temporary file by name: refused alike.
  try {
    saveAnalysisFiles(m, &faults);
    ADD_FAILURE() << "the analysis files were written";
  } catch (const SaveError& error) {
    EXPECT_EQ(std::string(error.what()), named(kAccessDenied, "kept/試合.xlsx"));
  }
  EXPECT_EQ(readFileBytes("kept/試合.xlsx"), "older workbook");
  EXPECT_EQ(readFileBytes("kept/試合.pdf"), "older report");
  EXPECT_EQ(folder.entries("kept"), (std::set<std::string>{"試合.xlsx", "試合.pdf"}));
}

TEST_F(FailedSave, AFolderInPlaceOfTheListFileStopsTheSaveBeforeAnyFileIsReplaced) {
  writeFile(kShot, "older shot");
  fs::create_directory(kList);
  writeFile(fs::path(kList) / "inside", "kept");
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), EISDIR);
  EXPECT_EQ(std::string(error.what()), named(kAccessDenied, kList));
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kList}));  // no temporary file
  EXPECT_EQ(readFileBytes(fs::path(kList) / "inside"), "kept");
}

// A file of another user in a folder anyone may write: the system would let
// the save rename its own file over it, so the save must refuse by itself.
TEST_F(FailedSave, AnotherUsersFileInASharedFolderIsNotReplaced) {
  if (geteuid() != 0)
    GTEST_SKIP() << "needs root to lay out another user's file; run as root to check this";
  fs::create_directory("shared");
  fs::permissions("shared", fs::perms::all);
  fs::permissions(folder.path(), fs::perms::others_exec, fs::perm_options::add);
  writeFile("shared/x.xls", "someone else's");
  fs::permissions("shared/x.xls", fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read | fs::perms::others_read);
  m.fileStem = (folder.path() / "shared/x").string();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // As an ordinary user ("nobody"), whose rights the system checks.
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
    try {
      saveMatch(m);
    } catch (const SaveError& error) {
      _exit(std::string(error.what()).starts_with(kAccessDenied) ? 0 : 2);
    }
    _exit(1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: saved over the file, 2: another error, 3: no uid";
  EXPECT_TRUE(readFileBytes("shared/x.xls") == "someone else's") << "the file was replaced";
  EXPECT_EQ(folder.entries("shared"), std::set<std::string>{"x.xls"});
}

// Early and late in the shot file, in the table file, in the list file.
TEST_F(FailedSave, AFullDiskInAnyTableKeepsAllThreeOlderFilesAndTheNextSaveWritesThem) {
  writeOlderTables();
  for (int nth :
       {1, 5, 150, kShotLines + 30, kShotLines + kLogLines + 5, kShotLines + kLogLines + 7}) {
    faults.inject(FileOp::Write, nth, ENOSPC);
    const SaveError error = failedSave();
    EXPECT_EQ(error.error(), ENOSPC);
    const std::string& failed = nth <= kShotLines               ? kShot
                                : nth <= kShotLines + kLogLines ? kTable
                                                                : kList;
    EXPECT_EQ(std::string(error.what()), named(kDiskFull, failed)) << "write " << nth;
    expectOlderTables();
    EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));
  }
  EXPECT_EQ(copies, 0);

  save.run(m);
  expectFilesOf("shot_example", "ファイル名");
  EXPECT_EQ(folder.entries(), kFiveFiles);
  EXPECT_FALSE(m.unsaved());
  EXPECT_EQ(copies, 1);
}

TEST_F(FailedSave, FailedCloseKeepsTheOlderFile) {
  writeOlderTables();
  faults.inject(FileOp::Close, 1, EIO);
  EXPECT_EQ(std::string(failedSave().what()), named("I/O エラー (5)", kShot));
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));
}

TEST_F(FailedSave, MessageChosenByTheCause) {
  const std::pair<int, std::string> causes[] = {
      {ENOENT, kInvalidName},
      {ENOTDIR, kInvalidName},
      {EMFILE, "オープンしたファイルが多すぎます"},
      {ENFILE, "オープンしたファイルが多すぎます"},
      {EACCES, kAccessDenied},
      {EPERM, kAccessDenied},
      {EROFS, kAccessDenied},
      {EISDIR, kAccessDenied},
      {ENOSPC, kDiskFull},
      {EDQUOT, kDiskFull},
      {EIO, "I/O エラー (5)"},
  };
  for (const auto& [cause, message] : causes) {
    faults.inject(FileOp::Open, 1, cause);
    const SaveError error = failedSave();
    EXPECT_EQ(error.error(), cause);
    EXPECT_EQ(std::string(error.what()), named(message, kShot)) << "errno " << cause;
  }
  EXPECT_TRUE(folder.entries().empty());
}

// The workbook fails after the three tables replaced theirs: the tables
// stay written and count as saved; both older analysis files stay.
TEST_F(FailedSave, AFullDiskInTheWorkbookKeepsTheTablesAndBothOlderAnalysisFiles) {
  writeFile(kWorkbook, "older workbook");
  writeFile(kReport, "older report");
  faults.inject(FileOp::Close, 3 + 1, ENOSPC);  // the tables' three closes, then the workbook
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOSPC);
  EXPECT_EQ(std::string(error.what()), named(kDiskFull, kWorkbook));
  EXPECT_EQ(readFileBytes(kWorkbook), "older workbook");
  EXPECT_EQ(readFileBytes(kReport), "older report");
  expectFilesOf("shot_example", "ファイル名");
  EXPECT_EQ(folder.entries(), kFiveFiles);
  EXPECT_FALSE(m.unsaved());
  EXPECT_EQ(copies, 1);  // the copy is written all the same

  save.run(m);
  EXPECT_TRUE(startsWith(readFileBytes(kWorkbook), "PK"));
  EXPECT_TRUE(startsWith(readFileBytes(kReport), "%PDF"));
}

// The report fails last: the workbook finished before it is this match's,
// so the next save asks only about the report.
TEST_F(FailedSave, AFailedReportKeepsItsOlderFileAndTheWorkbookCountsAsThisMatchs) {
  writeFile(kReport, "older report");
  faults.inject(FileOp::Write, kShotLines + 2 * kLogLines + 1, ENOSPC);
  EXPECT_EQ(std::string(failedSave().what()), named(kDiskFull, kReport));
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "ファイル " + kReport + " が既にあります。上書きしますか?");
  expectFilesOf("shot_example", "ファイル名");
  EXPECT_TRUE(startsWith(readFileBytes(kWorkbook), "PK"));
  EXPECT_EQ(readFileBytes(kReport), "older report");
  EXPECT_EQ(folder.entries(), kFiveFiles);
  EXPECT_FALSE(m.unsaved());

  fs::permissions(kReport, fs::perms::owner_read);
  EXPECT_EQ(std::string(failedSave().what()), named(kAccessDenied, kReport));
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[1], questions[0]);
  fs::permissions(kReport, fs::perms::owner_read | fs::perms::owner_write);
  save.run(m);
  EXPECT_TRUE(startsWith(readFileBytes(kReport), "%PDF"));
  save.run(m);  // all five are this match's now
  EXPECT_EQ(questions.size(), 3u);
}

TEST_F(FailedSave, AReadOnlyWorkbookStopsBeforeTheReport) {
  writeFile(kWorkbook, "older workbook");
  writeFile(kReport, "older report");
  fs::permissions(kWorkbook, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(std::string(failedSave().what()), named(kAccessDenied, kWorkbook));
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0],
            "ファイル " + kWorkbook + "、" + kReport + " が既にあります。上書きしますか?");
  expectFilesOf("shot_example", "ファイル名");
  EXPECT_EQ(readFileBytes(kWorkbook), "older workbook");
  EXPECT_EQ(readFileBytes(kReport), "older report");
}

// いいえ writes nothing at all; a file another program puts in place of
// one of this match's is asked about again.
TEST_F(FailedSave, DecliningTheOverwriteQuestionWritesNothing) {
  writeFile(kReport, "another match's report");
  answer = false;
  EXPECT_FALSE(save.run(m));
  EXPECT_EQ(folder.entries(), std::set<std::string>{kReport});
  EXPECT_EQ(readFileBytes(kReport), "another match's report");
  EXPECT_EQ(copies, 0);
  EXPECT_TRUE(m.unsaved());

  answer = true;
  EXPECT_TRUE(save.run(m));
  EXPECT_EQ(folder.entries(), kFiveFiles);
  writeFile("other.xlsx", "someone else's workbook");
  fs::rename("other.xlsx", kWorkbook);
  answer = false;
  EXPECT_FALSE(save.run(m));
  ASSERT_EQ(questions.size(), 3u);
  EXPECT_EQ(questions[2], "ファイル " + kWorkbook + " が既にあります。上書きしますか?");
  EXPECT_EQ(readFileBytes(kWorkbook), "someone else's workbook");
}

// The libraries' own writes failing, not an injected fault: the workbook
// library writes the temporary file itself.
TEST_F(FailedSave, AnalysisWritesCutShortNeverReplaceAnOlderFile) {
  writeFile(kWorkbook, "older workbook");
  writeFile(kReport, "older report");
  {
    FileSizeLimit limit(2000);
    EXPECT_THROW(writeWorkbook(m, kWorkbook), SaveError);
    EXPECT_THROW(writeReport(m, kReport), SaveError);
  }
  EXPECT_EQ(readFileBytes(kWorkbook), "older workbook");
  EXPECT_EQ(readFileBytes(kReport), "older report");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kWorkbook, kReport}));
}

}  // namespace
