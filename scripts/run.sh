#!/usr/bin/env bash
# Installs what is missing, builds Kavrello 4 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRELLO_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target kavrello4
exec build/bin/kavrello4
