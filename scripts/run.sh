#!/usr/bin/env bash
# Sets up what is missing, builds WYK-Viewer and opens it on the example house. Without a
# display it draws the house into a PNG instead and says where.
# Shares build/ with scripts/test.sh: after a test run nothing needs building here.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build build --target wyk-viewer

model=examples/haus.wyk
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/app/wyk-viewer "$model"
fi
picture="${TMPDIR:-/tmp}/wyk-haus.png"
build/src/app/wyk-viewer --export-picture "$picture" "$model"
echo "No display found: drew $model into $picture"
