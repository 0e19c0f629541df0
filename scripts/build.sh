#!/usr/bin/env bash
# Builds the native unit tests and the Windows program with its Windows-side tests.
#   scripts/build.sh [BUILD_DIR]     (default: build/ at the top of the checkout)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

cmake -S "$root" -B "$build/native" -DPROJECT1_WERROR=ON >/dev/null
cmake --build "$build/native" -j"$(nproc)"
cmake -S "$root" -B "$build/windows" -DPROJECT1_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" -j"$(nproc)"
