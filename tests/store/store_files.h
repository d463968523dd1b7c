// Match files made for tests: a match played part of the way and left as a
// crash would leave it; older_versions.h gives raw access to its tables.
#pragma once

#include <filesystem>
#include <string>

#include "match_script.h"
#include "older_versions.h"
#include "store_steps.h"

// `steps` steps of full_match.match kept in a new file in `folder`; the file
// is closed as when the program stops without the close box.
inline std::filesystem::path leftMatch(const std::filesystem::path& folder, size_t steps) {
  const StepPlan plan = planOf(testDataPath("full_match.match"), false);
  ScriptedMatch live;
  plan.attach(live.match);
  MatchFile file = MatchFile::create(folder);
  playSteps(plan, live.screen, 0, std::min(steps, plan.steps.size()), &file);
  return file.path();
}
