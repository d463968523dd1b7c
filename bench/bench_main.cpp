// The benchmarks that need windows run them on the offscreen platform.
#include <benchmark/benchmark.h>

#include "offscreen_app.h"

int main(int argc, char** argv) {
  offscreen::prepare();
  QApplication app(argc, argv);
  offscreen::setUp(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
