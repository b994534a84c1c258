#!/usr/bin/env bash
# Builds the Debian package of WYK-Viewer for the release this runs on: installs what is
# missing, copies the sources without build folders into a clean folder, writes the
# changelog entry of the project's version (from CMakeLists.txt, the only place it is kept)
# and builds the binary package there with debhelper, on all cores, without the tests. The
# last line of output is the path of the .deb.
# The same commit gives the same .deb, byte for byte, whatever the folder and the time of the
# build: the changelog entry, and with it every date in the package, is the time of the last
# commit (SOURCE_DATE_EPOCH, when set, comes first), and the copied files carry that time.
# Usage: bash scripts/package.sh [WORK_FOLDER]    (default build-deb, which git ignores)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
work=$(realpath -m "${1:-build-deb}")

bash scripts/setup.sh --package
version=$(sed -n 's/^project(wyk-viewer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package.sh: no version in CMakeLists.txt" >&2; exit 1; }

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null) ||
        { echo "package.sh: no commit to date the package by; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
[[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] ||
    { echo "package.sh: SOURCE_DATE_EPOCH is not a number of seconds: $SOURCE_DATE_EPOCH" >&2; exit 1; }
export SOURCE_DATE_EPOCH

copy="$work/wyk-viewer-$version"
rm -rf "$work"
mkdir -p "$copy"
tar -C "$source" --exclude-vcs --exclude='./build*' --exclude='./fuzz-out*' -cf - . |
    tar -C "$copy" -xf -
find "$copy" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
maintainer=$(sed -n 's/^Maintainer: //p' debian/control)
cat >"$copy/debian/changelog" <<CHANGES
wyk-viewer ($version) unstable; urgency=medium

  * WYK-Viewer $version.

 -- $maintainer  $(LC_ALL=C date -u -R -d "@$SOURCE_DATE_EPOCH")
CHANGES

(cd "$copy" && dpkg-checkbuilddeps && dpkg-buildpackage -b -us -uc --jobs-try=auto) \
    >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; echo "package.sh: the build failed, see $work/build.log" >&2; exit 1; }
ls "$work"/wyk-viewer_"$version"_*.deb
