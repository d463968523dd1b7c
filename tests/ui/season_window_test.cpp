// The window 「シーズン」 over the data folder, opened by the team sheet's
// button and by its key: the match being recorded is listed as in use and
// never opened, so that its file stays locked against another program.
#include "season_window.h"

#include "../report/command_output.h"
#include "gui_test.h"
#include "match_file.h"
#include "scratch_folder.h"
#include "season_folder.h"
#include "window_operator.h"

namespace fs = std::filesystem;

namespace {

// Whether a program of its own could read `path` now.
bool readableElsewhere(const fs::path& path) {
  const std::string script =
      "import sqlite3,sys; c=sqlite3.connect(sys.argv[1], timeout=0); "
      "c.execute('select count(*) from sqlite_master').fetchall()";
  return runCommand("python3 -c \"" + script + "\" '" + path.string() + "'").status == 0;
}

class SeasonWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    windows->keepIn(data);
  }
  ScratchFolder folder;
  fs::path data = folder.path() / "data";
};

TEST_F(SeasonWindowTest, ListsTheDataFolderAndLeavesTheMatchBeingRecordedLocked) {
  keepMatch(*scriptedMatch("analysis_example", "東高校", "西高校"), data, 10);
  WindowOperator op(*windows, clockSeconds);
  runMatchScript(op, testDataPath("shot_example.match"));
  const fs::path recording = *windows->safekeeping()->file();
  ASSERT_FALSE(readableElsewhere(recording));

  click(teamSheet()->ui.seasonButton);
  SeasonWindow* season = windows->seasonWindow();
  ASSERT_NE(season, nullptr);
  EXPECT_TRUE(season->isVisible());
  QTableWidget* table = season->ui.matchTable;
  ASSERT_EQ(table->rowCount(), 2);
  std::set<std::string> states;
  for (int row = 0; row < 2; ++row) states.insert(table->item(row, 7)->text().toStdString());
  EXPECT_TRUE(states.count("終了")) << *states.begin();
  EXPECT_TRUE(std::any_of(states.begin(), states.end(), [](const std::string& s) {
    return s.find("別のプログラムが使用中です") != std::string::npos;
  }));
  EXPECT_EQ(season->ui.statusLabel->text().toStdString(), "東高校  1試合  3人");

  season->hide();
  waitForSplash();
  keys("Esc");  // a key on the splash only takes it away
  teamSheet()->activateWindow();
  settle();
  keys("F7");
  EXPECT_TRUE(season->isVisible());
  EXPECT_FALSE(readableElsewhere(recording));
}

// A folder added stays in the season when the program starts again, until it
// is left out.
TEST_F(SeasonWindowTest, KeepsTheFoldersAddedUntilTheyAreLeftOut) {
  const fs::path other = folder.path() / "other";
  keepMatch(*scriptedMatch("shot_example", "東高校", "南高校"), data, 10);
  keepMatch(*scriptedMatch("analysis_example", "東高校", "西高校"), other, 11);
  auto opened = [&] { return std::make_unique<SeasonWindow>(data, nullptr); };
  opened()->addFolder(other);
  auto again = opened();
  EXPECT_EQ(again->ui.matchTable->rowCount(), 2);
  EXPECT_TRUE(again->ui.removeFolderButton->isEnabled());
  again->removeFolder(other);
  EXPECT_EQ(opened()->ui.matchTable->rowCount(), 1);
  EXPECT_FALSE(again->ui.removeFolderButton->isEnabled());
}

}  // namespace
