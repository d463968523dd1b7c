// An operator who presses whatever is usable, closes windows, types odd text
// into the roster and saves, step after step, on the real windows; every
// rule of OperatorRules must hold after every step.
//
// CI runs a few seeds for a fixed number of steps. To run longer or to
// replay a failure: HB_OPERATOR_SEED=<seed> HB_OPERATOR_STEPS=<steps>
// operator_tests; tools/operator.sh runs many seeds at length in an
// optimised build.
#include "random_operator.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "gui_test.h"
#include "scratch_folder.h"

namespace {

std::vector<uint64_t> seedsToRun() {
  if (const char* seed = std::getenv("HB_OPERATOR_SEED")) return {std::strtoull(seed, nullptr, 10)};
  return {1, 2, 3, 4};
}

int stepsToRun() {
  const char* steps = std::getenv("HB_OPERATOR_STEPS");
  return steps ? std::atoi(steps) : 1000;
}

}  // namespace

class RandomOperatorTest : public GuiTest, public ::testing::WithParamInterface<uint64_t> {};

TEST_P(RandomOperatorTest, EveryStepKeepsTheRules) {
  ScratchFolder dataFolder;  // the per-user data folder, where the match is kept
  ScratchFolder folder;
  // The match runs past midnight.
  clockSeconds = 23 * 3600 + 40 * 60;
  const auto timeOfDay = [this] { return std::fmod(clockSeconds, 86400.0) / 86400.0; };
  match().timeOfDay = timeOfDay;
  RandomOperator op(windows, {clockSeconds, errorBoxes, questions, notices, boxes, timeOfDay},
                    GetParam(), folder.path().string(), dataFolder.path().string());
  const int steps = stepsToRun();
  for (int step = 1; step <= steps; ++step) {
    const std::string broken = op.step();
    if (broken.empty()) continue;
    FAIL() << "seed " << GetParam() << ", step " << step << ": " << broken
           << "\nreplay: HB_OPERATOR_SEED=" << GetParam() << " HB_OPERATOR_STEPS=" << step
           << " operator_tests\nthe last steps:\n"
           << op.recentSteps();
  }
  std::cout << "seed " << GetParam() << ", " << steps << " steps: " << op.summary() << "\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomOperatorTest, ::testing::ValuesIn(seedsToRun()),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });
