// "データ保存" when the files cannot be written: a full disk, a read-only
// folder, a read-only file and a folder where a file should go. Each shows
// its message in the error box, loses no older file, leaves nothing behind
// and lets the match go on.
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

std::string named(const std::string& message, const std::string& file) {
  return message + " (" + file + ")";
}

// The three tables, then the workbook and the report.
struct Saved {
  std::string shot, table, list, workbook, report;
  bool operator==(const Saved&) const = default;
};

Saved filesOf(const std::string& stem) {
  return {readFileBytes(stem + "-shot-.xls"), readFileBytes(stem + "-table-.xls"),
          readFileBytes(stem + ".xls"), readFileBytes(stem + ".xlsx"),
          readFileBytes(stem + ".pdf")};
}

const std::set<std::string> kFiveFiles = {"試合-shot-.xls", "試合-table-.xls", "試合.xls",
                                          "試合.xlsx", "試合.pdf"};

}  // namespace

class SaveFaults : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    teamSheet()->setFileFaults(&faults);
  }

  FileFaults faults;

  void save(const std::string& stem) {
    teamSheet()->ui.fileNameEdit->setText(QString::fromStdString(stem));
    click(teamSheet()->ui.saveButton);
  }

  void recordGoal(int slot) {
    click(person(1, slot));
    click(matchWindow()->ui.goalButton);
    click(location(7));
    click(zone(6));
  }

  // The match goes on after the error box.
  void expectMatchGoesOn() {
    typeRoster(9, 4, "Kato");
    click(person(2, 3));
    EXPECT_EQ(cell(matchWindow()->ui.teamTwoLog, 2, 1), "Kato");
    EXPECT_TRUE(matchWindow()->ui.shotMissButton->isEnabled());
  }

  ScratchFolder folder;
};

TEST_F(SaveFaults, AFullDiskKeepsTheOlderFilesAndTheNextSaveWritesThem) {
  startMatch();
  recordGoal(4);
  save("試合");
  ASSERT_TRUE(errorBoxes.empty());
  const Saved older = filesOf("試合");

  recordGoal(5);
  // Early and late in the shot file, in the table file, in the list file.
  for (int nth : {1, 150, 401 + 30, 401 + 201 + 5}) {
    faults.inject(FileOp::Write, nth, ENOSPC);
    save("試合");
    ASSERT_EQ(errorBoxes.size(), 1u) << "write " << nth;
    const std::string failed = nth <= 401   ? "試合-shot-.xls"
                               : nth <= 602 ? "試合-table-.xls"
                                            : "試合.xls";
    EXPECT_EQ(errorBoxes.back(), named("I/O エラー (28)", failed));
    errorBoxes.clear();
    EXPECT_EQ(filesOf("試合"), older) << "write " << nth;
    EXPECT_EQ(folder.entries(), kFiveFiles);
  }

  save("試合");
  EXPECT_TRUE(errorBoxes.empty());
  const Saved newer = filesOf("試合");
  EXPECT_NE(newer.table, older.table);
  EXPECT_EQ(lineCount(newer.shot), 401u);
  EXPECT_EQ(lineCount(newer.table), 201u);
  expectMatchGoesOn();
}

TEST_F(SaveFaults, AFullDiskWhenAFileIsClosedKeepsItsOlderFile) {
  save("試合");
  const Saved older = filesOf("試合");
  startMatch();
  recordGoal(2);
  faults.inject(FileOp::Close, 1, ENOSPC);
  save("試合");
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], named("I/O エラー (28)", "試合-shot-.xls"));
  EXPECT_EQ(filesOf("試合"), older);
  expectMatchGoesOn();
}

TEST_F(SaveFaults, AReadOnlyFolderGetsNoFile) {
  fs::create_directory("kept");
  fs::permissions("kept", fs::perms::owner_read | fs::perms::owner_exec);
  startMatch();
  recordGoal(4);
  save("kept/試合");
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], named(kAccessDenied, "kept/試合-shot-.xls"));
  EXPECT_TRUE(folder.entries("kept").empty());
  expectMatchGoesOn();
}

TEST_F(SaveFaults, AReadOnlyFileKeepsAllThreeOlderFiles) {
  startMatch();
  recordGoal(4);
  save("試合");
  const Saved older = filesOf("試合");
  fs::permissions("試合.xls", fs::perms::owner_read);
  recordGoal(5);
  save("試合");
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], named(kAccessDenied, "試合.xls"));
  EXPECT_EQ(filesOf("試合"), older);
  EXPECT_EQ(folder.entries(), kFiveFiles);
  expectMatchGoesOn();
}

TEST_F(SaveFaults, AFolderInPlaceOfTheTableFileStopsTheSaveBeforeAnyFileIsReplaced) {
  fs::create_directory("試合-table-.xls");
  std::ofstream("試合-table-.xls/inside") << "kept";
  std::ofstream("試合-shot-.xls") << "older shot";
  std::ofstream("試合.xls") << "older list";
  startMatch();
  recordGoal(4);
  boxes.answerNext(QMessageBox::Yes);  // the older files are not this match's
  save("試合");
  ASSERT_EQ(questions.size(), 1u);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], named(kAccessDenied, "試合-table-.xls"));
  EXPECT_EQ(readFileBytes("試合-shot-.xls"), "older shot");
  EXPECT_EQ(readFileBytes("試合-table-.xls/inside"), "kept");
  EXPECT_EQ(readFileBytes("試合.xls"), "older list");
  EXPECT_EQ(folder.entries(),
            (std::set<std::string>{"試合-shot-.xls", "試合-table-.xls", "試合.xls"}));
  expectMatchGoesOn();
}

TEST_F(SaveFaults, TooManyOpenFilesHasItsOwnMessage) {
  startMatch();
  faults.inject(FileOp::Open, 1, EMFILE);
  save("試合");
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], named("オープンしたファイルが多すぎます", "試合-shot-.xls"));
  EXPECT_TRUE(folder.entries().empty());
  expectMatchGoesOn();
}
