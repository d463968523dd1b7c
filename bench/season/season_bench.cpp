// A season read from its match files: a club's 40 matches of some 200
// events listed, summed and shown in the window 「シーズン」, and a league's
// 1,000 files listed and summed for one team, with the memory the listing
// holds. The files are made once, before the first measurement.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <QApplication>

#include "scratch_folder.h"
#include "season_folder.h"
#include "season_model.h"
#include "season_window.h"

namespace {

namespace fs = std::filesystem;

// A folder of `matches` matches of 東高校, made at the first call.
const fs::path& seasonFolder(int matches) {
  static std::map<int, std::unique_ptr<TempFolder>> folders;
  auto& folder = folders[matches];
  if (!folder) {
    folder = std::make_unique<TempFolder>();
    keepMixedSeason(folder->path(), matches, 100);
  }
  return folder->path();
}

std::vector<const SeasonFile*> all(const std::vector<SeasonFile>& files) {
  std::vector<const SeasonFile*> out;
  for (const SeasonFile& f : files) out.push_back(&f);
  return out;
}

void BM_SeasonListed(benchmark::State& state) {
  const fs::path& folder = seasonFolder(static_cast<int>(state.range(0)));
  size_t heldBytes = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    const std::vector<SeasonFile> files = listSeasonFiles({folder});
    heldBytes = mallinfo2().uordblks - before;
    benchmark::DoNotOptimize(files.data());
  }
  state.counters["held_MiB"] = static_cast<double>(heldBytes) / (1 << 20);
}
BENCHMARK(BM_SeasonListed)->Arg(40)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SeasonSummed(benchmark::State& state) {
  const std::vector<SeasonFile> files =
      listSeasonFiles({seasonFolder(static_cast<int>(state.range(0)))});
  for (auto _ : state) benchmark::DoNotOptimize(seasonFigures(all(files), "東高校", {}));
}
BENCHMARK(BM_SeasonSummed)->Arg(40)->Arg(1000)->Unit(benchmark::kMillisecond);

// What the operator waits for: the window made over the folder, every file
// read and summed, every table filled.
void BM_SeasonWindowShown(benchmark::State& state) {
  const fs::path& folder = seasonFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SeasonWindow window(folder, {});
    window.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SeasonWindowShown)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
