#!/usr/bin/env bash
# Builds the Debian package of WYK-Viewer for the release this runs on: installs what is
# missing, copies the sources without build folders into a clean folder, writes the
# changelog entry of the project's version (from CMakeLists.txt, the only place it is kept)
# and builds the binary package there with debhelper, without the tests. The last line of
# output is the path of the .deb.
# Usage: bash scripts/package.sh [WORK_FOLDER]    (default build-deb, which git ignores)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
work=$(realpath -m "${1:-build-deb}")

bash scripts/setup.sh --package
version=$(sed -n 's/^project(wyk-viewer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package.sh: no version in CMakeLists.txt" >&2; exit 1; }

copy="$work/wyk-viewer-$version"
rm -rf "$work"
mkdir -p "$copy"
tar -C "$source" --exclude-vcs --exclude='./build*' --exclude='./fuzz-out*' -cf - . |
    tar -C "$copy" -xf -
maintainer=$(sed -n 's/^Maintainer: //p' debian/control)
cat >"$copy/debian/changelog" <<CHANGES
wyk-viewer ($version) unstable; urgency=medium

  * WYK-Viewer $version.

 -- $maintainer  $(date -R)
CHANGES

(cd "$copy" && dpkg-checkbuilddeps && dpkg-buildpackage -b -us -uc) >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; echo "package.sh: the build failed, see $work/build.log" >&2; exit 1; }
ls "$work"/wyk-viewer_"$version"_*.deb
