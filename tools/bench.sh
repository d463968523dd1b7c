#!/usr/bin/env bash
# Builds the benchmarks and runs them, after naming the machine they run on.
# Arguments go to the benchmark program, e.g. --benchmark_filter=Save.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/ccache_env.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHB_BENCHMARKS=ON
cmake --build build-bench -j"$(nproc)" --target handball_bench startup_probe
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
exec ./build-bench/bench/handball_bench "$@"
