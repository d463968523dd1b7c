// The printed report read back as a reader would: its text through
// pdftotext, its pages rendered through pdftoppm, its fonts through pdffonts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <vector>

#include "command_output.h"
#include "match_script.h"
#include "report.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// The report's text with every run of blanks as one blank.
std::string reportText(const std::string& script) {
  ScriptedMatch scripted;
  playMatchScript(scripted.screen,
                  fs::exists(script) ? fs::path(script) : testDataPath(script + ".match"));
  writeReport(scripted.match, "report.pdf");
  const CommandResult text = runCommand("pdftotext -layout report.pdf -");
  EXPECT_EQ(text.status, 0) << text.output;
  return std::regex_replace(text.output, std::regex("[ \t]+"), " ");
}

// A table line of these cells in this order, blanks between them.
::testing::AssertionResult hasLine(const std::string& text,
                                   std::initializer_list<std::string> cells) {
  std::string pattern, shown;
  for (const std::string& cell : cells) {
    pattern += (pattern.empty() ? "" : "\\s+") +
               std::regex_replace(cell, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
    shown += cell + " ";
  }
  if (std::regex_search(text, std::regex(pattern))) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no line reading: " << shown;
}

class Report : public ::testing::Test {
 protected:
  ScratchFolder folder;
};

TEST_F(Report, FrontPageAndPlayerLinesOfAWholeMatch) {
  const std::string text = reportText("full_match");
  EXPECT_TRUE(std::regex_search(text, std::regex("ルビナ大学 ?4 ?- ?2 ?北方クラブ"))) << text;
  // Official, players, a line without number or name that scored, and the totals.
  EXPECT_TRUE(
      hasLine(text, {"監督", "田中", "0", "0", "-", "0/0", "0", "0", "1", "1", "0", "0", "-1"}));
  EXPECT_TRUE(
      hasLine(text, {"1", "高橋", "2", "3", "67%", "0/0", "0", "0", "0", "0", "0", "0", "3"}));
  EXPECT_TRUE(
      hasLine(text, {"4", "伊藤", "1", "1", "100%", "0/0", "1", "0", "0", "0", "0", "0", "1"}));
  EXPECT_TRUE(
      hasLine(text, {"9", "保持ミス", "0", "0", "-", "0/0", "1", "1", "0", "0", "1", "0", "-2"}));
  EXPECT_TRUE(
      hasLine(text, {"99", "渡辺", "0", "0", "-", "0/0", "0", "0", "0", "0", "0", "1", "-3"}));
  EXPECT_TRUE(hasLine(text, {"Total", "4", "5", "80%", "0/0", "2", "1", "1", "1", "1", "1", "0"}));
  EXPECT_TRUE(
      hasLine(text, {"監督", "小林", "0", "0", "-", "0/0", "0", "0", "0", "0", "1", "0", "-2"}));
  EXPECT_TRUE(
      hasLine(text, {"3", "加藤", "1", "3", "33%", "1/1", "1", "0", "0", "0", "0", "0", "-1"}));
  EXPECT_TRUE(
      hasLine(text, {"21", "山本", "1", "1", "100%", "0/0", "0", "0", "1", "1", "0", "0", "1"}));
  // Every goal fell in the first half: the half-time score stands at the end.
  EXPECT_TRUE(hasLine(text, {"前半", "4-2", "4/5", "2/4"}));
  EXPECT_TRUE(hasLine(text, {"後半", "4-2", "0/0", "0/0"}));
  // The event logs with the running score.
  EXPECT_TRUE(hasLine(text, {"02:05", "3", "加藤", "得点", "PT", "右外", "1-1"}));
  EXPECT_TRUE(hasLine(text, {"12:34", "4", "伊藤", "得点", "中ポスト", "中下", "2-1"}));
  // The goalkeepers: every goal is a goal against, on target wherever it
  // was clicked. Team 1's goal: two misses saved, 山本's goal and 加藤's 7 m
  // goal recorded as 右外. Team 2's goal: 高橋's miss into 右下 saved and the
  // four goals, one recorded as 左外.
  EXPECT_TRUE(
      hasLine(text, {"全体:", "枠内シュート", "4", "セーブ", "2", "失点", "2", "セーブ率", "50%"}));
  EXPECT_TRUE(
      hasLine(text, {"全体:", "枠内シュート", "5", "セーブ", "1", "失点", "4", "セーブ率", "20%"}));
}

TEST_F(Report, SevenMetreThrowsAndTheScoreFlow) {
  const std::string text = reportText("analysis_example");
  EXPECT_TRUE(std::regex_search(text, std::regex("東高校 ?3 ?- ?3 ?西高校")));
  EXPECT_TRUE(
      hasLine(text, {"5", "石田", "1", "3", "33%", "1/1", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_TRUE(
      hasLine(text, {"9", "上田", "0", "0", "-", "0/0", "1", "1", "0", "0", "0", "1", "-3"}));
  EXPECT_TRUE(hasLine(
      text, {"01:00 1-0", "03:30 2-0", "06:20 2-1", "09:05 2-2", "12:00 3-2", "14:02 3-3"}));
  EXPECT_TRUE(
      hasLine(text, {"7m:", "枠内シュート", "2", "セーブ", "1", "失点", "1", "セーブ率", "50%"}));
  EXPECT_TRUE(hasLine(text, {"作戦タイム:", "13:40", "(リード)"}));
}

TEST_F(Report, PagesRenderWithTheJapaneseFontsEmbedded) {
  ScriptedMatch scripted;
  playMatchScript(scripted.screen, testDataPath("long_match.match"));
  writeReport(scripted.match, "report.pdf");
  const CommandResult fonts = runCommand("pdffonts report.pdf");
  ASSERT_EQ(fonts.status, 0) << fonts.output;
  // Columns: name, type..., emb, sub, uni, object, generation.
  std::istringstream lines(fonts.output);
  int ipa = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
    if (w.size() < 6 || w[0] == "name" || w[0].rfind("---", 0) == 0) continue;
    EXPECT_EQ(w[w.size() - 5], "yes") << "not embedded: " << line;
    ipa += w[0].find("IPA") != std::string::npos;
  }
  EXPECT_GE(ipa, 1) << fonts.output;

  const CommandResult pages = runCommand("pdfinfo report.pdf");
  std::smatch count;
  ASSERT_TRUE(std::regex_search(pages.output, count, std::regex("Pages:\\s+(\\d+)")));
  // 252 events: the front page, the player tables, then pages of logs.
  EXPECT_GE(std::stoi(count[1]), 6);
  const CommandResult render = runCommand("pdftoppm -png -r 30 report.pdf page");
  ASSERT_EQ(render.status, 0) << render.output;
  int rendered = 0;
  for (const auto& entry : fs::directory_iterator("."))
    if (entry.path().extension() == ".png" && fs::file_size(entry.path()) > 1000) ++rendered;
  EXPECT_EQ(rendered, std::stoi(count[1]));
}

TEST_F(Report, NothingRecorded) {
  const std::string text = reportText("empty");
  EXPECT_TRUE(std::regex_search(text, std::regex("ルビナ大学 ?0 ?- ?0 ?団体名")));
  EXPECT_TRUE(hasLine(text, {"得点なし"}));
  EXPECT_TRUE(hasLine(text, {"Total", "0", "0", "-", "0/0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_TRUE(hasLine(text, {"記録なし"}));
  EXPECT_TRUE(hasLine(text, {"ルールの注意", "なし"}));
}

TEST_F(Report, TheRulesNoticesWithTheirTimes) {
  std::ofstream("notices.match") << "team 1 東高校\n"
                                    "player 1 3 7 佐藤\n"
                                    "player 1 4 8 井上\n"
                                    "at 10:00\n"
                                    "repeat 3 30 event 1 3 反則 センター 退場\n"
                                    "repeat 2 60 event 1 4 反則 センター 警告\n";
  const std::string text = reportText("notices.match");
  EXPECT_TRUE(hasLine(text, {"ルールの注意", "時間", "内容"})) << text;
  EXPECT_TRUE(hasLine(text, {"11:00", "東高校:", "7番", "3回目の退場", "(失格)"}));
  EXPECT_TRUE(hasLine(text, {"12:30", "東高校:", "8番", "2回目の警告", "(警告は1人1回まで)"}));
}

// The federation page of each team and the match's further figures, read
// back for the match whose figures the analysis tests work out by hand.
TEST_F(Report, FederationPagesAndTheMatchsFurtherFigures) {
  const std::string text = reportText("analysis_example");
  for (const char* heading :
       {"東高校 連盟形式の統計", "西高校 連盟形式の統計", "数的状況", "退場中の得点・失点",
        "時間帯", "流れ", "攻撃と効率", "作戦タイムの効果", "保持ミスの位置", "7mスロー獲得"})
    EXPECT_NE(text.find(heading), std::string::npos) << heading << "\n" << text;
  // East's shots: 6m, wing, 9m, 7m, fast break, breakthrough, empty goal, in all.
  EXPECT_TRUE(hasLine(text, {"Total", "0/0 -", "2/2 100%", "0/2 0%", "1/2 50%", "0/0 -", "0/0 -",
                             "0/0 -", "3/6 50%"}));
  // East's goal against West's shots: 9 m 1 saved of 3, 7 m 1 of 2.
  EXPECT_TRUE(hasLine(text, {"Total", "0/0 -", "0/0 -", "1/3 33%", "1/2 50%"}));
  EXPECT_TRUE(hasLine(text, {"東高校", "同数", "8", "2/5", "40%", "1", "6", "33%"}));
  // West's 退場 at 12:00: East scored once in its two minutes.
  EXPECT_TRUE(hasLine(text, {"西高校", "2", "岡本", "12:00", "14:00", "0", "1"}));
}

}  // namespace
