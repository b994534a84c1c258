#!/usr/bin/env bash
# Sets up what is missing and runs the whole test suite twice: as built for users, and under
# AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the run. Then a
# short fuzzing run of the model reader when clang is present.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Tests, release build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWYK_SANITIZE=ON \
    -DWYK_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

if command -v clang++ >/dev/null; then
    echo "== Fuzzing the model reader for ${WYK_FUZZ_SECONDS:=60} s"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DWYK_FUZZ=ON -DWYK_SANITIZE=ON -DWYK_BENCHMARKS=OFF >/dev/null
    cmake --build build-fuzz --target reader_fuzz -j "$jobs"
    corpus=build-fuzz/corpus
    mkdir -p "$corpus"
    build-fuzz/fuzz/reader_fuzz -max_total_time="$WYK_FUZZ_SECONDS" -max_len=65536 \
        -rss_limit_mb=2048 -artifact_prefix=build-fuzz/ "$corpus" examples fuzz/seeds
fi
