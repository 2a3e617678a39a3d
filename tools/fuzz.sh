#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and the sanitizers (in
# build-fuzz/) and runs each for a bounded time over a copy of its seeds.
# Any finding (crash, sanitizer report, broken property, timeout, memory
# limit) fails the script; the input is left in build-fuzz/findings/<target>/
# and belongs, once fixed, in tests/fuzz/regressions/<target>/.
#   ORV_FUZZ_SECONDS   seconds per target (default 60)
#   ORV_FUZZ_JOBS      build jobs (default: the processors)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${ORV_FUZZ_SECONDS:-60}"
jobs="${ORV_FUZZ_JOBS:-$(nproc)}"
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORV_FUZZ=ON -DORV_TESTS=OFF -DORV_BENCH=OFF
cmake --build build-fuzz -j"$jobs" --target fuzzers
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
failed=0
for seeds in tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  work="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  log="build-fuzz/fuzz_$target.log"
  if ./build-fuzz/bin/fuzz_"$target" "$work" "$seeds" -max_total_time="$seconds" -timeout=5 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1; then
    echo "fuzz_$target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions, no finding"
  else
    echo "fuzz_$target: FINDING (see $log and $findings/)"
    tail -n 40 "$log"
    failed=1
  fi
done
exit "$failed"
