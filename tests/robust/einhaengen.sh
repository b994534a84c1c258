#!/usr/bin/env bash
# Exports onto mounts, in a private mount namespace: a single file mounted over another (as
# container volumes are) is written in place; on ext2, which cannot reserve room itself, a full
# disk still leaves a hard-linked file whole.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
model=$2
if [ "${3:-}" != "--inside" ]; then
    if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
        exec unshare -m bash "$0" "$viewer" "$model" --inside
    fi
    unshare -rm true 2>/dev/null && exec unshare -rm bash "$0" "$viewer" "$model" --inside
    skip "no private mount namespaces here"
fi
work=$(mktemp -d)
trap 'umount "$work/b" "$work/ext2" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

echo alt >a && touch b && mount --bind a b || { echo "cannot bind-mount a file: skipped"; exit 77; }
"$viewer" --export-off b "$model"
check "file mounted over another: exit code" 0 $?
check "file mounted over another: the file written" OFF "$(head -c 3 a)"

if truncate -s 1M disk && mkfs.ext2 -q -F disk && mkdir ext2 && mount -o loop disk ext2 2>/dev/null; then
    # Longer than a page, so that a write that is not reserved changes the first one.
    head -c 5000 /dev/urandom >ext2/d.off && ln ext2/d.off ext2/d2.off && cp ext2/d.off d.off
    dd if=/dev/zero of=ext2/voll bs=4096 2>/dev/null
    "$viewer" --export-picture ext2/d.off --size 1424x865 "$model" 2>/dev/null
    check "picture onto a full ext2 disk: exit code" 1 $?
    check "picture onto a full ext2 disk: the hard-linked file" whole "$(cmp -s ext2/d2.off d.off && echo whole)"
else
    echo "no ext2 file system can be mounted here: its check is skipped"
    [ -n "${CI:-}" ] && status=1
fi
exit $status
