#!/usr/bin/env bash
# Installs what is missing, builds Orvanwise and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV_TESTS=OFF -DORV_BENCH=OFF
cmake --build build -j"$(nproc)" --target orvanwise
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Built build/bin/orvanwise, but there is no display to show it on: run it from a graphical session." >&2
  exit 1
fi
exec build/bin/orvanwise "$@"
