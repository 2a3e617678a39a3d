#!/usr/bin/env bash
# Installs what is missing, builds Orvanwise and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV_TESTS=OFF -DORV_BENCH=OFF
cmake --build build -j"$(nproc)" --target orvanwise
exec build/bin/orvanwise "$@"
