#!/usr/bin/env bash
# Exports onto a full disk: a small file system of our own in a private mount namespace, so the
# test needs neither root nor a real disk.
set -u
viewer=$1
model=$2
if [ "${3:-}" != "--inside" ]; then
    unshare -rm true 2>/dev/null || { echo "no private mount namespaces here: skipped"; exit 77; }
    exec unshare -rm bash "$0" "$viewer" "$model" --inside
fi

status=0
fail() {
    echo "FAILED: $*"
    status=1
}

disk=$(mktemp -d)
reference=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null; rm -rf "$disk" "$reference"' EXIT
mount -t tmpfs -o size=64k none "$disk" || { echo "cannot mount tmpfs: skipped"; exit 77; }
"$viewer" --export-web "$reference/h.off" "$model" || fail "export to a disk with room"

# Fills the disk, leaving the given number of free 4 KiB pages.
fill_leaving() {
    rm -f "$disk/filler"
    dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null
    truncate -s "-$(($1 * 4096))" "$disk/filler"
}

# Runs an export that must fail with exit code 1 and a message naming the file; every file it
# leaves on the disk must be one of a complete export.
expect_failure() {
    local name=$1 message code
    shift
    message=$("$viewer" "$@" 2>&1 >/dev/null)
    code=$?
    [ "$code" -eq 1 ] || fail "$name: exit code $code, expected 1"
    [[ "$message" == *"$disk"* ]] || fail "$name: the message does not name the file: $message"
    for written in $(cd "$disk" && ls -A | grep -v '^filler$'); do
        cmp -s "$disk/$written" "$reference/$written" || fail "$name: left $written incomplete"
    done
}

fill_leaving 0
expect_failure "OFF on a full disk" --export-off "$disk/h.off" "$model"
expect_failure "picture on a full disk" --export-png "$disk/h.png" "$model"
fill_leaving 1 # room for the OFF file only
expect_failure "page without room" --export-web "$disk/h.off" "$model"
rm -f "$disk/h.off"
fill_leaving 2 # room for the OFF file and the page
expect_failure "class files without room" --export-web "$disk/h.off" "$model"
# A file with a further hard link is written in place, only once room for all of it is reserved.
rm -f "$disk"/*
"$viewer" --export-off "$disk/d.off" "${model%/*}/dreieck.wyk" && ln "$disk/d.off" "$disk/d2.off"
cp "$disk/d.off" "$reference/d.off" && fill_leaving 0
"$viewer" --export-png "$disk/d.off" --size 1424x865 "$model" 2>/dev/null && fail "a full disk took a picture"
cmp -s "$disk/d2.off" "$reference/d.off" || fail "writing in place cut the old file on a full disk"
exit $status
