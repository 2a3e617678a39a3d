#!/usr/bin/env bash
# Installs what is missing, builds Orvanwise with its tests and runs them.
# ORV_SANITIZE=1 builds and runs them under AddressSanitizer and
# UndefinedBehaviorSanitizer instead (in build-asan/), with the leak checker on;
# tools/lsan.supp names the only leaks forgiven, all inside system libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
if [ "${ORV_SANITIZE:-0}" = 1 ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1
  export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build-test
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}"
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$dir" && ctest --output-on-failure -j"$(nproc)"
