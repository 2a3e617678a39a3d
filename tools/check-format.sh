#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it
# (the style is the repository's .clang-format). Only C++ sources and headers
# are looked at: CMake lists and SQL files keep their own layout.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
