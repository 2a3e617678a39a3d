#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the
# tests need and the machine lacks. Run as root.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libbenchmark-dev poppler-utils
  fonts-liberation2 fonts-dejavu-core
  clang-14 libclang-rt-14-dev
  xvfb xauth clang-format
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
