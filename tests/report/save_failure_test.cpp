// The workbook and the report of a save that cannot write: the older files
// stay as they were, no temporary file is left, and the three tables
// written before are kept.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>

#include "expected_files.h"
#include "file_faults.h"
#include "match_script.h"
#include "report.h"
#include "save_analysis.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "workbook.h"

namespace {

namespace fs = std::filesystem;

const std::string kWorkbook = "ファイル名.xlsx";
const std::string kReport = "ファイル名.pdf";
const std::string kAccessDenied = "ファイルへのアクセスが拒否されました";

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

class FailedExtraSave : public ::testing::Test {
 protected:
  void SetUp() override {
    playMatchScript(scripted.screen, testDataPath("shot_example.match"));
    writeFile(kWorkbook, "older workbook");
    writeFile(kReport, "older report");
  }

  SaveError failedSave() {
    try {
      saveAnalysisFiles(m, &faults);
    } catch (const SaveError& error) {
      return error;
    }
    ADD_FAILURE() << "the save did not fail";
    return SaveError(0, "");
  }

  void expectOlderFiles() {
    EXPECT_EQ(readFileBytes(kWorkbook), "older workbook");
    EXPECT_EQ(readFileBytes(kReport), "older report");
  }

  ScratchFolder folder;
  ScriptedMatch scripted;
  Match& m = scripted.match;
  FileFaults faults;
};

TEST_F(FailedExtraSave, ReadOnlyFolderKeepsTheOlderFiles) {
  fs::create_directory("kept");
  writeFile("kept/試合.xlsx", "older workbook");
  writeFile("kept/試合.pdf", "older report");
  fs::permissions("kept", fs::perms::owner_read | fs::perms::owner_exec);
  m.fileStem = "kept/試合";
  EXPECT_EQ(std::string(failedSave().what()), kAccessDenied + " (kept/試合.xlsx)");
  EXPECT_EQ(readFileBytes("kept/試合.xlsx"), "older workbook");
  EXPECT_EQ(readFileBytes("kept/試合.pdf"), "older report");
  EXPECT_EQ(folder.entries("kept"), (std::set<std::string>{"試合.xlsx", "試合.pdf"}));
}

TEST_F(FailedExtraSave, ReadOnlyWorkbookStopsBeforeTheReport) {
  fs::permissions(kWorkbook, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(std::string(failedSave().what()), kAccessDenied + " (" + kWorkbook + ")");
  expectOlderFiles();
}

TEST_F(FailedExtraSave, FullDiskInTheWorkbookKeepsBothAndTheTablesBefore) {
  saveMatch(m, &faults);
  faults.inject(FileOp::Close, 1, ENOSPC);
  const SaveError error = failedSave();
  EXPECT_EQ(error.error(), ENOSPC);
  EXPECT_EQ(std::string(error.what()), "I/O エラー (28) (" + kWorkbook + ")");
  expectOlderFiles();
  expectFilesOf("shot_example", "ファイル名");
  EXPECT_EQ(folder.entries().size(), 5u);  // three tables, two older files

  saveAnalysisFiles(m, &faults);
  EXPECT_TRUE(startsWith(readFileBytes(kWorkbook), "PK"));
  EXPECT_TRUE(startsWith(readFileBytes(kReport), "%PDF"));
}

TEST_F(FailedExtraSave, FullDiskInTheReportKeepsTheOlderReport) {
  faults.inject(FileOp::Write, 1, ENOSPC);
  EXPECT_EQ(failedSave().error(), ENOSPC);
  EXPECT_TRUE(startsWith(readFileBytes(kWorkbook), "PK"));  // finished before
  EXPECT_EQ(readFileBytes(kReport), "older report");
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kWorkbook, kReport}));
}

// The libraries' own writes failing, not an injected fault: the workbook
// library writes the temporary file itself.
TEST_F(FailedExtraSave, WritesCutShortNeverReplaceAnOlderFile) {
  {
    FileSizeLimit limit(2000);
    EXPECT_THROW(writeWorkbook(m, kWorkbook), SaveError);
    EXPECT_THROW(writeReport(m, kReport), SaveError);
  }
  expectOlderFiles();
  EXPECT_EQ(folder.entries(), (std::set<std::string>{kWorkbook, kReport}));
}

}  // namespace
