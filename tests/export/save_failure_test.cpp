// A save that cannot write: the message in the error box, which files are
// kept, and that no older file and no temporary file is left damaged.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "file_compare.h"
#include "file_faults.h"
#include "match_script.h"
#include "save_match.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kShot = "ファイル名-shot-.xls";
const std::string kTable = "ファイル名-table-.xls";
const std::string kList = "ファイル名.xls";
const std::string kInvalidName = "不正なファイル名です";
const std::string kAccessDenied = "ファイルへのアクセスが拒否されました";

std::string named(const std::string& message, const std::string& file) {
  return message + " (" + file + ")";
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class FailedSave : public ::testing::Test {
 protected:
  void SetUp() override { playMatchScript(scripted.screen, testDataPath("shot_example.match")); }

  // The SaveError of a save that is expected to fail.
  SaveError failedSave() {
    try {
      saveMatch(m, &faults);
    } catch (const SaveError& error) {
      return error;
    }
    ADD_FAILURE() << "the save did not fail";
    return SaveError(0, "");
  }

  // Older files of all three names, as a previous save would have left them.
  void writeOlderFiles() {
    writeFile(kShot, "older shot");
    writeFile(kTable, "older table");
    writeFile(kList, "older list");
  }

  ScratchFolder folder;
  ScriptedMatch scripted;
  Match& m = scripted.match;
  FileFaults faults;
};

TEST_F(FailedSave, MissingFolderIsNamedAndNothingIsWritten) {
  m.fileStem = "no-such-folder/試合";
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOENT);
  EXPECT_EQ(std::string(error.what()), "フォルダがありません (no-such-folder)");
  m.fileStem = "a/b/試合";
  EXPECT_EQ(std::string(failedSave().what()), "フォルダがありません (a/b)");
  EXPECT_TRUE(folder.entries().empty());
}

TEST_F(FailedSave, ANameTooLongForTheSystemIsSaidSo) {
  m.fileStem = std::string(300, 'x');
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENAMETOOLONG);
  EXPECT_EQ(std::string(error.what()), "ファイル名が長すぎます");
  EXPECT_TRUE(folder.entries().empty());
}

TEST_F(FailedSave, AReadOnlyListFileKeepsAllThreeOlderFiles) {
  writeOlderFiles();
  fs::permissions(kList, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(std::string(failedSave().what()), named(kAccessDenied, kList));
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(readFileBytes(kTable), "older table");
  EXPECT_EQ(readFileBytes(kList), "older list");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));
}

TEST_F(FailedSave, ReadOnlyFolderGetsNoFile) {
  fs::create_directory("kept");
  fs::permissions("kept", fs::perms::owner_read | fs::perms::owner_exec);
  m.fileStem = "kept/試合";
  EXPECT_EQ(std::string(failedSave().what()), named(kAccessDenied, "kept/試合-shot-.xls"));
  EXPECT_TRUE(folder.entries("kept").empty());
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

TEST_F(FailedSave, FullDiskKeepsTheOlderFileAndASecondSaveSucceeds) {
  writeOlderFiles();
  faults.inject(FileOp::Write, 5, ENOSPC);
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOSPC);
  EXPECT_EQ(std::string(error.what()), named("I/O エラー (28)", kShot));
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(readFileBytes(kTable), "older table");
  EXPECT_EQ(readFileBytes(kList), "older list");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));

  saveMatch(m, &faults);
  EXPECT_TRUE(sameBytes(readFileBytes(kShot), readTestData("expected/shot_example.shot.xls")));
  EXPECT_TRUE(sameBytes(readFileBytes(kList), readTestData("expected/shot_example.list.xls")));
}

TEST_F(FailedSave, AFullDiskAtTheListFileKeepsAllThreeOlderFiles) {
  writeOlderFiles();
  // The shot file takes 401 line writes and the table file 201.
  faults.inject(FileOp::Write, 401 + 201 + 7, ENOSPC);
  EXPECT_EQ(std::string(failedSave().what()), named("I/O エラー (28)", kList));
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(readFileBytes(kTable), "older table");
  EXPECT_EQ(readFileBytes(kList), "older list");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));
}

TEST_F(FailedSave, FailedCloseKeepsTheOlderFile) {
  writeOlderFiles();
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
      {ENOSPC, "I/O エラー (28)"},
  };
  for (const auto& [cause, message] : causes) {
    faults.inject(FileOp::Open, 1, cause);
    const SaveError error = failedSave();
    EXPECT_EQ(error.error(), cause);
    EXPECT_EQ(std::string(error.what()), named(message, kShot)) << "errno " << cause;
  }
  EXPECT_TRUE(folder.entries().empty());
}

}  // namespace
