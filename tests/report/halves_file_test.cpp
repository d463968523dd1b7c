// Each half's figures in the two analysis files of a match that went to
// overtime: the report's table read through pdftotext, the workbook's
// summary cells read back with openpyxl.
#include <gtest/gtest.h>

#include <regex>

#include "command_output.h"
#include "match.h"
#include "match_fixture.h"
#include "report.h"
#include "scratch_folder.h"
#include "workbook.h"

namespace {

// A match of 30-minute halves and overtime, recorded with the clock under
// the test's control. First half 2-1 (the last goal at 30:00), second half
// 1-1 (a miss at 30:00 opens it), overtime 1-0 then 0-0.
class OvertimeMatch : public ::testing::Test, protected ClockedMatch {
 protected:
  void SetUp() override {
    MatchSettings s;
    s.periods.overtime = true;
    m.setSettings(s);
    m.fileStem = "halves";
    m.team(TeamId::One).name = "東高校";
    m.team(TeamId::Two).name = "西高校";
    m.startClock();
    at(600);
    shot(TeamId::One, Action::Goal);
    shot(TeamId::One, Action::Goal);
    shot(TeamId::Two, Action::ShotMiss);
    at(1800);
    shot(TeamId::Two, Action::Goal);
    m.togglePause();
    shot(TeamId::One, Action::ShotMiss);
    at(3000);
    shot(TeamId::Two, Action::Goal);
    shot(TeamId::One, Action::Goal);
    shot(TeamId::Two, Action::ShotMiss);
    at(3600);
    m.togglePause();
    at(3700);
    shot(TeamId::One, Action::Goal);
    at(3900);
    m.togglePause();
  }
  void shot(TeamId team, Action a) { ASSERT_TRUE(record(team, 5, a, place::kCentre, 6)); }

  ScratchFolder folder;
};

TEST_F(OvertimeMatch, TheReportShowsEveryHalfWithTheScoreAtItsEnd) {
  writeReport(m, "halves.pdf");
  const CommandResult pdf = runCommand("pdftotext -layout halves.pdf -");
  ASSERT_EQ(pdf.status, 0) << pdf.output;
  const std::string text = std::regex_replace(pdf.output, std::regex("[ \t]+"), " ");
  // Each half: the score at its end, then each team's goals over shots.
  EXPECT_TRUE(std::regex_search(text, std::regex("前後半 \\(スコア, 得点/シュート\\)\n")));
  EXPECT_TRUE(std::regex_search(text, std::regex("\n ?スコア 東高校 西高校\n"))) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("\n ?前半 2-1 2/2 1/2\n"))) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("\n ?後半 3-2 1/2 1/2\n"))) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("\n ?延長前半 4-2 1/1 0/0\n"))) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("\n ?延長後半 4-2 0/0 0/0\n"))) << text;
}

TEST_F(OvertimeMatch, TheWorkbookSummaryHoldsEachHalfAsNumbers) {
  writeWorkbook(m, "halves.xlsx");
  // Every row of 概要 whose label names a half: label, the two teams' cells
  // and their types.
  const CommandResult read =
      runCommand(std::string(HB_SYSTEM_PYTHON) + " -c '" +
                 "import openpyxl\n"
                 "ws = openpyxl.load_workbook(\"halves.xlsx\")[\"概要\"]\n"
                 "for label, one, two in ws.iter_rows(min_col=1, max_col=3, values_only=True):\n"
                 "    if isinstance(label, str) and \"半\" in label:\n"
                 "        print(label, one, two, type(one).__name__, type(two).__name__)\n'");
  ASSERT_EQ(read.status, 0) << read.output;
  EXPECT_EQ(read.output,
            "前半得点 2 1 int int\n"
            "前半シュート 2 2 int int\n"
            "前半終了時の得点 2 1 int int\n"
            "後半得点 1 1 int int\n"
            "後半シュート 2 2 int int\n"
            "後半終了時の得点 3 2 int int\n"
            "延長前半得点 1 0 int int\n"
            "延長前半シュート 1 0 int int\n"
            "延長前半終了時の得点 4 2 int int\n"
            "延長後半得点 0 0 int int\n"
            "延長後半シュート 0 0 int int\n"
            "延長後半終了時の得点 4 2 int int\n");
}

}  // namespace
