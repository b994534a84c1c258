#!/bin/sh
# JAVAC $1 compiles the applet and its test into compiled/; PROGRAM $2 writes project $3's
# examples as OFF files into written/, pages for odd OFF names (1 and 3 not UTF-8) into
# written/seiteN. The class files written hold what the sources compile to, as javap prints
# it, but for constant pool numbers and offsets, which other compilers choose otherwise.
set -eu
rm -rf compiled written && mkdir written
"$1" --release 8 -encoding UTF-8 -Xlint:all -Xlint:-options -Werror -d compiled \
    "$3"/applet/*.java "$3/tests/applet/OoglOffTest.java"
for m in dreieck haus wuerfel farben; do "$2" --export-off written/$m.off "$3/examples/$m.wyk"; done
n=0
for name in "$(printf 'n\377.off')" 'Ä:€+.off' "$(printf '100%%25 a?b&c=1;\351.off')" \
    'Haus #2, 100% a b?c&d=1.off'; do
    n=$((n + 1))
    mkdir written/seite$n
    "$2" --export-web "written/seite$n/$name" "$3/examples/dreieck.wyk"
    cat written/seite$n/*.htm >written/seite$n.htm
    (cd written/seite$n && printf %s *.off >../seite$n.name)
done
for side in written/seite1 compiled; do
    "${1%javac}javap" -c -p -cp $side Face Matrix3D OOGL_OFF Viewer41 >$side.javap
    sed -E -e 's/^ *[0-9]+: //' -e 's/#[0-9]+(, *[0-9]+)?//' -e 's/^ldc_w /ldc /' \
        -e 's/^((if|goto|jsr)[a-z_]*) +[0-9]+/\1/' -e 's/^ *[0-9]+ +[0-9]+ +[0-9]+ +/ /' \
        -e 's/ +/ /g' $side.javap >$side.code
done
cmp -s written/seite1.code compiled.code && exit 0
echo "FAILED: the class files written (-) differ from their sources compiled (+):"
diff -u -F '^Compiled from' written/seite1.code compiled.code | head -n 12
exit 1
