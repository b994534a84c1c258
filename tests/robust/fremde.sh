#!/usr/bin/env bash
# Exports of the user nobody keep owners and devices and refuse what a plain write refuses; in a
# sticky folder another user's links, page and FIFO are refused, as is another group member's
# file or FIFO where protected_regular or protected_fifos stands at 2.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
model=$2
[ "$(id -u)" -eq 0 ] || skip "needs the superuser to act as several users"
if [ "${3:-}" != --inside ] && unshare -m true 2>/dev/null; then
    exec unshare -m bash "$0" "$@" --inside
fi
als() { setpriv --reuid="$1" --regid="$(id -g "$1")" --clear-groups "${@:2}"; } # user, command
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work" && cd "$work" || exit 1
# A copy every user can run: the build may lie in a folder only its owner can enter (/root).
cp "$viewer" wyk-viewer && viewer=$work/wyk-viewer
cp "$model" m.wyk && chmod 644 m.wyk
mkdir -m 755 f && mkdir -m 1777 t && mkdir -m 700 privat
for datei in f/eigen t/fremd t/nurlesen t/ziel; do echo alt >$datei; done
echo geheim >privat/datei && chown -R nobody privat f/eigen t/nurlesen
chmod 666 t/fremd t/ziel && chmod 444 t/nurlesen && mknod -m 666 t/null c 1 3
ln -s ziel t/eigen-link
als daemon ln -s ziel t/fremd-link
als daemon ln -s ../privat t/ordner
als daemon sh -c 'umask 0; echo fremd >t/seite.htm; mkfifo t/f.off'

# The first bytes, the owner and the kind of the file a name leads to; a FIFO is not read.
was() {
    [ -p "$1" ] || echo -n "$(head -c 3 "$1") "
    LC_ALL=C stat -Lc '%u %F' "$1"
}
fall() { # export, its target, exit code, the file then looked at, what was finds there
    als nobody timeout 9 "$viewer" --export-"$1" "$2" m.wyk 2>/dev/null
    check "$1 to $2 as nobody: exit code" "$3" $?
    check "$1 to $2 as nobody: $4" "$5" "$(was "$4")"
}
fall off f/eigen 0 f/eigen "OFF 65534 regular file"
fall off t/fremd 0 t/fremd "OFF 0 regular file"
fall off t/null 0 t/null " 0 character special file"
fall off t/nurlesen 1 t/nurlesen "alt 65534 regular file"
fall off t/fremd-link 1 t/ziel "alt 0 regular file"
fall off t/ordner/datei 1 privat/datei "geh 65534 regular file"
fall web t/seite.off 1 t/seite.htm "fre 1 regular file"
fall off t/f.off 1 t/f.off "1 fifo"
fall off t/eigen-link 0 t/ziel "OFF 0 regular file"

mkdir -m 1770 g && chgrp daemon g && als daemon mkfifo -m 660 g/f.off
# protected_regular, protected_fifos, the target, exit code, what it then holds or gave a reader
while read -r regular fifos ziel code inhalt; do
    [ "${3:-}" = --inside ] || { fehlt "no private mount namespace here"; break; }
    echo "$regular" >regular && mount --bind regular /proc/sys/fs/protected_regular
    echo "$fifos" >fifos && mount --bind fifos /proc/sys/fs/protected_fifos
    als daemon sh -c 'umask 7; echo alt >g/ziel'
    [ -p "$ziel" ] && { timeout 9 cat "$ziel" >gelesen & }
    fall="OFF to $ziel at levels $regular $fifos"
    setpriv --reuid=nobody --regid=nogroup --groups=daemon \
        timeout 9 "$viewer" --export-off "$ziel" m.wyk 2>/dev/null
    check "$fall: exit code" "$code" $?
    # A reader still waiting sees the end of the FIFO.
    [ -p "$ziel" ] && exec 3<>"$ziel" && exec 3>&- && wait $! && ziel=gelesen
    check "$fall: what it holds" "${inhalt%-}" "$(head -c 3 "$ziel")"
    umount /proc/sys/fs/protected_regular /proc/sys/fs/protected_fifos
done <<'ENDE'
1 2 g/ziel 0 OFF
2 1 g/ziel 1 alt
2 1 g/f.off 0 OFF
1 2 g/f.off 1 -
ENDE
exit $status
