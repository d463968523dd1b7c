#!/usr/bin/env bash
# Builds every benchmark and runs handball_bench, after naming the machine
# it runs on. Arguments go to it, e.g. --benchmark_filter=Save. The others
# (docs/performance.md) are run from build-bench/bench/ as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/ccache_env.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHB_BENCHMARKS=ON
cmake --build build-bench -j"$(nproc)" --target handball_bench startup_probe figures_bench \
  report_bench store_bench season_bench clip_bench video_bench play_check watch_check
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
exec ./build-bench/bench/handball_bench "$@"
