// "データ保存" that cannot write shows why in the error box, keeps the older
// files and lets the match go on. What a failing save writes and keeps is
// tried below the windows, in the save's own suite.
#include <cerrno>

#include "file_compare.h"
#include "file_faults.h"
#include "gui_test.h"
#include "match_script.h"
#include "scratch_folder.h"

TEST_F(GuiTest, AFailingSaveShowsTheErrorBoxAndTheMatchGoesOn) {
  ScratchFolder folder;
  FileFaults faults;
  teamSheet()->setFileFaults(&faults);
  teamSheet()->ui.fileNameEdit->setText("試合");
  startMatch();
  click(teamSheet()->ui.saveButton);
  ASSERT_TRUE(errorBoxes.empty());
  const std::string older = readFileBytes("試合-table-.xls");

  click(person(TeamId::One, 4));
  click(matchWindow()->ui.goalButton);
  click(location(7));
  click(zone(6));
  faults.inject(FileOp::Write, 401 + 30, ENOSPC);
  click(teamSheet()->ui.saveButton);
  ASSERT_EQ(errorBoxes.size(), 1u);
  EXPECT_EQ(errorBoxes[0], "ディスクの空きが足りません (試合-table-.xls)");
  EXPECT_EQ(readFileBytes("試合-table-.xls"), older);

  typeRoster(9, 4, "Kato");
  click(person(TeamId::Two, 3));
  EXPECT_EQ(cell(matchWindow()->ui.teamTwoLog, 2, 1), "Kato");
  EXPECT_TRUE(matchWindow()->ui.shotMissButton->isEnabled());
}
