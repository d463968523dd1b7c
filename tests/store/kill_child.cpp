// The recorder as a process to be killed: plays a match script with every
// detour step by step, keeping each step as the windows do, and says on
// standard output which step it has kept. At the step it is told to stop
// after, it waits to be killed; told -1, it never stops.
//
//   store_kill_child SCRIPT FOLDER STOP_AFTER
// Saves go into FOLDER, the match file into FOLDER/data.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "match_safekeeping.h"
#include "match_script.h"
#include "screen_in_file.h"
#include "step_plan.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: store_kill_child SCRIPT FOLDER STOP_AFTER\n";
    return 2;
  }
  const StepPlan plan = planOf(argv[1], true);
  std::filesystem::current_path(argv[2]);
  const long stopAfter = std::atol(argv[3]);
  ScriptedMatch live;
  plan.attach(live.match);
  ScreenInFile screen(live.screen);
  MatchSafekeeping keeping(live.match, screen, "data");
  for (size_t i = 0; i < plan.steps.size(); ++i) {
    plan.take(live.screen, i);
    if (auto box = keeping.keep()) {
      std::cerr << *box << '\n';
      return 1;
    }
    std::printf("%zu\n", i);
    std::fflush(stdout);
    if (static_cast<long>(i) == stopAfter) pause();
  }
  pause();
}
