#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing: what building
# and running the program needs; with --package also what building the Debian package needs;
# with --test that and the test tools. Works on Debian 12 and 13: no package name carries a
# version, except clang's runtime, which follows the major version of the clang installed. Runs apt-get as root, or through sudo for another user.
# Usage: bash scripts/setup.sh [--package | --test]   (--test includes --package)
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland libgl-dev
    libgif-dev
    fonts-dejavu-core qt6-translations-l10n
)
if [ "${1:-}" = "--package" ] || [ "${1:-}" = "--test" ]; then
    packages+=(build-essential debhelper dpkg-dev)
fi
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
        e2fsprogs
        weston
    )
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
updated=false

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
    if [ "$updated" = false ]; then
        "${as_root[@]}" apt-get update -qq
        updated=true
    fi
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

install_missing "${packages[@]}"
if [ "${1:-}" = "--test" ]; then
    # libFuzzer and the sanitizers' runtime of the clang just installed.
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
