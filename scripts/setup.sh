#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing. debian/control
# is the one list of what building needs (its Build-Depends, installed with apt-get build-dep,
# which adds build-essential) and of what running needs (the packages its binary package
# depends on by name); the test tools are listed here alone. Works on Debian 12 and 13: no
# package name carries a version, except clang's runtime, which follows the major version of
# the clang installed. Runs apt-get as root, or through sudo for another user.
# Usage: bash scripts/setup.sh [--package | --test]   (building the program and the package
# need the same; --test adds the test tools)
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
    "" | --package | --test) ;;
    *) echo "Usage: bash scripts/setup.sh [--package | --test]" >&2; exit 2 ;;
esac

# The names in the Depends field of debian/control's binary package, without the
# substitutions (${shlibs:Depends}, ...) that only the package build fills in.
run_packages=$(awk '/^Package:/ {binary = 1} binary && /^[A-Za-z-]+:/ {field = $1}
    binary && field == "Depends:" {sub(/^Depends:/, ""); print}' debian/control |
    tr ',' '\n' | sed 's/[|(].*//; s/[[:space:]]//g' | grep -v '^\$' | grep -v '^$' || true)
[ -n "$run_packages" ] || { echo "setup.sh: no Depends in debian/control" >&2; exit 1; }
# shellcheck disable=SC2206 # one name a line, no blanks within a name
packages=($run_packages)
if [ "${1:-}" = "--test" ]; then
    # One or a few packages a line, so that additions merge easily.
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev
        hicolor-icon-theme
        default-jdk-headless
        clang
        chromium
        nodejs poppler-utils
        librsvg2-bin
        imagemagick
        lintian
        desktop-file-utils shared-mime-info man-db
        e2fsprogs bindfs fuse3 strace
        weston
    )
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
updated=false
apt_get() {
    if [ "$updated" = false ]; then
        "${as_root[@]}" apt-get update -qq
        updated=true
    fi
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get "$@" -y -qq --no-install-recommends \
        >/dev/null
}

# The build dependencies, unless dpkg-checkbuilddeps (of dpkg-dev, itself one of them) finds
# them all installed.
if ! command -v dpkg-checkbuilddeps >/dev/null || ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    echo "Installing the build dependencies of debian/control"
    apt_get build-dep "$PWD"
fi

# Installs those of the named packages that are not installed yet.
install_missing() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    apt_get install "${missing[@]}"
}

install_missing "${packages[@]}"
if [ "${1:-}" = "--test" ]; then
    # libFuzzer and the sanitizers' runtime of the clang just installed.
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
