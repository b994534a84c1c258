#!/usr/bin/env bash
# The program as a script runs it: no screen or runtime folder, the C locale; exit codes,
# German messages (the system's reasons too) on stderr for failures only. Without windows no
# platform plugin or font loads: once with no platform or fontconfig, once with Qt's options.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
viewer=$1
examples=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_RUNTIME_DIR LANGUAGE
export LC_ALL=C

# A run in $work/NAME: NAME, exit code, part of stderr ("" for none), arguments.
einmal() {
    local name=$1 code=$2 meldung=$3 fehler
    shift 3
    mkdir -p "$work/$name" && cd "$work/$name" || exit 1
    "$viewer" "$@" >out 2>err
    check "$name: exit code" "$code" $?
    fehler=$(cat err)
    [[ -n $meldung && $fehler == *"$meldung"* ]] && fehler=$meldung
    check "$name: stderr" "$meldung" "$fehler"
}

# einmal in NAME/ohne with no platform, in NAME/mit with Qt's options, then in $work/NAME.
beide() {
    local name=$1
    shift
    QT_QPA_PLATFORM=keine FONTCONFIG_FILE=/kein/fonts.conf einmal "$name/ohne" "$@"
    einmal "$name/mit" "$1" "$2" -platform offscreen -style Fusion -reverse "${@:3}"
    cd "$work/$name" || exit 1
    # A PDF's dates, and Qt 6.8's document id and metadata, differ by run.
    sed -i -E 's/D:[0-9]{14}Z/D:Z/g; s/[0-9-]{10}T[0-9:]{8}[+0-9:]*/T/g
        s/uuid:[0-9a-f-]{36}/uuid:/g; s/^\/ID \[ <[0-9a-f]*> <[0-9a-f]*> \]$/\/ID []/' \
        ./*/*.pdf 2>/dev/null
    check "$name: without a platform" "" "$(diff -rq ohne mit)"
}

model=$examples/farben.wyk
beide png-view 0 "" --export-picture b.png --points --turn 1 --tilt 0.2 --zoom 7 --size 800x600 \
    "$model"
beide png-fit 0 "" --export-picture b.png --fit --no-lines "$examples/haus.wyk"
beide jpg 0 "" --export-picture b.jpg "$model"
beide svg 0 "" --export-picture b.svg --points "$model"
beide pdf 0 "" --export-picture b.pdf --fit "$model"
beide gif 0 "" --export-picture b.gif --frames 8 --view top "$model"
beide page 0 "" --export-picture b.html "$model"
beide web 0 "" --export-web b.off "$model"
check "web: stdout" "" "$(cat mit/out)"
beide thumbnail 0 "" --export-thumbnail t.png --thumbnail-size 100 "$model"
# The thumbnailer's Exec line, from / with no writable home or environment: the same preview.
aufruf=$(sed -n "s|^Exec=wyk-viewer ||; T; s|%s|100|; s|%i|$model|; s|%o|$work/t.png|; p" \
    "$examples/../resources/desktop/wyk-viewer.thumbnailer")
(cd / && env -i HOME=/proc/kein-zuhause $(env | grep SAN_OPTIONS=) "$viewer" $aufruf)
check "thumbnailer entry: exit code" 0 $?
check "thumbnailer entry: the preview" same "$(gleich ../t.png mit/t.png)"
beide version 0 "" --version
check "version: stdout" "WYK-Viewer $version" "$(cat mit/out)"
beide help 0 "" --help
fehlt="die Datei oder der Ordner existiert nicht"
beide missing-model 1 "„$work/fehlt.wyk“ kann nicht geladen werden: $fehlt" \
    --export-off b.off "$work/fehlt.wyk"
check "missing-model: nothing written" "err out" "$(ls mit | xargs)"
beide missing-folder 1 "„/fehlt/b.off“ konnte nicht geschrieben werden: $fehlt" \
    --export-off /fehlt/b.off "$model"
beide long-name 1 "der Name ist zu lang" --export-off "$(printf 'n%.0s' {1..256})" "$model"
beide wrong-zoom 2 "„0“ von --zoom" --export-picture b.png --zoom 0 "$model"
beide no-model 2 "Es fehlt die Modelldatei." --export-off b.off
beide mark-move 2 "hat 22 Linien: --mark-move 23" --export-picture b.svg --mark-move 23 \
    "$examples/haus.wyk"
# These two take the GUI application, on Qt's offscreen platform: no screen.
einmal unknown-option 2 "Unbekannte Option „--bunt“" --bunt "$model"
einmal windows 1 "Es ist kein Bildschirm da" "$model"
check "windows: stdout" "" "$(cat out)"
exit $status
