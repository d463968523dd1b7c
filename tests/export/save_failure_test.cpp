// A save that cannot write: the message in the error box, which files are
// kept, and that no older file and no temporary file is left damaged.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    return SaveError(0);
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

TEST_F(FailedSave, MissingFolderWritesNothing) {
  m.fileStem = "no-such-folder/試合";
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOENT);
  EXPECT_EQ(std::string(error.what()), kInvalidName);
  EXPECT_TRUE(folder.entries().empty());
}

TEST_F(FailedSave, ReadOnlyTargetStaysUntouched) {
  writeFile(kShot, "older shot");
  fs::permissions(kShot, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(std::string(failedSave().what()), kAccessDenied);
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(folder.entries(), std::set<std::string>{kShot});
}

TEST_F(FailedSave, ReadOnlyFolderGetsNoFile) {
  fs::create_directory("kept");
  fs::permissions("kept", fs::perms::owner_read | fs::perms::owner_exec);
  m.fileStem = "kept/試合";
  EXPECT_EQ(std::string(failedSave().what()), kAccessDenied);
  EXPECT_TRUE(folder.entries("kept").empty());
}

TEST_F(FailedSave, FolderOfTheTableFileNameStopsTheSaveAfterTheShotFile) {
  fs::create_directory(kTable);
  writeFile(fs::path(kTable) / "inside", "kept");
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), EISDIR);
  EXPECT_EQ(std::string(error.what()), kAccessDenied);

  // The shot file was finished before; the list file was never started.
  EXPECT_TRUE(sameBytes(readFileBytes(kShot), readTestData("expected/shot_example.shot.xls")));
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable}));
  EXPECT_EQ(readFileBytes(fs::path(kTable) / "inside"), "kept");
}

TEST_F(FailedSave, FullDiskKeepsTheOlderFileAndASecondSaveSucceeds) {
  writeOlderFiles();
  faults.inject(FileOp::Write, 5, ENOSPC);
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOSPC);
  EXPECT_EQ(std::string(error.what()), "I/O エラー (28)");
  EXPECT_EQ(readFileBytes(kShot), "older shot");
  EXPECT_EQ(readFileBytes(kTable), "older table");
  EXPECT_EQ(readFileBytes(kList), "older list");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));

  saveMatch(m, &faults);
  EXPECT_TRUE(sameBytes(readFileBytes(kShot), readTestData("expected/shot_example.shot.xls")));
  EXPECT_TRUE(sameBytes(readFileBytes(kList), readTestData("expected/shot_example.list.xls")));
}

TEST_F(FailedSave, FailureInTheListFileKeepsTheFilesWrittenBefore) {
  writeOlderFiles();
  // The shot file takes 401 line writes and the table file 201.
  faults.inject(FileOp::Write, 401 + 201 + 7, ENOSPC);
  failedSave();
  EXPECT_TRUE(sameBytes(readFileBytes(kShot), readTestData("expected/shot_example.shot.xls")));
  EXPECT_TRUE(sameBytes(readFileBytes(kTable), readTestData("expected/shot_example.table.xls")));
  EXPECT_EQ(readFileBytes(kList), "older list");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kShot, kTable, kList}));
}

TEST_F(FailedSave, FailedCloseKeepsTheOlderFile) {
  writeOlderFiles();
  faults.inject(FileOp::Close, 1, EIO);
  EXPECT_EQ(std::string(failedSave().what()), "I/O エラー (5)");
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
      {ENAMETOOLONG, "I/O エラー (36)"},
  };
  for (const auto& [cause, message] : causes) {
    faults.inject(FileOp::Open, 1, cause);
    const SaveError error = failedSave();
    EXPECT_EQ(error.error(), cause);
    EXPECT_EQ(std::string(error.what()), message) << "errno " << cause;
  }
  EXPECT_TRUE(folder.entries().empty());
}

}  // namespace
