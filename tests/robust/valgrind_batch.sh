#!/usr/bin/env bash
# The batch mode under Valgrind's memcheck: a load, a redraw and every export, with no memory
# error and no leak.
# Usage: valgrind_batch.sh WYK_VIEWER EXAMPLES_DIR
set -u
viewer=$1
examples=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

failures=0
passes=0
check() {
    if valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
        "$viewer" "$@" >/dev/null 2>"$out/log"; then
        passes=$((passes + 1))
    else
        echo "FAILED: $*"
        grep -v XDG_RUNTIME_DIR "$out/log"
        failures=$((failures + 1))
    fi
}

check --export-web "$out/haus.off" "$examples/haus.wyk"
check --export-png "$out/farben.png" --size 1424x865 "$examples/farben.wyk"
check --export-off "$out/wuerfel.off" "$examples/wuerfel.wyk"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
