#!/usr/bin/env bash
# Builds the program and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
builddir=${BUILD_DIR:-build}
cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$builddir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$builddir" --output-on-failure -j2 --timeout 300 ${CTEST_ARGS:-}
