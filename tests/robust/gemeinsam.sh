# Shared by the robustness scripts, which source it: check compares one result and marks the
# run failed; skip ends a run that cannot be made here, as skipped, or as failed under CI.
status=0
check() { # name, expected, actual
    [ "$2" = "$3" ] || { echo "FAILED: $1: expected '$2', got '$3'"; status=1; }
}
skip() { # reason
    echo "$1: skipped"
    [ -n "${CI:-}" ] && exit 1
    exit 77
}
