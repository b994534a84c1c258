# Sourced by the test scripts: check compares one result and marks the run failed; gleich says
# whether two files hold the same bytes; skip ends a run that cannot go on here, as skipped, or
# as failed under CI or after a failed check.
status=0
check() { # name, expected, actual
    [ "$2" = "$3" ] || { echo "FAILED: $1: expected '$2', got '$3'"; status=1; }
}
gleich() { # file, file
    cmp -s "$1" "$2" && echo same || echo different
}
skip() { # reason
    echo "$1: skipped"
    [ -n "${CI:-}" ] || [ "$status" -ne 0 ] && exit 1
    exit 77
}
fehlt() { # what cannot be done here: its checks are skipped, and the run fails under CI
    echo "$1: its checks are skipped"
    [ -z "${CI:-}" ] || status=1
}
check_exit() { # name, expected exit code, the command to run
    "${@:3}"
    check "$1: exit code" "$2" $?
}
check_same() { # name, file, file: the two hold the same bytes
    check "$1" same "$(gleich "$2" "$3")"
}
