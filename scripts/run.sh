#!/usr/bin/env bash
# Installs what is missing, builds Kavrello 4 and starts it in the folder this was called from.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release -DKAVRELLO_TESTS=OFF >/dev/null
cmake --build "$top/build" -j "$(nproc)" --target kavrello4
exec "$top/build/bin/kavrello4"
