#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those that are missing: what
# building and running the program needs, and with --test also the test tools.
# Runs apt-get as root, or through sudo for another user.
# Usage: bash scripts/setup.sh [--test]
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    fonts-dejavu-core qt6-translations-l10n
)
if [ "${1:-}" = "--test" ]; then
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev hicolor-icon-theme
        default-jdk-headless
        clang libclang-rt-14-dev
        chromium librsvg2-bin nodejs poppler-utils
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo)
    fi
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
