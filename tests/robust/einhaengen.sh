#!/usr/bin/env bash
# Exports onto mounts of our own in a private mount namespace. On a full disk each export fails
# with exit code 1 and a message naming the file, and leaves only files of a complete export,
# on a tmpfs and through FUSE (bindfs), where there are no unnamed files and the exports go
# through named temporary files; a hard-linked file is written in place only once room for all
# of it is reserved, and then from its start, also on ext2 and FUSE. A single file mounted over
# another (as container volumes are) is written in place. Interrupts and kills at widened
# moments leave no temporary file and no half-written one.
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
trap '{ umount "$work/disk" "$work/b" "$work/ext2"; umount -l "$work/unten"; } 2>/dev/null
    rm -rf "$work"' EXIT
cd "$work" && mkdir disk reference || exit 1
mount -t tmpfs -o size=64k none disk || skip "cannot mount tmpfs"
"$viewer" --export-web reference/h.off "$model"
check "export to a disk with room: exit code" 0 $?

# Fills the folder's disk, leaving the given number of free 4 KiB pages.
fill_leaving() { # folder, pages
    rm -f "$1/filler"
    dd if=/dev/zero of="$1/filler" bs=4096 2>/dev/null
    truncate -s "-$(($2 * 4096))" "$1/filler"
}

# name, the export's arguments: it must fail; what it leaves on the disk is complete.
expect_failure() {
    local name="$1 ($art)" message
    shift
    message=$("$viewer" "$@" 2>&1 >/dev/null)
    check "$name: exit code" 1 $?
    [[ "$message" == *"$work/disk"* ]] && message="names the file"
    check "$name: the message" "names the file" "$message"
    for written in $(ls -A disk | grep -v '^filler$'); do
        check "$name: $written" same "$(gleich "disk/$written" "reference/$written")"
    done
}

# First on the tmpfs, then through FUSE over one.
for art in tmpfs fuse; do
    if [ $art = fuse ]; then
        rm -f disk/* && umount disk && mkdir unten && mount -t tmpfs -o size=64k none unten &&
            bindfs unten disk || { fehlt "no FUSE mount (bindfs) here"; break; }
        fuse=ja
    fi
    for mal in "new files" "the same replaced"; do
        "$viewer" --export-web disk/h.off "$model"
        check "web export, $mal ($art): exit code" 0 $?
        check "web export, $mal ($art): the files" same \
            "$(diff -r -x "d*.off" disk reference && echo same)"
    done
    fill_leaving disk 0
    expect_failure "OFF on a full disk" --export-off "$work/disk/h.off" "$model"
    expect_failure "picture on a full disk" --export-png "$work/disk/h.png" "$model"
    fill_leaving disk 1 # room for the OFF file only
    expect_failure "page without room" --export-web "$work/disk/h.off" "$model"
    rm -f disk/h.off
    fill_leaving disk 2 # room for the OFF file and the page
    expect_failure "class files without room" --export-web "$work/disk/h.off" "$model"
    rm -f disk/*
    "$viewer" --export-off disk/d.off "${model%/*}/dreieck.wyk" && ln disk/d.off disk/d2.off
    cp disk/d.off reference/d.off && cp disk/d.off reference/d2.off && fill_leaving disk 0
    expect_failure "picture in place on a full disk" --export-png "$work/disk/d2.off" \
        --size 1424x865 "$model"
done

# An OFF export to the named file under strace, every call of the system call held for two
# seconds before or after it; once the condition (a command) holds, the signal is sent. The
# calls go to spur.
unterbrechen() { # signal, system call:delay_enter or :delay_exit, condition, file
    strace -f -o spur -e trace=openat,"${2%:*}" -e inject="$2"=2000000 bash -c \
        'echo $$ >pid; exec "$0" --export-off "$1" "$2"' "$viewer" "$4" "$model" 2>/dev/null &
    for _ in $(seq 100); do eval "$3" && break || sleep 0.1; done
    kill -"$1" "$(cat pid)"
    wait $! 2>/dev/null
}
temporaere() { ls -A disk | grep -c '^\.wyk-'; }
if ! command -v strace >/dev/null; then
    fehlt "strace is missing"
else
    if [ "${fuse:-}" = ja ]; then
        # Through FUSE the new file is a named temporary one, readable by its owner alone while it
        # is written, which an interrupt removes and a later export removes after a kill.
        rm -f disk/* && echo alt >disk/s.off
        unterbrechen TERM fsync:delay_exit "[ \$(temporaere) = 1 ]" disk/s.off
        check "OFF interrupted during its fsync: the old file" alt "$(cat disk/s.off)"
        check "OFF interrupted during its fsync: temporary files" 0 "$(temporaere)"
        angelegt='wyk-[^"]*", O_WRONLY|O_CREAT|O_EXCL|O_CLOEXEC, 0[0-7]*'
        check "OFF interrupted during its fsync: the temporary file's mode" 0600 \
            "$(grep -o "$angelegt" spur | sed 's/.*, //')"
        unterbrechen KILL fsync:delay_exit "[ \$(temporaere) = 1 ]" disk/s.off
        # Beside the file the kill left, two of a process that lives: written now, and written
        # before it started (so by another that had its number); only the first may stay.
        sleep 60 &
        marke=$(ls -A disk | grep '^\.wyk-') && marke=${marke%-*-*}-$!
        echo x >"disk/$marke-jetzt" && echo x >"disk/$marke-vorher"
        touch -d -1hour "disk/$marke-vorher"
        "$viewer" --export-off disk/t.off "$model"
        check "OFF after one killed during its fsync: temporary files" "$marke-jetzt" \
            "$(ls -A disk | grep '^\.wyk-')"
        kill $! && rm "disk/$marke-jetzt"
    fi
    # Where the file is unnamed while written, a kill before its renaming leaves a second name,
    # which the window's start removes in the folder it remembers, as a later export does there.
    echo alt >s.off && unterbrechen KILL renameat:delay_enter "grep -q renameat spur" s.off
    mkdir -p konf/wyk-viewer
    printf '[Modell]\nOrdner=%s\n' "$PWD" >konf/wyk-viewer/wyk-viewer.conf
    XDG_CONFIG_HOME=$PWD/konf "$viewer" &
    for _ in $(seq 100); do ls -A | grep -q wyk- && sleep 0.1 || break; done
    kill $! && wait $! 2>/dev/null
    check "the window started after a kill before the renaming: temporary files" 0 \
        "$(ls -A | grep -c wyk-)"
    echo alt >s.off && unterbrechen KILL renameat:delay_enter "grep -q renameat spur" s.off
    "$viewer" --export-off t.off "$model"
    check "OFF after one killed before its renaming: temporary files" 0 "$(ls -A | grep -c wyk-)"
    # In place an interrupt waits until the file is whole.
    head -c 9000 /dev/zero | tr '\0' x >disk/s.off && ln -f disk/s.off disk/s2.off
    unterbrechen TERM pwrite64:delay_exit '[ "$(head -c 3 disk/s.off)" = OFF ]' disk/s.off
    check "OFF in place interrupted during its write: the file" same \
        "$(gleich disk/s.off reference/h.off)"
fi

echo alt >a && touch b && mount --bind a b || skip "cannot bind-mount a file"
"$viewer" --export-off b "$model"
check "file mounted over another: exit code" 0 $?
check "file mounted over another: the file written" OFF "$(head -c 3 a)"

if truncate -s 1M disk.img && mkfs.ext2 -q -F disk.img && mkdir ext2 &&
    mount -o loop disk.img ext2 2>/dev/null; then
    # Written in place (a hard link) where the file system reserves no room: the new content
    # from the file's start and nothing of the old after it, be the old one shorter or longer.
    for ort in ext2 disk; do
        for alt in 100 5000; do
            rm -f $ort/*.off $ort/filler && head -c $alt /dev/urandom >$ort/i.off
            ln $ort/i.off $ort/i2.off && "$viewer" --export-off $ort/i.off "$model"
            check "OFF in place over $alt bytes on $ort: exit code" 0 $?
            check "OFF in place over $alt bytes on $ort: the file" same \
                "$(gleich $ort/i.off reference/h.off)"
        done
    done
    rm -f ext2/*.off
    # Longer than a page, so that a write that is not reserved changes the first one.
    head -c 5000 /dev/urandom >ext2/d.off && ln ext2/d.off ext2/d2.off && cp ext2/d.off d.off
    fill_leaving ext2 0
    "$viewer" --export-picture ext2/d.off --size 1424x865 "$model" 2>/dev/null
    check "picture onto a full ext2 disk: exit code" 1 $?
    check "picture onto a full ext2 disk: the hard-linked file" same "$(gleich ext2/d2.off d.off)"
else
    fehlt "no ext2 file system can be mounted here"
fi
exit $status
