#!/usr/bin/env bash
# Fuzzes the model reader (and the renderer and OFF writer on whatever it accepts) with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer for the given number of seconds.
# libFuzzer's own output goes to build-fuzz/fuzz.log; the run ends with a line of figures,
# or on a finding with the end of the log, the input written to build-fuzz/ and an error.
# Usage: bash scripts/fuzz.sh [SECONDS]    (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

bash scripts/setup.sh --test
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DWYK_WERROR=ON -DWYK_FUZZ=ON -DWYK_SANITIZE=ON -DWYK_BENCHMARKS=OFF \
    >/dev/null
cmake --build build-fuzz --target reader_fuzz -j "$(nproc)"

echo "== Fuzzing the model reader for $seconds s"
corpus=build-fuzz/corpus
log=build-fuzz/fuzz.log
mkdir -p "$corpus"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
if ! build-fuzz/fuzz/reader_fuzz -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ "$corpus" examples fuzz/seeds \
    >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "FAILED: the fuzzer found a problem; the whole output is in $log"
    exit 1
fi
# The last status line ("#runs DONE cov: ... ft: ... corp: inputs/size ...") and the totals.
status=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$log")
new=$(sed -n 's/^stat::new_units_added: *\([0-9]*\)/\1/p' "$log")
echo "Fuzzing: ${runs:-?}, $(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' \
    <<<"$status"), ${new:-?} new inputs, no finding (output in $log)"
