#!/usr/bin/env bash
# Exports onto a full disk: a small file system of our own in a private mount namespace, so the
# test needs neither root nor a real disk. Every writer must report the failure, naming the
# file, and leave no truncated file behind.
# Usage: full_disk.sh WYK_VIEWER MODEL
set -u
viewer=$1
model=$2
if [ "${3:-}" != "--inside" ]; then
    unshare -rm true 2>/dev/null || { echo "no private mount namespaces here: skipped"; exit 77; }
    exec unshare -rm bash "$0" "$viewer" "$model" --inside
fi

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

disk=$(mktemp -d)
reference=$(mktemp -d)
mount -t tmpfs -o size=64k none "$disk" || { echo "cannot mount tmpfs: skipped"; exit 77; }
"$viewer" --export-web "$reference/h.off" "$model" || fail "export to a disk with room"

# Fills the disk, leaving the given number of free 4 KiB pages.
fill_leaving() {
    rm -f "$disk/filler"
    dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null
    truncate -s "-$(($1 * 4096))" "$disk/filler"
}

# Runs an export that must fail with exit code 1 and a message naming the file; sets left to
# the files on the disk besides the filler.
expect_failure() {
    local name=$1 message code
    shift
    message=$("$viewer" "$@" 2>&1 >/dev/null)
    code=$?
    [ "$code" -eq 1 ] || fail "$name: exit code $code, expected 1"
    [[ "$message" == *"$disk"* ]] || fail "$name: the message does not name the file: $message"
    left=$(cd "$disk" && ls -A | grep -v '^filler$' | sort | tr '\n' ' ')
}

fill_leaving 0
expect_failure "OFF on a full disk" --export-off "$disk/h.off" "$model"
[ -z "$left" ] || fail "OFF on a full disk left: $left"
expect_failure "picture on a full disk" --export-png "$disk/h.png" "$model"
[ -z "$left" ] || fail "picture on a full disk left: $left"

# Room for the OFF file only: the page and the class files must fail.
fill_leaving 1
expect_failure "page and classes without room" --export-web "$disk/h.off" "$model"
[ "$left" = "h.off " ] || fail "without room for the page, left: $left"
cmp -s "$disk/h.off" "$reference/h.off" || fail "the OFF file written before the failure differs"

# Room for the OFF file and the page: the class files fail, none is left truncated.
rm -f "$disk/h.off"
fill_leaving 2
expect_failure "classes without room" --export-web "$disk/h.off" "$model"
for written in $left; do
    cmp -s "$disk/$written" "$reference/$written" || fail "$written differs from a complete export"
done

umount "$disk"
echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
[ "$failures" -eq 0 ]
