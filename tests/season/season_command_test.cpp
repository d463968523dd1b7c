// The season from the command line: its exit codes and messages, and the
// program itself run with no display, its workbook read back.
#include "season_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "command_output.h"
#include "figures.h"
#include "scratch_folder.h"
#include "season_folder.h"

namespace {

namespace fs = std::filesystem;

struct SeasonRun {
  int code;
  std::string out, err;
};

SeasonRun season(const std::vector<std::string>& args, const fs::path& data = "/nonexistent") {
  std::ostringstream out, err;
  const int code = runSeasonCommand(args, data, out, err);
  return {code, out.str(), err.str()};
}

TEST(SeasonCommand, BadArgumentsExitWithTwoAndSayWhatIsWrong) {
  TempFolder folder;
  const std::string dir = folder.path().string();
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--season"}, "--season の後にフォルダを書いてください"},
      {{"--season", dir}, "--xlsx か --pdf"},
      {{"--season", dir + "/none", "--pdf", "a.pdf"}, "フォルダがありません"},
      {{"--season", dir, "--from", "2024-13-01", "--pdf", "a.pdf"}, "YYYY-MM-DD"},
      {{"--season", dir, "--from", "2024-05-01", "--to", "2024-04-01", "--pdf", "a.pdf"},
       "--from の日付が --to"},
      {{"--season", dir, "--team", "--pdf", "a.pdf"}, "--team の後に値がありません"},
      {{"--season", dir, "--colour", "red"}, "知らないオプションです: --colour"},
  };
  for (const auto& [args, message] : cases) {
    const SeasonRun r = season(args);
    EXPECT_EQ(r.code, kSeasonBadArguments) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("使い方: handball --season"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists("a.pdf"));
}

TEST(SeasonCommand, ASeasonWithoutMatchesExitsWithOneAndWritesNothing) {
  ScratchFolder folder;
  std::ofstream(folder.path() / "broken.hbmatch") << "x";
  const SeasonRun r = season({"--season", folder.path().string(), "--xlsx", "s.xlsx"});
  EXPECT_EQ(r.code, kSeasonFailed);
  EXPECT_NE(r.out.find("除外 (読み取れません)"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("シーズンの試合がありません"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists("s.xlsx"));
}

TEST(SeasonCommand, TheProgramWritesTheSeasonWithoutADisplay) {
  ScratchFolder folder;
  const fs::path data = folder.path() / "data";
  std::array<int, 2> goals{};
  for (int day : {1, 8, 15}) {
    const auto m = scriptedMatch("analysis_example", "東高校", "西高校");
    keepMatch(*m, data, day);
    const MatchFigures f = matchFigures(*m);
    goals[0] += day == 15 ? 0 : f.teams[0].goals;
    goals[1] += day == 15 ? 0 : f.teams[1].goals;
  }
  keepMatch(*scriptedMatch("shot_example", "南高校", "北高校"), data, 3);
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                              std::string(HB_HANDBALL) + " --season " + data.string() +
                              " --team 東高校 --to 2024-01-10 --xlsx s.xlsx --pdf s.pdf";
  const CommandResult r = runCommand(command);
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("シーズン: 東高校  2試合"), std::string::npos) << r.output;
  for (const char* left : {"2024-01-04", "2024-01-16"})
    EXPECT_NE(r.output.find(std::string("除外 (条件外): ") + left), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("書き出し: s.pdf"), std::string::npos);
  const CommandResult check =
      runCommand(std::string(HB_SYSTEM_PYTHON) + " " + HB_CHECK_WORKBOOK + " s.xlsx 東高校 2 " +
                 std::to_string(goals[0]) + " " + std::to_string(goals[1]));
  EXPECT_EQ(check.status, 0) << check.output;
  const CommandResult text = runCommand("pdftotext s.pdf -");
  EXPECT_NE(text.output.find("東高校 シーズン"), std::string::npos) << text.output;
  EXPECT_NE(text.output.find("シーズンのシュートチャート"), std::string::npos);
}

}  // namespace
