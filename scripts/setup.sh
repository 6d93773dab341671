#!/usr/bin/env bash
# Installs every Debian package the project needs: compilers, GoogleTest sources, mingw-w64, Wine (with
# the 32-bit half, through the i386 architecture), a virtual display and the help compiler.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
    cmake make g++ googletest clang-format
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64
    wine wine32:i386 wine64 fonts-wine fonts-liberation
    xvfb xauth x11-utils xdotool imagemagick
    fp-utils
    zip unzip python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
