// Whole matches recorded through the real windows and saved with
// "データ保存": the files must be the same bytes as the expected files that
// the same scripts give.
#include <QLineEdit>
#include <filesystem>
#include <fstream>

#include "expected_files.h"
#include "file_compare.h"
#include "gui_test.h"
#include "match_script.h"
#include "scratch_folder.h"
#include "window_operator.h"

namespace fs = std::filesystem;

class SavingThroughWindows : public GuiTest {
 protected:
  void recordAndSave(const std::string& script) {
    WindowOperator op(*windows, clockSeconds);
    runMatchScript(op, testDataPath(script + ".match"));
    click(teamSheet()->ui.saveButton);
  }

  ScratchFolder folder;
};

TEST_F(SavingThroughWindows, FullMatchClickedThroughGivesTheExpectedFiles) {
  recordAndSave("full_match");
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("full_match", "ファイル名");
}

TEST_F(SavingThroughWindows, ShotExampleClickedThroughGivesTheExpectedFiles) {
  recordAndSave("shot_example");
  expectFilesOf("shot_example", "ファイル名");
}

TEST_F(SavingThroughWindows, LongMatchWritesEveryEvent) {
  recordAndSave("long_match");
  EXPECT_EQ(rowCount(matchWindow()->ui.teamOneLog), 5 + 250);
  expectFilesOf("long_match", "ファイル名");
}

// The words the logs and the saved tables use are the buttons' captions:
// each button reads what it writes.
TEST_F(SavingThroughWindows, EveryChoiceButtonReadsTheWordItRecords) {
  auto captions = [](const auto& buttons) {
    std::vector<std::string> texts;
    for (const QPushButton* b : buttons) texts.push_back(b->text().toStdString());
    return texts;
  };
  using Words = std::vector<std::string>;
  EXPECT_EQ(captions(matchWindow()->actionButtons),
            (Words{"得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "反則"}));
  EXPECT_EQ(captions(court()->locationButtons),
            (Words{"左サイド", "左ポスト", "中ポスト", "右ポスト", "右サイド", "左４５", "センター",
                   "右４５", "相手陣地", "PT"}));
  EXPECT_EQ(captions(court()->zoneButtons), (Words{"左外", "左上", "左中", "左下", "中上", "中中",
                                                   "中下", "右上", "右中", "右下", "右外"}));
  EXPECT_EQ(court()->ui.benchButton->text().toStdString(), "ベンチ");
  EXPECT_EQ(captions(keepMiss()->choiceButtons()),
            (Words{"パス", "キャッチ", "ライン", "オーバー", "チャージ", "パッシブ", "その他"}));
  EXPECT_EQ(captions(penaltyThrow()->choiceButtons()),
            (Words{"ライン内", "シュート阻止", "GKへのパス", "その他"}));
  EXPECT_EQ(captions(foul()->choiceButtons()), (Words{"警告", "退場", "失格"}));
  EXPECT_EQ(captions(timeOut()->choiceButtons()),
            (Words{"リード", "リード→同点", "負→同点", "負け"}));
}

TEST_F(SavingThroughWindows, SavingClearsTheQuestionOnClosingUntilTheNextEvent) {
  int quits = 0;
  windows->setQuitAction([&] { ++quits; });
  recordAndSave("shot_example");
  teamSheet()->close();
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(quits, 1);

  click(person(TeamId::Two, 5));
  teamSheet()->close();
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(quits, 1);
}

TEST_F(SavingThroughWindows, AMissingFolderShowsTheErrorAndTheMatchGoesOn) {
  startMatch();
  teamSheet()->ui.fileNameEdit->setText("no-such-folder/match");
  click(teamSheet()->ui.saveButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "フォルダがありません (no-such-folder)");
  EXPECT_TRUE(folder.entries().empty());
  click(person(TeamId::One, 3));
  EXPECT_TRUE(matchWindow()->ui.goalButton->isEnabled());
}

TEST_F(SavingThroughWindows, ANameTooLongIsSaidPlainly) {
  teamSheet()->ui.fileNameEdit->setText(QString(300, QLatin1Char('x')));
  click(teamSheet()->ui.saveButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "ファイル名が長すぎます.");
  EXPECT_TRUE(folder.entries().empty());
}

// After a restart the default stem names the files of the match before:
// they are replaced only when the operator says so.
TEST_F(SavingThroughWindows, AnotherMatchsFilesAreReplacedOnlyAfterAsking) {
  for (const char* name : {"ファイル名-shot-.xls", "ファイル名.xls"})
    std::ofstream(name) << "earlier match";
  startMatch();
  click(person(TeamId::One, 2));
  click(teamSheet()->ui.saveButton);  // いいえ, the default
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0],
            "ファイル ファイル名-shot-.xls、ファイル名.xls が既にあります。上書きしますか?");
  EXPECT_EQ(readFileBytes("ファイル名.xls"), "earlier match");
  EXPECT_FALSE(fs::exists("ファイル名-table-.xls"));
  EXPECT_TRUE(errorBoxes.empty());

  boxes.answerNext(QMessageBox::Yes);
  click(teamSheet()->ui.saveButton);
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(lineCount(readFileBytes("ファイル名.xls")), 201u);
  click(teamSheet()->ui.saveButton);  // its own files now: no question
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(SavingThroughWindows, CharactersCp932CannotHoldAreToldOnceAfterTheSave) {
  typeRoster(2, 4, "José Müller 𠮷田");
  teamSheet()->ui.teamTwoNameEdit->setText("équipe €");
  click(teamSheet()->ui.saveButton);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0],
            "CP932 で表せない文字を ? で保存しました: éü𠮷 (チーム1 3行 氏名)、é€ (チーム2 名前)");
  EXPECT_NE(readFileBytes("ファイル名.xls").find("Jos? M?ller ?"), std::string::npos);
  teamSheet()->ui.teamTwoNameEdit->setText("North");
  typeRoster(2, 4, "Tanaka");
  click(teamSheet()->ui.saveButton);
  EXPECT_EQ(notices.size(), 1u);
}
