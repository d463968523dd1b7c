// Match files made for tests: a match played part of the way and left as a
// crash would leave it, and raw access to a file's tables to damage it.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "match_script.h"
#include "sqlite_db.h"
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

// Runs SQL on a match file not held by anyone, outside the store.
inline void tamper(const std::filesystem::path& path, const char* sql) {
  Database db(path.string(), SQLITE_OPEN_READWRITE);
  db.exec(sql);
}
