#!/usr/bin/env bash
# Installs what building and testing tresmon needs on Debian 12. Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-multimedia-dev
    libpugixml-dev libgtest-dev libgmock-dev googletest
    xvfb xauth fonts-roboto trayer xdotool libx11-dev
    g++-mingw-w64-x86-64-posix wine64
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
