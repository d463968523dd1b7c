#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests once, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
# Arguments go to ctest: `bash tools/test.sh -L unit` runs the quick ones.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/ccache_env.sh
export QT_QPA_PLATFORM=offscreen
# The tests save thousands of small files and sync each to the disk; in a
# memory file system the syncs return at once and test the same code.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
jobs="$(nproc)"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHB_SANITIZE=ON -DHB_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
# Any report (a bad address, undefined behaviour, a leak at exit) ends the
# process that made it with an error, which fails its test.
# The leak check at exit reads each thread's dynamic TLS from glibc's
# records, which this glibc leaves in a shape the checker misreads once a
# library with TLS was loaded late (fonts, Qt's plugins): it then crashes
# after the test passed ("Tracer caught signal 11"). Not following
# __tls_get_addr keeps it off those records; leaks are still found.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitize
ctest --output-on-failure -j"$jobs" "$@"
