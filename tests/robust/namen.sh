#!/usr/bin/env bash
# The real program takes names as the bytes they are and the model as the file it read:
# exports are refused over the model through a link and "..", or from a working folder whose
# name is no UTF-8; a FIFO of a name that is no UTF-8 gets no page beside it; a preview never
# waits for a FIFO and stops after 64 MiB.
set -u
source "$(dirname "$0")/gemeinsam.sh"
viewer=$1
model=$2
work=$(mktemp -d)
trap 'kill $swapper 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

mkdir -p w x/sub && ln -s ../x/sub w/link && cp "$model" x/m.wyk
for export in off thumbnail web picture; do
    "$viewer" --export-$export w/link/../m.wyk w/link/../m.wyk 2>/dev/null
    check "$export over the model through a link and ..: exit code" 1 $?
    check "$export over the model through a link and ..: the model" same "$(cmp -s "$model" x/m.wyk && echo same)"
done
fremd=$(printf 'd\377')
mkdir "$fremd" && cp "$model" "$fremd/m.wyk"
(cd "$fremd" && "$viewer" --export-picture m.wyk m.wyk 2>/dev/null)
check "picture over the model in a folder named in no UTF-8: exit code" 1 $?
check "picture over the model in a folder named in no UTF-8: the model" same "$(cmp -s "$model" "$fremd/m.wyk" && echo same)"

fifo=$(printf 'p\377.off')
mkfifo "$fifo"
timeout 9 cat "$fifo" >/dev/null &
timeout 9 "$viewer" --export-web "$fifo" "$model" 2>/dev/null
check "web export to a FIFO named in no UTF-8: exit code" 1 $?
check "web export to a FIFO named in no UTF-8: files beside it" 0 "$(ls | grep -c 'htm\|class')"

printf '#' >gross.wyk && truncate -s 20G gross.wyk
timeout 60 "$viewer" --export-thumbnail t.png gross.wyk 2>/dev/null
check "preview of a 20 GB comment: exit code" 1 $?
check "preview of a 20 GB comment: no picture" no "$([ -e t.png ] || echo no)"

# The model's name leads to a file and a FIFO by turns; no preview may wait for the FIFO.
mkfifo fifo && cp "$model" datei
while :; do ln -f fifo a && mv -f a s.wyk; ln -f datei b && mv -f b s.wyk; done &
swapper=$!
waited=0
for _ in $(seq 60); do
    timeout 3 "$viewer" --export-thumbnail t.png s.wyk 2>/dev/null
    [ $? -eq 124 ] && waited=$((waited + 1))
done
check "previews that waited for a FIFO swapped in" 0 $waited
exit $status
