#!/usr/bin/env bash
# Exports of the user nobody keep what a plain write keeps and refuse what it refuses: owners,
# devices, files nobody may not write. In a sticky shared folder a third user cannot steer the
# export, as the kernel's protection of such folders would not let them: their links, page and
# FIFO are refused; a link of the folder's owner is followed.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
model=$2
[ "$(id -u)" -eq 0 ] || skip "needs the superuser to act as several users"
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
# export, its target, exit code, the file then looked at and what was finds there
fall() {
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
exit $status
