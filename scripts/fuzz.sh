#!/usr/bin/env bash
# Fuzzes the model reader (and the renderer and OFF writer on whatever it accepts) with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer for the given number of seconds.
# Inputs that find something are written to build-fuzz/ and end the run with an error.
# Usage: bash scripts/fuzz.sh [SECONDS]    (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

bash scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWYK_FUZZ=ON -DWYK_SANITIZE=ON -DWYK_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target reader_fuzz -j "$(nproc)"

echo "== Fuzzing the model reader for $seconds s"
corpus=build-fuzz/corpus
mkdir -p "$corpus"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
build-fuzz/fuzz/reader_fuzz -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ "$corpus" examples fuzz/seeds
