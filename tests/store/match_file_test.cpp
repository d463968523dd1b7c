// The match file keeps every step: read back after any step, it gives the
// match and screen as they stood, and a match brought back from it goes on
// to the same saved files as one never interrupted.
#include "match_file.h"

#include <gtest/gtest.h>

#include "expected_files.h"
#include "match_script.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "store_steps.h"

namespace {

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
    file.restoreInto(back.match, back.screen);
    ASSERT_TRUE(sameMatch(file.load().match, file.load().screen, live.match, live.screen)) << kind;
    ASSERT_TRUE(sameMatch(live.match.state(), live.screen.state(), back.match, back.screen))
        << kind;
    playSteps(plan, back.screen, stop + 1, plan.steps.size(), &file);
    back.match.markSaved(saveMatch(back.match));
    file.commit(back.match, back.screen);
    expectFilesOf("full_match", back.match.fileStem);
    ASSERT_TRUE(sameMatch(file.load().match, file.load().screen, back.match, back.screen)) << kind;
  }
}

}  // namespace
