#!/usr/bin/env bash
# Sets up what is missing and runs the whole test suite twice: as built for users, and under
# AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the run. In between,
# a one-minute fuzzing run of the model reader when clang is present. Warnings are errors
# here. build/ is the configuration scripts/run.sh uses too, so it has nothing left to build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Tests, release build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DWYK_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

if command -v clang++ >/dev/null; then
    bash scripts/fuzz.sh 60
fi

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DWYK_WERROR=ON \
    -DWYK_SANITIZE=ON -DWYK_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
