#!/usr/bin/env bash
# Exports onto mounts of our own: on a full disk (tmpfs, FUSE, ext2) one fails naming the file
# and leaves only complete files; hard links and a file mounted over another are written in
# place; interrupts and kills leave no temporary or half-written file.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
model=$2
if [ "${3:-}" != --inside ]; then
    [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null && exec unshare -m bash "$0" "$@" --inside
    unshare -rm true 2>/dev/null && exec unshare -rm bash "$0" "$@" --inside
    skip "no private mount namespaces here"
fi
work=$(mktemp -d)
trap '{ umount "$work/disk" "$work/b" "$work/ext2"; umount -l "$work/unten"; } 2>/dev/null
    rm -rf "$work"' EXIT
cd "$work" && mkdir disk reference || exit 1
mount -t tmpfs -o size=64k none disk || skip "cannot mount tmpfs"
check_exit "export to a disk with room" 0 "$viewer" --export-web reference/h.off "$model"

# Fills the folder's disk, leaving the given number of free 4 KiB pages.
fill_leaving() { # folder, pages
    rm -f "$1/filler"
    dd if=/dev/zero of="$1/filler" bs=4096 2>/dev/null
    truncate -s "-$(($2 * 4096))" "$1/filler"
}

# The export fails, and what it leaves on the disk is complete.
expect_failure() { # name, export, file on the disk, more arguments
    local name="$1 ($art)" message
    message=$("$viewer" --export-"$2" "$work/disk/$3" "${@:4}" "$model" 2>&1 >/dev/null)
    check "$name: exit code" 1 $?
    [[ "$message" == *"$work/disk"* ]] && message="names the file"
    check "$name: the message" "names the file" "$message"
    for written in $(ls -A disk | grep -v '^filler$'); do
        check_same "$name: $written" "disk/$written" "reference/$written"
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
        check_exit "web export, $mal ($art)" 0 "$viewer" --export-web disk/h.off "$model"
        check "web export, $mal ($art): the files" same \
            "$(diff -r -x "d*.off" disk reference && echo same)"
    done
    fill_leaving disk 0
    expect_failure "OFF on a full disk" off h.off
    expect_failure "picture on a full disk" png h.png
    fill_leaving disk 1 # room for the OFF file only
    expect_failure "page without room" web h.off
    rm -f disk/h.off
    fill_leaving disk 2 # room for the OFF file and the page
    expect_failure "class files without room" web h.off
    rm -f disk/*
    "$viewer" --export-off disk/d.off "${model%/*}/dreieck.wyk" && ln disk/d.off disk/d2.off
    cp disk/d.off reference/d.off && cp disk/d.off reference/d2.off && fill_leaving disk 0
    expect_failure "picture in place on a full disk" png d2.off --size 1424x865
done

# An OFF export under strace (log: spur), each call of the system call held for two seconds;
# once the condition (a command) holds, the signal is sent.
unterbrechen() { # signal, system call:delay_enter or :delay_exit, condition, file
    strace -f -o spur -e trace=openat,"${2%:*}" -e inject="$2"=2000000 bash -c \
        'echo $$ >pid; exec "$0" --export-off "$1" "$2"' "$viewer" "$4" "$model" 2>/dev/null &
    for _ in $(seq 100); do eval "$3" && break || sleep 0.1; done
    kill -"$1" "$(cat pid)"
    wait $! 2>/dev/null
}
temporaere() { ls -A "$1" | grep wyk-; } # folder: the temporary files in it
if ! command -v strace >/dev/null; then
    fehlt "strace is missing"
else
    if [ "${fuse:-}" = ja ]; then
        # Through FUSE the file is written as a named temporary one, readable by its owner alone,
        # which an interrupt removes, and after a kill the next export.
        rm -f disk/* && echo alt >disk/s.off
        unterbrechen TERM fsync:delay_exit "temporaere disk >/dev/null" disk/s.off
        fall="OFF interrupted during its fsync"
        check "$fall: the old file" alt "$(cat disk/s.off)"
        check "$fall: temporary files" "" "$(temporaere disk)"
        angelegt='wyk-[^"]*", O_WRONLY|O_CREAT|O_EXCL|O_CLOEXEC, 0[0-7]*'
        check "$fall: the temporary file's mode" 0600 "$(grep -o "$angelegt" spur | sed 's/.*, //')"
        unterbrechen KILL fsync:delay_exit "temporaere disk >/dev/null" disk/s.off
        # Beside the one the kill left, two of a living process: one written now, and one older
        # than it (so of another that had its number); only the first may stay.
        sleep 60 &
        marke=$(temporaere disk) && marke=${marke%-*-*}-$!
        echo x >"disk/$marke-jetzt" && echo x >"disk/$marke-vorher"
        touch -d -1hour "disk/$marke-vorher"
        "$viewer" --export-off disk/t.off "$model"
        check "OFF after one killed during its fsync: temporary files" "$marke-jetzt" \
            "$(temporaere disk)"
        kill $! && rm "disk/$marke-jetzt"
    fi
    # Where the file is unnamed while written, a kill before its renaming leaves a second name;
    # the window's start removes it in the folder it remembers, as a later export does.
    echo alt >s.off && unterbrechen KILL renameat:delay_enter "grep -q renameat spur" s.off
    mkdir -p konf/wyk-viewer
    printf '[Modell]\nOrdner=%s\n' "$PWD" >konf/wyk-viewer/wyk-viewer.conf
    XDG_CONFIG_HOME=$PWD/konf "$viewer" &
    for _ in $(seq 100); do temporaere . >/dev/null && sleep 0.1 || break; done
    kill $! && wait $! 2>/dev/null
    check "the window started after a kill before the renaming: temporary files" "" \
        "$(temporaere .)"
    echo alt >s.off && unterbrechen KILL renameat:delay_enter "grep -q renameat spur" s.off
    "$viewer" --export-off t.off "$model"
    check "OFF after one killed before its renaming: temporary files" "" "$(temporaere .)"
    # In place an interrupt waits until the file is whole.
    head -c 9000 /dev/zero | tr '\0' x >disk/s.off && ln -f disk/s.off disk/s2.off
    unterbrechen TERM pwrite64:delay_exit '[ "$(head -c 3 disk/s.off)" = OFF ]' disk/s.off
    check_same "OFF in place interrupted during its write: the file" disk/s.off reference/h.off
fi

echo alt >a && touch b && mount --bind a b || skip "cannot bind-mount a file"
check_exit "file mounted over another" 0 "$viewer" --export-off b "$model"
check "file mounted over another: the file written" OFF "$(head -c 3 a)"

if truncate -s 1M disk.img && mkfs.ext2 -q -F disk.img && mkdir ext2 &&
    mount -o loop disk.img ext2 2>/dev/null; then
    # In place also where nothing reserves room: from the start, and nothing of the old after it.
    for ort in ext2 disk; do
        for alt in 100 5000; do
            rm -f $ort/*.off $ort/filler && head -c $alt /dev/urandom >$ort/i.off
            ln $ort/i.off $ort/i2.off
            fall="OFF in place over $alt bytes on $ort"
            check_exit "$fall" 0 "$viewer" --export-off $ort/i.off "$model"
            check_same "$fall: the file" $ort/i.off reference/h.off
        done
    done
    rm -f ext2/*.off
    # Longer than a page, so that a write that is not reserved changes the first one.
    head -c 5000 /dev/urandom >ext2/d.off && ln ext2/d.off ext2/d2.off && cp ext2/d.off d.off
    fill_leaving ext2 0
    fall="picture onto a full ext2 disk"
    check_exit "$fall" 1 "$viewer" --export-picture ext2/d.off --size 1424x865 "$model" 2>/dev/null
    check_same "$fall: the hard-linked file" ext2/d2.off d.off
else
    fehlt "no ext2 file system can be mounted here"
fi
exit $status
