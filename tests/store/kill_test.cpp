// The recorder killed outright (SIGKILL) after every kind of step, in the
// middle of every kind of event, and at moments it does not choose: started
// again, it offers the match, brings back the match and screen exactly as
// they stood after the last step it kept, and finishing the match gives the
// files of a run never interrupted.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "expected_files.h"
#include "match_listing.h"
#include "match_safekeeping.h"
#include "save_match.h"
#include "scratch_folder.h"
#include "store_steps.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kScript = "full_match";

// The child, started in `folder`; its standard output comes through `out`.
class Child {
 public:
  Child(const fs::path& folder, long stopAfter) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string script = testDataPath(kScript + ".match").string();
    const std::string stop = std::to_string(stopAfter);
    const char* argv[] = {HB_KILL_CHILD, script.c_str(), folder.c_str(), stop.c_str(), nullptr};
    if (posix_spawn(&pid_, HB_KILL_CHILD, &actions, nullptr, const_cast<char**>(argv), environ))
      throw std::runtime_error("spawn");
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    out_ = fdopen(pipeFds[0], "r");
  }
  ~Child() {
    kill();
    fclose(out_);
  }

  // The next step the child says it kept, or -1 once it said nothing more.
  long nextKept() {
    long step = -1;
    return fscanf(out_, "%ld", &step) == 1 ? step : -1;
  }
  // Killed outright; whether it was still running until then.
  bool kill() {
    if (pid_ < 0) return false;
    ::kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

 private:
  pid_t pid_ = -1;
  FILE* out_ = nullptr;
};

class KilledRecorder : public ::testing::Test {
 protected:
  void SetUp() override {
    // The match and screen after each step of a run never interrupted.
    ScriptedMatch reference;
    plan.attach(reference.match);
    for (size_t i = 0; i < plan.steps.size(); ++i) {
      plan.take(reference.screen, i);
      states.push_back({reference.match.state(), reference.screen.state()});
    }
  }

  // Restarted after the kill: the match offered and brought back, then
  // finished from the step after `kept`, and saved.
  void restartAndFinish(const fs::path& childFolder, size_t kept, const std::string& what) {
    const MatchListing l = listRestorable(childFolder / "data");
    ASSERT_EQ(l.restorable.size(), 1u) << what;
    EXPECT_TRUE(l.unreadable.empty()) << what;
    EXPECT_EQ(l.restorable[0].events, static_cast<int>(states[kept].first.events.size())) << what;

    fs::current_path(childFolder);
    ScriptedMatch back;
    plan.attach(back.match);
    plan.standAfter(kept);
    ScreenInFile backScreen(back.screen);
    MatchSafekeeping keeping(back.match, backScreen, childFolder / "data");
    keeping.restore(l.restorable[0].path);
    ASSERT_TRUE(sameMatch(states[kept].first, storedScreen(states[kept].second), back.match,
                          back.screen, false))
        << what;
    // A save before the kill wrote files this match knows as its own. A
    // save in flight may have replaced the files without the match knowing:
    // the next save then asks before replacing them, which is safe.
    for (const SavedFile& f : back.match.savedFiles()) EXPECT_NE(f.identity.inode, 0u);
    const bool saveInFlight = kept + 1 < plan.steps.size() && plan.steps[kept + 1].kind == "save";
    if (!saveInFlight) EXPECT_TRUE(foreignTargets(back.match).empty()) << what;

    for (size_t i = kept + 1; i < plan.steps.size(); ++i) {
      plan.take(back.screen, i);
      ASSERT_FALSE(keeping.keep()) << what;
    }
    back.match.markSaved(saveMatch(back.match));
    expectFilesOf(kScript, back.match.fileStem);
    fs::current_path(folder.path());
  }

  ScratchFolder folder;
  const StepPlan plan = planOf(testDataPath(kScript + ".match"), true);
  std::vector<std::pair<MatchState, ScreenState>> states;
};

TEST_F(KilledRecorder, AfterEveryKindOfStepAndInTheMiddleOfEveryKindOfEvent) {
  // The first step of each kind, in each kind of event and between events.
  std::map<std::pair<std::string, std::string>, size_t> stops;
  for (size_t i = 0; i < plan.steps.size(); ++i)
    stops.emplace(std::pair(plan.steps[i].event, plan.steps[i].kind), i);
  ASSERT_GT(stops.size(), 40u);

  int n = 0;
  for (const auto& [key, stop] : stops) {
    const std::string what =
        "killed after " + key.second + " (" + key.first + ") at step " + std::to_string(stop);
    const fs::path childFolder = folder.path() / std::to_string(n++);
    fs::create_directories(childFolder);
    Child child(childFolder, static_cast<long>(stop));
    long kept = -1;
    while (kept >= 0 ? kept < static_cast<long>(stop) : true) {
      kept = child.nextKept();
      ASSERT_GE(kept, 0) << what << ": the recorder stopped by itself";
    }
    ASSERT_TRUE(child.kill()) << what;
    restartAndFinish(childFolder, stop, what);
  }
}

TEST_F(KilledRecorder, AtMomentsItDoesNotChooseItLosesAtMostTheStepInFlight) {
  std::mt19937 random(20240501);
  for (int n = 0; n < 8; ++n) {
    const long seen =
        std::uniform_int_distribution<long>(0, static_cast<long>(plan.steps.size()) - 2)(random);
    const std::string what = "killed once step " + std::to_string(seen) + " was kept";
    const fs::path childFolder = folder.path() / std::to_string(n);
    fs::create_directories(childFolder);
    Child child(childFolder, -1);
    for (long kept = -1; kept < seen;) {
      kept = child.nextKept();
      ASSERT_GE(kept, 0) << what;
    }
    // Somewhere in the steps after `seen`, often in the middle of a commit.
    usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
    ASSERT_TRUE(child.kill()) << what;

    ScriptedMatch probe;
    {
      MatchFile file = MatchFile::open(listRestorable(childFolder / "data").restorable.at(0).path);
      restoreFrom(file, probe.match, probe.screen);
    }
    size_t kept = static_cast<size_t>(seen);
    while (kept < plan.steps.size() &&
           !sameMatch(states[kept].first, storedScreen(states[kept].second), probe.match,
                      probe.screen, false))
      ++kept;
    ASSERT_LT(kept, plan.steps.size()) << what << ": the file is no step's match";
    restartAndFinish(childFolder, kept, what + ", found at step " + std::to_string(kept));
  }
}

}  // namespace
