#!/usr/bin/env bash
# Names as the bytes they are: no export writes over the model through any name; names in no
# UTF-8 work; a preview never waits for a FIFO and stops after 64 MiB; only each part of a name
# is limited, as for cp; names of a descriptor write through it; links stay links.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
model=$2
work=$(mktemp -d)
trap 'kill $swapper 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

mkdir -p w x/sub && ln -s ../x/sub w/link && cp "$model" x/m.wyk
ln -s m.wyk x/s.wyk && ln x/m.wyk x/h.wyk && ln -s m.wyk x/p.htm
punkte=$(printf '.%.0s/' {1..2100}) # longer than the system takes a name whole
# The export, the file it is to write, the model as named, the name the message gives.
while read -r export ziel modell name; do
    fall="$export to ${ziel/"$punkte"/"(./ 2100 times)"} from $modell"
    meldung=$("$viewer" --export-"$export" "$ziel" "$modell" 2>&1 </dev/null)
    check "$fall: exit code" 1 $?
    [[ $meldung == *"$name“"* ]] && meldung="names $name"
    check "$fall: the message" "names $name" "$meldung"
    check_same "$fall: the model" "$model" x/m.wyk
done <<ENDE
off x/s.wyk x/m.wyk s.wyk
off x/$punkte/m.wyk x/m.wyk m.wyk
picture x/$punkte/m.wyk x/m.wyk m.wyk
thumbnail x/$punkte/m.wyk x/m.wyk m.wyk
picture x/h.wyk x/m.wyk h.wyk
web x/p.off x/m.wyk p.htm
thumbnail w/link/../m.wyk w/link/../m.wyk m.wyk
web w/link/../m.wyk w/link/../m.wyk m.wyk
ENDE
fremd=$(printf 'd\377')
mkdir "$fremd" && cp "$model" "$fremd/m.wyk" && cp "$model" "$fremd/$fremd.wyk"
fall="picture over the model in a folder named in no UTF-8"
check_exit "$fall" 1 env -C "$fremd" "$viewer" --export-picture m.wyk m.wyk 2>/dev/null
check_same "$fall: the model" "$model" "$fremd/m.wyk"
check_exit "OFF of a model named in no UTF-8" 0 "$viewer" --export-off n.off "$fremd/$fremd.wyk"
check "OFF of a model named in no UTF-8: the file" OFF "$(head -c 3 n.off)"

# Links stay links, and the file they lead to keeps its mode; a hard link is written in place
# and cut to its new length.
"$viewer" --export-off soll.off "$model"
mkdir echt unter && ln -s "$work/echt/ziel" absolut && ln -s echt/ziel relativ
ln -s ../relativ unter/kette
while read -r name modus art; do
    head -c 9000 /dev/zero | tr '\0' x >echt/ziel && chmod "$modus" echt/ziel
    [ "$art" = link ] || ln -f echt/ziel "$name"
    "$viewer" --export-off "$name" "$model"
    check_same "OFF through $name: the file it leads to" echt/ziel soll.off
    check "OFF through $name: that file's mode" "$modus" "$(stat -c %a echt/ziel)"
    check "OFF through $name: its kind" "$art" "$([ -L "$name" ] && echo link || echo file)"
done <<'ENDE'
absolut 640 link
relativ 664 link
unter/kette 606 link
hart 644 file
ENDE

# A part of 255 bytes, and a name of 4095 bytes written new and over.
teil=$(printf 'o%.0s' {1..255})
ort=$work
while [ $((${#ort} + 256)) -lt 4095 ]; do ort=$ort/$teil && mkdir "$ort"; done
ort=$ort/$(printf 'x%.0s' $(seq $((4095 - ${#ort} - 1))))
for name in "$(printf 'n%.0s' {1..255})" "$ort" "$ort"; do
    check_exit "OFF to a name of ${#name} bytes" 0 "$viewer" --export-off "$name" "$model"
    check "OFF to a name of ${#name} bytes: the file" OFF "$(head -c 3 "$name")"
done

# As to standard output: a file opened for appending is appended to and stays the same file.
for name in /dev/fd/1 /proc/self/fd/1 '/proc/$$/fd/1'; do
    echo anfang >log
    { bash -c "exec \"\$0\" --export-off $name \"\$1\"" "$viewer" "$model"; echo ENDE; } >>log
    check "OFF to $name: the first, second and last line" "anfang OFF ENDE" \
        "$(sed -n '1p; 2p; $p' log | tr -d '\r' | xargs)"
done

fifo=$(printf 'p\377.off')
mkfifo "$fifo"
timeout 9 cat "$fifo" >/dev/null &
fall="web export to a FIFO named in no UTF-8"
check_exit "$fall" 1 timeout 9 "$viewer" --export-web "$fifo" "$model" 2>/dev/null
check "$fall: files beside it" 0 "$(ls | grep -c 'htm\|class')"

printf '#' >gross.wyk && truncate -s 20G gross.wyk
fall="preview of a 20 GB comment"
check_exit "$fall" 1 timeout 60 "$viewer" --export-thumbnail t.png gross.wyk 2>/dev/null
check "$fall: no picture" no "$([ -e t.png ] || echo no)"

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
