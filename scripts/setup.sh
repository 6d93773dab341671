#!/usr/bin/env bash
# Installs every Debian package the project needs: compilers, GoogleTest sources, mingw-w64, Wine (with
# the 32-bit half, through the i386 architecture), a virtual display, the help compiler and the signing
# tool. Does nothing when they are all present already.
set -euo pipefail

packages=(
    cmake make g++ googletest clang-format
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64
    wine wine32:i386 wine64 fonts-wine fonts-liberation
    xvfb xauth x11-utils xdotool imagemagick
    fp-utils
    zip unzip python3 osslsigncode openssl
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "setup: these Debian packages are missing: ${missing[*]}" >&2
        echo "setup: installing them needs root; run this script as root or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi
# sudo drops the environment: env carries the setting through it.
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)

echo "setup: missing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture (Wine's 32-bit half comes from it)"
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${apt[@]}" update -qq
download_bytes="$("${apt[@]}" install --print-uris -qq --no-install-recommends "${missing[@]}" |
    awk '{ total += $3 } END { print total + 0 }')"
echo "setup: downloading about $((download_bytes / 1000000)) MB of Debian packages"
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
echo "setup: done"
