#!/usr/bin/env bash
# A long run of the random operator: tools/operator.sh SEEDS STEPS [JOBS]
# SEEDS is a list (301,302) or a range (301-308); STEPS the steps per seed;
# JOBS how many seeds run at once (default 2). Builds an optimised test
# build in build-rel, runs each seed on its own, writes its output to
# build-rel/operator-<seed>.log and ends with one line per seed.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ $# -lt 2 ]]; then
  echo "usage: $0 SEEDS STEPS [JOBS]   e.g. $0 301-308 100000 2" >&2
  exit 2
fi
seeds=()
for part in ${1//,/ }; do
  if [[ $part == *-* ]]; then
    for ((s = ${part%-*}; s <= ${part#*-}; ++s)); do seeds+=("$s"); done
  else
    seeds+=("$part")
  fi
done
steps=$2
jobs=${3:-2}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-rel -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHB_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build build-rel -j"$jobs" --target operator_tests

export QT_QPA_PLATFORM=offscreen
run() {
  local seed=$1 start=$SECONDS
  if HB_OPERATOR_SEED=$seed HB_OPERATOR_STEPS=$steps build-rel/tests/operator/operator_tests \
    >"build-rel/operator-$seed.log" 2>&1; then
    echo "seed $seed, $steps steps: passed in $((SECONDS - start)) s"
  else
    echo "seed $seed, $steps steps: FAILED after $((SECONDS - start)) s, see build-rel/operator-$seed.log"
    grep -m1 -A1 "^seed $seed, step " "build-rel/operator-$seed.log" || true
    return 1
  fi
}
pids=()
for seed in "${seeds[@]}"; do
  while (($(jobs -rp | wc -l) >= jobs)); do sleep 2; done
  run "$seed" &
  pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit "$failed"
