// A match script as the single steps an operator takes, one click or one
// typed cell at a time, so that a test can stop, keep, kill or bring back
// the match between any two of them. With detours, the plan also corrects
// every kind of step, pauses and continues the clock, switches windows,
// saves, and edits recorded events and undoes the edits again, all in ways
// that leave the saved files those of the script.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "screen.h"

struct Step {
  std::string kind;   // what the operator does, e.g. "pick", "detail 反則", "undo"
  std::string event;  // the play of the event the step is part of, if any
  std::function<void(Screen&)> take;
  int clockSeconds = 0;  // the clock the script has set once the step is taken
};

struct StepPlan {
  std::vector<Step> steps;

  // A time of day that follows the steps taken through it.
  std::shared_ptr<double> seconds = std::make_shared<double>(0);
  void attach(Match& m) const {
    m.timeOfDay = [s = seconds] { return *s / 86400.0; };
  }
  void take(Screen& s, size_t i) const {
    *seconds = steps[i].clockSeconds;
    steps[i].take(s);
  }
  // The clock as it stood after step i, for a match brought back there.
  void standAfter(size_t i) const { *seconds = steps[i].clockSeconds; }
};

StepPlan planOf(const std::filesystem::path& script, bool detours);
