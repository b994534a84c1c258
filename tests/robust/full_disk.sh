#!/usr/bin/env bash
# Exports onto a full disk: a small file system of our own in a private mount namespace, so the
# test needs neither root nor a real disk. Each failed export ends with exit code 1 and a
# message naming the file, and leaves only files of a complete export.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
model=$2
if [ "${3:-}" != "--inside" ]; then
    unshare -rm true 2>/dev/null || skip "no private mount namespaces here"
    exec unshare -rm bash "$0" "$viewer" "$model" --inside
fi
disk=$(mktemp -d)
reference=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null; rm -rf "$disk" "$reference"' EXIT
mount -t tmpfs -o size=64k none "$disk" || skip "cannot mount tmpfs"
"$viewer" --export-web "$reference/h.off" "$model"
check "export to a disk with room: exit code" 0 $?

# Fills the disk, leaving the given number of free 4 KiB pages.
fill_leaving() {
    rm -f "$disk/filler"
    dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null
    truncate -s "-$(($1 * 4096))" "$disk/filler"
}

# name, the export's arguments: it must fail; what it leaves on the disk is complete.
expect_failure() {
    local name=$1 message
    shift
    message=$("$viewer" "$@" 2>&1 >/dev/null)
    check "$name: exit code" 1 $?
    [[ "$message" == *"$disk"* ]] && message="names the file"
    check "$name: the message" "names the file" "$message"
    for written in $(cd "$disk" && ls -A | grep -v '^filler$'); do
        check "$name: $written" same "$(gleich "$disk/$written" "$reference/$written")"
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
cp "$disk/d.off" "$reference/d.off" && cp "$disk/d.off" "$reference/d2.off" && fill_leaving 0
expect_failure "picture in place on a full disk" --export-png "$disk/d2.off" --size 1424x865 "$model"
exit $status
