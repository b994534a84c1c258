#!/usr/bin/env bash
# What a Debian user gets; a missing tool skips the check (77), or fails it where CI is set.
# "man PROGRAM PAGE...": the pages render without warnings and name PROGRAM --help's options.
# "paket SOURCE WORK": the package of package.sh: files, version, dependencies, lintian clean.
set -u
status=0
fail() { echo "FAILED: $*"; status=1; }
needs() {
    command -v "$1" >/dev/null && return
    echo "$1 is missing"; [ -n "${CI:-}" ] && exit 1; exit 77
}
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }

if [ "$1" = man ]; then
    needs man
    for page in "${@:3}"; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page: $warnings"
        differ=$(diff <("$2" --help | options) <(sed 's/\\-/-/g' "$page" | options))
        [ -z "$differ" ] || fail "$page and --help name different options: $differ"
    done
    exit $status
fi

needs lintian
deb=$(bash "$2/scripts/package.sh" "$3" | tail -n 1)
[ -f "$deb" ] || { echo "FAILED: package.sh printed no package: $deb"; exit 1; }
share=./usr/share
expected=$(printf '%s\n' ./usr/bin/wyk-viewer $share/applications/wyk-viewer.desktop \
    $share/mime/packages/wyk-viewer.xml $share/thumbnailers/wyk-viewer.thumbnailer \
    $share/icons/hicolor/{48x48,128x128,256x256}/apps/wyk-viewer.png \
    $share/man/man1/wyk-viewer.1.gz $share/man/de/man1/wyk-viewer.1.gz \
    $share/doc/wyk-viewer/{copyright,changelog.gz} \
    $(cd "$2" && printf "$share/doc/wyk-viewer/%s\n" examples/*) | sort)
differ=$(diff <(echo "$expected") <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort))
[ -z "$differ" ] || fail "the package's files differ from those expected: $differ"
version=$(sed -n 's/^project(wyk-viewer VERSION \([0-9.]*\).*/\1/p' "$2/CMakeLists.txt")
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"
for p in libqt6gui6 qt6-qpa-plugins qt6-wayland qt6-translations-l10n; do
    dpkg-deb -f "$deb" Depends | grep -q "$p" || fail "no dependency on $p"
done
lintian --fail-on error "$deb" || fail "lintian reports errors"
exit $status
