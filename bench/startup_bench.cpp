// Start-up to the first paint, each run in a child process of its own: the
// program with its team sheet, a bare Qt window of the same size, and that
// bare window showing one line of Japanese text (what any window with
// Japanese text pays for its fonts). Runs of the three alternate, so that a
// busy machine slows all alike; the figures to read are the ratios of the
// times and the differences of the peak resident memory.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ChildRun {
  double seconds;  // from the start of the process to its first paint
  double peakMiB;  // once all its windows are built
};

ChildRun runProbe(const char* mode) {
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("no pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(HB_STARTUP_PROBE), const_cast<char*>(mode), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, HB_STARTUP_PROBE, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) throw std::runtime_error("cannot start the probe");
  // "painted", then the peak memory; the first byte marks the paint.
  std::string text;
  char chunk[64];
  ssize_t got = read(out[0], chunk, sizeof chunk);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  for (; got > 0; got = read(out[0], chunk, sizeof chunk)) text.append(chunk, got);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  const auto newline = text.find('\n');
  if (text.rfind("painted\n", 0) != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(std::string("the probe failed: ") + mode);
  return {elapsed.count(), std::atol(text.c_str() + newline + 1) / 1024.0};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void BM_StartUpBesideABareWindow(benchmark::State& state) {
  const char* modes[] = {"bare", "text", "program"};
  std::map<std::string, std::vector<double>> ms, mib;
  for (auto _ : state) {
    for (const char* mode : modes) {
      const ChildRun run = runProbe(mode);
      ms[mode].push_back(run.seconds * 1000);
      mib[mode].push_back(run.peakMiB);
      if (std::string(mode) == "program") state.SetIterationTime(run.seconds);
    }
  }
  state.counters["bare_ms"] = median(ms["bare"]);
  state.counters["text_ms"] = median(ms["text"]);
  state.counters["program_ms"] = median(ms["program"]);
  state.counters["program_vs_bare"] = median(ms["program"]) / median(ms["bare"]);
  state.counters["text_vs_bare"] = median(ms["text"]) / median(ms["bare"]);
  state.counters["bare_MiB"] = median(mib["bare"]);
  state.counters["text_MiB"] = median(mib["text"]);
  state.counters["program_MiB"] = median(mib["program"]);
  state.counters["extra_MiB"] = median(mib["program"]) - median(mib["bare"]);
}
BENCHMARK(BM_StartUpBesideABareWindow)
    ->UseManualTime()
    ->Iterations(21)
    ->Unit(benchmark::kMillisecond);

}  // namespace
