// "データ保存" writes the workbook (.xlsx) and the report (.pdf) after the three
// tables. A failure of either is told in the error box once the three are
// safely written; the overwrite question covers the two files as well.
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "file_compare.h"
#include "file_faults.h"
#include "gui_test.h"
#include "match_script.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kAccessDenied = "ファイルへのアクセスが拒否されました";
const std::set<std::string> kFiveFiles = {"試合-shot-.xls", "試合-table-.xls", "試合.xls",
                                          "試合.xlsx", "試合.pdf"};

bool startsWith(const std::string& bytes, const std::string& head) {
  return bytes.rfind(head, 0) == 0;
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class AnalysisFilesSave : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    teamSheet()->setFileFaults(&faults);
    teamSheet()->ui.fileNameEdit->setText("試合");
  }

  void recordGoal(int slot) {
    click(person(1, slot));
    click(matchWindow()->ui.goalButton);
    click(location(7));
    click(zone(6));
  }
  void save() { click(teamSheet()->ui.saveButton); }

  // The three tables hold the match as it stands: team 1's goals in the
  // list file's totals line.
  void expectTablesWith(int goals) {
    EXPECT_EQ(lineCount(readFileBytes("試合-shot-.xls")), 401u);
    const std::string list = readFileBytes("試合.xls");
    ASSERT_EQ(lineCount(list), 201u);
    std::istringstream lines(list);
    std::string line;
    for (int i = 0; i <= 18; ++i) std::getline(lines, line);
    EXPECT_EQ(line.substr(0, line.find('\t', line.find('\t') + 1)),
              "Total\t" + std::to_string(goals));
  }

  FileFaults faults;
  ScratchFolder folder;
};

TEST_F(AnalysisFilesSave, TheWorkbookAndTheReportFollowTheThreeTables) {
  startMatch();
  recordGoal(4);
  save();
  EXPECT_TRUE(errorBoxes.empty());
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(folder.entries(), kFiveFiles);
  expectTablesWith(1);
  EXPECT_TRUE(startsWith(readFileBytes("試合.xlsx"), "PK"));
  EXPECT_TRUE(startsWith(readFileBytes("試合.pdf"), "%PDF"));
}

// The disk fills up at the report, the last file: the three tables and the
// workbook are written, the older report stays.
TEST_F(AnalysisFilesSave, AFullDiskAtTheReportKeepsTheOlderReportAndTheTablesWritten) {
  startMatch();
  save();
  const std::string olderReport = readFileBytes("試合.pdf");
  const std::string olderWorkbook = readFileBytes("試合.xlsx");
  recordGoal(4);
  faults.inject(FileOp::Write, 401 + 201 + 201 + 1, ENOSPC);  // the tables' lines, then the report
  save();
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "I/O エラー (28) (試合.pdf)");
  expectTablesWith(1);
  EXPECT_NE(readFileBytes("試合.xlsx"), olderWorkbook);
  EXPECT_EQ(readFileBytes("試合.pdf"), olderReport);
  EXPECT_EQ(folder.entries(), kFiveFiles);
  // The tables are saved: closing does not ask.
  teamSheet()->close();
  EXPECT_TRUE(questions.empty());
}

TEST_F(AnalysisFilesSave, AReadOnlyWorkbookIsNamedAndTheTablesAreWrittenBeforeIt) {
  writeFile("試合.xlsx", "older workbook");
  writeFile("試合.pdf", "older report");
  fs::permissions("試合.xlsx", fs::perms::owner_read);
  startMatch();
  recordGoal(4);
  recordGoal(5);
  boxes.answerNext(QMessageBox::Yes);
  save();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "ファイル 試合.xlsx、試合.pdf が既にあります。上書きしますか?");
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], kAccessDenied + " (試合.xlsx)");
  expectTablesWith(2);
  // The save stops at the workbook: the report is not touched either.
  EXPECT_EQ(readFileBytes("試合.xlsx"), "older workbook");
  EXPECT_EQ(readFileBytes("試合.pdf"), "older report");
  EXPECT_EQ(folder.entries(), kFiveFiles);
}

// A file finished before a failure counts as this match's: the next save
// asks only about the report, which is still the older one.
TEST_F(AnalysisFilesSave, AReadOnlyReportIsNamedAndTheWorkbookWrittenCountsAsThisMatchs) {
  writeFile("試合.pdf", "older report");
  fs::permissions("試合.pdf", fs::perms::owner_read);
  startMatch();
  recordGoal(4);
  boxes.answerNext(QMessageBox::Yes);
  save();
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], kAccessDenied + " (試合.pdf)");
  expectTablesWith(1);
  EXPECT_TRUE(startsWith(readFileBytes("試合.xlsx"), "PK"));
  EXPECT_EQ(readFileBytes("試合.pdf"), "older report");

  fs::permissions("試合.pdf", fs::perms::owner_read | fs::perms::owner_write);
  boxes.answerNext(QMessageBox::Yes);
  save();
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[1], "ファイル 試合.pdf が既にあります。上書きしますか?");
  EXPECT_EQ(errorBoxes.size(), 1u);
  EXPECT_TRUE(startsWith(readFileBytes("試合.pdf"), "%PDF"));
  save();
  EXPECT_EQ(questions.size(), 2u);
}

TEST_F(AnalysisFilesSave, TheOverwriteQuestionCoversTheWorkbookAndTheReport) {
  writeFile("試合.pdf", "another match's report");
  startMatch();
  recordGoal(4);
  save();  // いいえ, the default: nothing is written
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "ファイル 試合.pdf が既にあります。上書きしますか?");
  EXPECT_EQ(folder.entries(), std::set<std::string>{"試合.pdf"});
  EXPECT_EQ(readFileBytes("試合.pdf"), "another match's report");

  boxes.answerNext(QMessageBox::Yes);
  save();
  EXPECT_EQ(folder.entries(), kFiveFiles);
  save();  // all five are this match's now
  EXPECT_EQ(questions.size(), 2u);

  // Another program puts its own workbook in place.
  writeFile("other.xlsx", "someone else's workbook");
  fs::rename("other.xlsx", "試合.xlsx");
  save();
  ASSERT_EQ(questions.size(), 3u);
  EXPECT_EQ(questions[2], "ファイル 試合.xlsx が既にあります。上書きしますか?");
  EXPECT_EQ(readFileBytes("試合.xlsx"), "someone else's workbook");
  EXPECT_TRUE(errorBoxes.empty());
}

}  // namespace
