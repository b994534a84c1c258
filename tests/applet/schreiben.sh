#!/bin/sh
# PROGRAM $2 writes into the fresh folder $1, from the examples in $3: dreieck.wyk's page and
# class files, the other examples' OFF files, and into seite1 to seite4 pages for unusual OFF
# names (1 and 3 not UTF-8), copied to seiteN.htm beside seiteN.name, the name as listed.
set -eu
rm -rf "$1" && mkdir "$1" && cd "$1"
"$2" --export-web dreieck.off "$3/dreieck.wyk"
for m in haus wuerfel farben; do "$2" --export-off $m.off "$3/$m.wyk"; done
n=0
for name in "$(printf 'n\377.off')" 'Ä:€+.off' "$(printf '100%%25 a?b&c=1;\351.off')" \
    'Haus #2, 100% a b?c&d=1.off'; do
    n=$((n + 1))
    mkdir seite$n
    "$2" --export-web "seite$n/$name" "$3/dreieck.wyk"
    cat seite$n/*.htm >seite$n.htm
    (cd seite$n && printf %s *.off >../seite$n.name)
done
