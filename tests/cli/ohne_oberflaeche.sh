#!/usr/bin/env bash
# Every run without windows starts neither a platform plugin nor the font database, and gives
# what the full GUI application gives, byte for byte. Each case runs once with a platform that
# does not exist and no fontconfig file (loading either would end the run or complain on
# stderr), once with -platform offscreen as the windows run; only a PDF's date may differ.
set -u
viewer=$1
examples=$2

status=0
fail() {
    echo "FAILED: $*"
    status=1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# The run without a platform, in folder $work/$1/ohne, then the one with the offscreen platform
# in $work/$1/mit; the rest of the arguments are the program's.
both() {
    local name=$1
    shift
    mkdir -p "$work/$name/ohne" "$work/$name/mit"
    (cd "$work/$name/ohne" &&
        QT_QPA_PLATFORM=keine FONTCONFIG_FILE=/kein/fonts.conf "$viewer" "$@" >out 2>err
        echo $? >code)
    (cd "$work/$name/mit" && "$viewer" -platform offscreen "$@" >out 2>err; echo $? >code)
}

# Runs a case and compares: exit code, stdout and stderr, and every file written.
check() {
    local name=$1 expected_code=$2
    shift 2
    both "$name" "$@"
    local ohne="$work/$name/ohne" mit="$work/$name/mit"
    [ "$(cat "$ohne/code")" = "$expected_code" ] ||
        fail "$name: exit code $(cat "$ohne/code") without a platform, expected $expected_code: $(cat "$ohne/err")"
    [ "$(cat "$mit/code")" = "$expected_code" ] ||
        fail "$name: exit code $(cat "$mit/code") with the offscreen platform, expected $expected_code"
    grep -q "Fontconfig" "$ohne/err" && fail "$name: the font database was started"
    for pdf in "$ohne"/*.pdf "$mit"/*.pdf; do
        [ -f "$pdf" ] && sed -i 's/^\/CreationDate (D:[0-9]*Z)$/\/CreationDate ()/' "$pdf"
    done
    [ "$(ls "$ohne")" = "$(ls "$mit")" ] ||
        fail "$name: other files: $(ls "$ohne" | tr '\n' ' ') against $(ls "$mit" | tr '\n' ' ')"
    for file in $(ls "$mit"); do
        [ "$file" = code ] || cmp -s "$ohne/$file" "$mit/$file" ||
            fail "$name: $file differs from the full application's"
    done
}

model=$examples/farben.wyk
check png 0 --export-picture b.png "$model"
check png-view 0 --export-picture b.png --points --turn 1 --tilt 0.2 --zoom 7 --size 800x600 "$model"
check png-fit 0 --export-picture b.png --fit --no-lines "$examples/haus.wyk"
check jpg 0 --export-picture b.jpg "$model"
check svg 0 --export-picture b.svg --points "$model"
check pdf 0 --export-picture b.pdf --fit "$model"
check gif 0 --export-picture b.gif --frames 8 --view top "$model"
check page 0 --export-picture b.html "$model"
check off 0 --export-off b.off "$model"
check web 0 --export-web b.off "$model"
check thumbnail 0 --export-thumbnail t.png --thumbnail-size 100 "$model"
check version 0 --version
check help 0 --help
check missing-model 1 --export-off b.off "$work/fehlt.wyk"
check wrong-zoom 2 --export-picture b.png --zoom 0 "$model"
check no-model 2 --export-off b.off

exit $status
