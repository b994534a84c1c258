#!/usr/bin/env bash
# Checks of what a Debian user gets. A missing tool skips the check (exit 77), or fails it
# where CI is set.
#   pruefen.sh man PROGRAM PAGE...   the pages render without a warning and name the options of
#                                    the program's --help, no more and no fewer
#   pruefen.sh paket SOURCE WORK     package.sh builds a package whose files, version, run-time
#                                    dependencies and lintian report are as they should be
set -u
status=0
fail() { echo "FAILED: $*"; status=1; }
needs() {
    command -v "$1" >/dev/null && return
    echo "$1 ($2) is missing: this check does not run"
    [ -n "${CI:-}" ] && exit 1
    exit 77
}
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
mode=$1
shift

if [ "$mode" = man ]; then
    needs man man-db
    program=$1
    shift
    for page in "$@"; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page: $warnings"
        differ=$(diff <("$program" --help | options) <(sed 's/\\-/-/g' "$page" | options))
        [ -z "$differ" ] || fail "$page and --help name different options: $differ"
    done
    exit $status
fi

needs dpkg-buildpackage dpkg-dev
needs dh debhelper
needs lintian lintian
source=$1
deb=$(bash "$source/scripts/package.sh" "$2" | tail -n 1)
[ -f "$deb" ] || { echo "FAILED: package.sh printed no package: $deb"; exit 1; }
share=./usr/share
expected=$(printf '%s\n' ./usr/bin/wyk-viewer $share/applications/wyk-viewer.desktop \
    $share/mime/packages/wyk-viewer.xml $share/thumbnailers/wyk-viewer.thumbnailer \
    $share/icons/hicolor/{48x48,128x128,256x256}/apps/wyk-viewer.png \
    $share/man/man1/wyk-viewer.1.gz $share/man/de/man1/wyk-viewer.1.gz \
    $share/doc/wyk-viewer/{copyright,changelog.gz} \
    $(cd "$source" && printf "$share/doc/wyk-viewer/%s\n" examples/*) | sort)
differ=$(diff <(echo "$expected") <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort))
[ -z "$differ" ] || fail "the package's files differ from those expected: $differ"
version=$(sed -n 's/^project(wyk-viewer VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
    [[ "$depends" == *"$package"* ]] || fail "does not depend on $package: $depends"
done
lintian --fail-on error "$deb" || fail "lintian reports errors"
exit $status
