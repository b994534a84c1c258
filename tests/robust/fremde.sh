#!/usr/bin/env bash
# A third user cannot steer nobody's exports in a shared sticky folder, as the kernel's
# protection of such folders would not let them: a link to nobody's private folder, a page
# and a FIFO planted there are refused, and nothing of nobody's is written.
set -u
source "$(dirname "$0")/gemeinsam.sh"
viewer=$1
model=$2
[ "$(id -u)" -eq 0 ] || skip "needs the superuser to act as several users"
als() { # user, command...
    local user=$1
    shift
    setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups "$@"
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work" && cd "$work" || exit 1
cp "$model" m.wyk && chmod 644 m.wyk
mkdir -m 1777 t && mkdir -m 700 privat && echo geheim >privat/datei && chown -R nobody privat
als daemon ln -s ../privat t/ordner
als daemon sh -c 'umask 0; echo fremd >t/seite.htm; mkfifo t/f.off'

als nobody timeout 9 "$viewer" --export-off t/ordner/datei m.wyk 2>/dev/null
check "through another user's link to a folder: exit code" 1 $?
check "through another user's link to a folder: the private file" geheim "$(cat privat/datei)"
als nobody timeout 9 "$viewer" --export-web t/seite.off m.wyk 2>/dev/null
check "another user's page: exit code" 1 $?
check "another user's page: its content" fremd "$(cat t/seite.htm)"
als nobody timeout 9 "$viewer" --export-off t/f.off m.wyk 2>/dev/null
check "another user's FIFO: exit code" 1 $?
exit $status
