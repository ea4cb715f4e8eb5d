#!/usr/bin/env bash
# Installs what is missing, builds Kavrello 4 with its tests and runs them all (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${KAVRELLO_BUILD_DIR:-build-tests}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVRELLO_TESTS=ON "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
