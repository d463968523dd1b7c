// Playing a step plan into a match while a match file keeps every step.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "match_file.h"
#include "match_rows.h"
#include "screen_in_file.h"
#include "step_plan.h"

// Steps [from, to) of the plan, each kept in `file` when there is one.
inline void playSteps(const StepPlan& plan, Screen& s, size_t from, size_t to,
                      MatchFile* file = nullptr) {
  for (size_t i = from; i < to; ++i) {
    plan.take(s, i);
    if (file) file->commit(s.match(), storedScreen(s));
  }
}

// The match kept in `file` put back into the live match and screen.
inline void restoreFrom(MatchFile& file, Match& m, Screen& s) {
  s.restore(screenState(file.restoreInto(m)));
}

// A match from elsewhere taken into the live match and screen.
inline MatchFile importFrom(const std::filesystem::path& source,
                            const std::filesystem::path& folder, Match& m, Screen& s) {
  StoredScreen screen;
  MatchFile file = MatchFile::import(source, folder, m, screen);
  s.restore(screenState(screen));
  return file;
}

// The first step of each kind, by kind.
inline std::map<std::string, size_t> firstOfEachKind(const StepPlan& plan) {
  std::map<std::string, size_t> first;
  for (size_t i = 0; i < plan.steps.size(); ++i) first.emplace(plan.steps[i].kind, i);
  return first;
}

// The match and screen as kept, against the live ones; the files a save
// wrote are compared only where the same files are meant.
inline ::testing::AssertionResult sameMatch(const MatchState& kept, const StoredScreen& keptScreen,
                                            const Match& m, const Screen& s,
                                            bool sameSavedFiles = true) {
  MatchState live = m.state();
  MatchState back = kept;
  if (!sameSavedFiles) live.savedFiles = back.savedFiles = {};
  if (back.teams != live.teams) return ::testing::AssertionFailure() << "roster differs";
  if (back.events != live.events) return ::testing::AssertionFailure() << "events differ";
  if (!(back.entry == live.entry)) return ::testing::AssertionFailure() << "entry differs";
  if (!(back.clock == live.clock)) return ::testing::AssertionFailure() << "clock differs";
  if (!(back.history == live.history)) return ::testing::AssertionFailure() << "edits differ";
  if (!(back == live)) return ::testing::AssertionFailure() << "boxes or saved files differ";
  if (!(keptScreen == storedScreen(s))) return ::testing::AssertionFailure() << "screen differs";
  return ::testing::AssertionSuccess();
}
