// The match file keeps every step: read back after any step, it gives the
// match and screen as they stood, and a match brought back from it goes on
// to the same saved files as one never interrupted.
#include "match_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "expected_files.h"
#include "match_script.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "store_steps.h"
#include "views.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kScripts = {"full_match", "odd_names", "shot_example", "blank_stem"};

TEST(MatchFileKeeps, EveryStepReadsBackAsTheMatchAndScreenStood) {
  for (const std::string& script : kScripts) {
    ScratchFolder folder;
    const StepPlan plan = planOf(testDataPath(script + ".match"), true);
    ScriptedMatch live;
    plan.attach(live.match);
    MatchFile file = MatchFile::create(folder.path() / "data");
    for (size_t i = 0; i < plan.steps.size(); ++i) {
      playSteps(plan, live.screen, i, i + 1, &file);
      const StoredMatch kept = file.load();
      ASSERT_TRUE(sameMatch(kept.match, kept.screen, live.match, live.screen))
          << script << " step " << i << " " << plan.steps[i].kind;
      ASSERT_FALSE(kept.ended);
    }
    live.match.markSaved(saveMatch(live.match));
    expectFilesOf(script, live.match.fileStem);
  }
}

TEST(MatchFileKeeps, AMatchBroughtBackAfterAnyKindOfStepSavesTheSameFiles) {
  const StepPlan plan = planOf(testDataPath("full_match.match"), true);
  for (const auto& [kind, stop] : firstOfEachKind(plan)) {
    ScratchFolder folder;
    ScriptedMatch live;
    plan.attach(live.match);
    std::filesystem::path path;
    {
      MatchFile file = MatchFile::create(folder.path());
      path = file.path();
      playSteps(plan, live.screen, 0, stop + 1, &file);
    }  // the program ends without the close box

    ScriptedMatch back;
    plan.attach(back.match);
    MatchFile file = MatchFile::open(path);
    restoreFrom(file, back.match, back.screen);
    ASSERT_TRUE(sameMatch(file.load().match, file.load().screen, live.match, live.screen)) << kind;
    ASSERT_TRUE(sameMatch(live.match.state(), storedScreen(live.screen), back.match, back.screen))
        << kind;
    playSteps(plan, back.screen, stop + 1, plan.steps.size(), &file);
    back.match.markSaved(saveMatch(back.match));
    file.commit(back.match, storedScreen(back.screen));
    expectFilesOf("full_match", back.match.fileStem);
    ASSERT_TRUE(sameMatch(file.load().match, file.load().screen, back.match, back.screen)) << kind;
  }
}

TEST(MatchFileCopy, TheCopyBesideTheTablesIsTheMatchAndOpensAsAMatchOfItsOwn) {
  ScratchFolder folder;
  const StepPlan plan = planOf(testDataPath("full_match.match"), true);
  ScriptedMatch live;
  plan.attach(live.match);
  MatchFile file = MatchFile::create(folder.path() / "data");
  const size_t half = plan.steps.size() / 2;
  playSteps(plan, live.screen, 0, half, &file);
  const std::string copy = (folder.path() / "試合.hbmatch").string();
  file.backupTo(copy);
  const MatchState atCopy = live.match.state();
  playSteps(plan, live.screen, half, plan.steps.size(), &file);
  file.backupTo(copy);  // replaces the older copy
  for (const std::string& name : folder.entries())
    EXPECT_EQ(name.find(".hb-"), std::string::npos) << name << " left behind";
  const std::string bytes = readFileBytes(copy);
  EXPECT_EQ(bytes[18], 1);  // a rollback-journal file: no log beside it needed
  EXPECT_EQ(bytes[19], 1);

  // Opened elsewhere: the match goes on in a file of the data folder, and
  // the copy is let go of, so that another program can open it too.
  ScriptedMatch other;
  plan.attach(other.match);
  MatchFile imported = importFrom(copy, folder.path() / "elsewhere", other.match, other.screen);
  EXPECT_TRUE(sameMatch(live.match.state(), storedScreen(live.screen), other.match, other.screen));
  EXPECT_EQ(imported.path().parent_path(), folder.path() / "elsewhere");
  EXPECT_EQ(imported.path().filename().string().size(),
            std::string("2024-05-01_14-03-22.hbmatch").size());
  EXPECT_EQ(imported.path().filename(), file.path().filename());  // named by the match's start
  ScriptedMatch third;
  importFrom(copy, folder.path() / "third", third.match, third.screen);
  EXPECT_TRUE(third.match.state() == other.match.state());
  const StoredMatch kept = imported.load();
  EXPECT_TRUE(sameMatch(kept.match, kept.screen, other.match, other.screen));
  EXPECT_FALSE(live.match.state() == atCopy);
  EXPECT_EQ(readFileBytes(copy), bytes);  // only read
}

TEST(MatchFileCopy, ACopyThatCannotBeWrittenIsToldAndTheOlderOneStays) {
  ScratchFolder folder;
  ScriptedMatch live;
  MatchFile file = MatchFile::create(folder.path() / "data");
  file.commit(live.match, storedScreen(live.screen));
  fs::create_directories(folder.path() / "out");
  const std::string copy = (folder.path() / "out" / "x.hbmatch").string();
  file.backupTo(copy);
  const std::string before = readFileBytes(copy);
  chmod((folder.path() / "out").c_str(), 0555);
  live.screen.typeTeamName(TeamId::One, "changed");
  file.commit(live.match, storedScreen(live.screen));
  EXPECT_THROW(file.backupTo(copy), SaveError);
  chmod((folder.path() / "out").c_str(), 0755);
  EXPECT_EQ(readFileBytes(copy), before);
  EXPECT_EQ(folder.entries(folder.path() / "out"), (std::set<std::string>{"x.hbmatch"}));
}

TEST(MatchFileClock, ARunningClockRunsOnWhileTheProgramWasGoneAndAPausedOneWaits) {
  ScratchFolder folder;
  auto seconds = std::make_shared<double>(0);
  auto at = [seconds](Match& m) { m.timeOfDay = [seconds] { return *seconds / 86400.0; }; };
  for (const bool paused : {false, true}) {
    *seconds = 100;
    fs::path path;
    {
      ScriptedMatch live;
      at(live.match);
      MatchFile file = MatchFile::create(folder.path());
      path = file.path();
      live.screen.finishInput();
      live.screen.startMatch();  // kick-off at 100 s
      *seconds = 700;
      live.screen.tick();
      if (paused) live.screen.togglePause();  // at 10:00
      file.commit(live.match, storedScreen(live.screen));
    }
    *seconds = 1000;  // five minutes later, the program starts again
    ScriptedMatch back;
    at(back.match);
    MatchFile file = MatchFile::open(path);
    restoreFrom(file, back.match, back.screen);
    EXPECT_EQ(back.match.clock().shownText(), "10:00");
    EXPECT_EQ(matchWindowView(back.match).clockTicking, !paused);
    if (!paused) back.screen.tick();  // the windows' timer runs only while it ticks
    EXPECT_EQ(back.match.clock().shownText(), paused ? "10:00" : "15:00");
    if (paused) {
      back.screen.togglePause();  // continued: the five minutes were a pause
      EXPECT_EQ(back.match.clock().shownText(), "10:00");
    }
    back.screen.pickPerson(TeamId::One, 3);
    EXPECT_EQ(back.match.entry().event.clockSeconds, paused ? 600 : 900);
  }
}

}  // namespace
