#!/usr/bin/env bash
# What a Debian user gets; without a tool: skipped (77), or failed where CI is set.
# "man PROGRAM PAGE...": the pages render without warnings and name PROGRAM --help's options.
# "paket SOURCE WORK": package.sh's package: files, desktop integration, version, dependencies,
# lintian clean, and the same bytes when built again elsewhere.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }

if [ "$1" = man ]; then
    command -v man >/dev/null || skip "man is missing"
    for page in "${@:3}"; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        check "$page: warnings" "" "$warnings"
        differ=$(diff <("$2" --help | options) <(sed 's/\\-/-/g' "$page" | options))
        check "$page against --help: options named by one only" "" "$differ"
    done
    exit $status
fi

command -v lintian >/dev/null || skip "lintian is missing"
# Built twice: from the sources, and from a copy as another clone of the commit would be, in
# another folder with every file dated now.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$2" log -1 --format=%ct)}
rm -rf "$3" && mkdir -p "$3/kopie"
tar -C "$2" --exclude-vcs --exclude='./build*' -cf - . | tar -C "$3/kopie" --touch -xf -
build() { # SOURCE WORK_FOLDER: sets deb
    deb=$(bash "$1/scripts/package.sh" "$2" | tail -n 1)
    [ -f "$deb" ] || { echo "FAILED: package.sh printed no package: $deb"; exit 1; }
}
SOURCE_DATE_EPOCH=$epoch build "$3/kopie" "$3/zweiter/ordner" && again=$deb
build "$2" "$3/erster"
share=./usr/share
expected=$(printf '%s\n' ./usr/bin/wyk-viewer $share/applications/wyk-viewer.desktop \
    $share/mime/packages/wyk-viewer.xml $share/thumbnailers/wyk-viewer.thumbnailer \
    $share/icons/hicolor/{48x48,128x128,256x256}/apps/wyk-viewer.png \
    $share/man/man1/wyk-viewer.1.gz $share/man/de/man1/wyk-viewer.1.gz \
    $share/doc/wyk-viewer/{copyright,changelog.gz} \
    $(cd "$2" && printf "$share/doc/wyk-viewer/%s\n" examples/*) | sort)
differ=$(diff <(echo "$expected") <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort))
check "the package's files against those expected" "" "$differ"
# What desktops need to open model files: each icon in the folder of its width, the desktop
# entry for the file type, and the type's ending.
dpkg-deb -x "$deb" "$3/inhalt" && inhalt=$3/inhalt/usr/share
for icon in "$inhalt"/icons/hicolor/*/apps/wyk-viewer.png; do
    breite=$(od -An -tu4 --endian=big -j16 -N4 "$icon" | tr -d ' ')
    check "$icon: the folder" "$inhalt/icons/hicolor/${breite}x$breite/apps/wyk-viewer.png" "$icon"
done
check "the desktop entry's command and file type" "Exec=wyk-viewer %f MimeType=model/x-wyk;" \
    "$(grep -E '^(Exec|MimeType)=' "$inhalt/applications/wyk-viewer.desktop" | xargs)"
check "the file type's ending" '<glob pattern="*.wyk"/>' \
    "$(grep -o '<glob [^>]*>' "$inhalt/mime/packages/wyk-viewer.xml")"
version=$(sed -n 's/^project(wyk-viewer VERSION \([0-9.]*\).*/\1/p' "$2/CMakeLists.txt")
check "the package's version" "$version" "$(dpkg-deb -f "$deb" Version)"
for p in libqt6gui6 qt6-qpa-plugins qt6-wayland qt6-translations-l10n; do
    check "a dependency on $p" "$p" "$(dpkg-deb -f "$deb" Depends | grep -o "$p" | head -n 1)"
done
check_exit lintian 0 lintian --fail-on error "$deb"
# What tells two builds apart: their files with dates and sums, and their control fields.
members() { dpkg-deb -c "$1"; dpkg-deb -I "$1" control md5sums; }
cmp -s "$deb" "$again" ||
    check "two builds of one commit" same "$(diff <(members "$again") <(members "$deb"))"
exit $status
