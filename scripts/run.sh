#!/usr/bin/env bash
# Sets up what is missing, builds WYK-Viewer and opens it on the example house. Without a
# display it draws the house into a PNG instead and says where.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DWYK_BENCHMARKS=OFF >/dev/null
cmake --build build --target wyk-viewer

model=examples/haus.wyk
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/app/wyk-viewer "$model"
fi
picture="${TMPDIR:-/tmp}/wyk-haus.png"
build/src/app/wyk-viewer --export-png "$picture" "$model"
echo "No display found: drew $model into $picture"
