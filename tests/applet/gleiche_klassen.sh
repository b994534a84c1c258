#!/bin/sh
# The class files the program writes (folder $2) hold the code the sources compile to (folder $3)
# as JAVAP $1 prints it, but for the constant pool's numbers and the code's offsets, which
# compilers of other versions choose otherwise.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
status=0
for class in Face Matrix3D OOGL_OFF Viewer41; do
    for side in 2 3; do
        [ $side = 2 ] && folder=$2 || folder=$3
        "$1" -c -p -cp "$folder" $class >"$dir/javap" || status=1
        sed -E -e 's/^ *[0-9]+: //' -e 's/#[0-9]+(, *[0-9]+)?//' -e 's/^ldc_w /ldc /' \
            -e 's/^((if|goto|jsr)[a-z_]*) +[0-9]+/\1/' -e 's/^ *[0-9]+ +[0-9]+ +[0-9]+ +/ /' \
            -e 's/ +/ /g' "$dir/javap" >"$dir/$side"
    done
    diff "$dir/2" "$dir/3" >"$dir/diff" || { echo "FAILED: $class.class is not its source:"; status=1; }
    head -n 6 "$dir/diff"
done
exit $status
