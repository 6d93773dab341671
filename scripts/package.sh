#!/usr/bin/env bash
# Builds the portable ZIP of each Windows build and checks what it holds: the stripped program (under
# 600 KB as Windows shows sizes; GUI, ASLR and NX, manifest, system DLLs only), the help, and text files
# with Windows line ends.
#
# Signing: with --cert CERT.pem --key KEY.pem (or TRIMLODE_SIGN_CERT and TRIMLODE_SIGN_KEY) the programs in
# the ZIPs are signed with Authenticode (SHA-256, osslsigncode); without them they stay unsigned, as it says.
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
while [ $# -gt 0 ]; do
    case "$1" in
    --cert) export TRIMLODE_SIGN_CERT="$(realpath "$2")"; shift 2 ;;
    --key) export TRIMLODE_SIGN_KEY="$(realpath "$2")"; shift 2 ;;
    *) echo "usage: package.sh [--cert CERT.pem --key KEY.pem]" >&2; exit 2 ;;
    esac
done
max_program_bytes=$((600 * 1024)) # 600 KB as Windows counts them

check_zip() {
    local zip="$1" arch="$2" unpacked
    unpacked="$(mktemp -d)"
    trap 'rm -rf "$unpacked"' RETURN
    unzip -q "$zip" -d "$unpacked"
    local folder=("$unpacked"/*)
    for file in trimlode.exe Trimlode.chm README.txt LICENSE.txt; do
        [ -f "$folder/$file" ] || { echo "package: $zip lacks $file" >&2; return 1; }
    done
    python3 "$repo_root/scripts/check-exe.py" "$arch" "$folder/trimlode.exe" >/dev/null ||
        { python3 "$repo_root/scripts/check-exe.py" "$arch" "$folder/trimlode.exe" >&2; return 1; }
    local size
    size="$(stat -c %s "$folder/trimlode.exe")"
    [ "$size" -lt "$max_program_bytes" ] ||
        { echo "package: trimlode.exe in $zip is $size bytes, over $max_program_bytes" >&2; return 1; }
    for text in README.txt LICENSE.txt; do
        if grep -q $'[^\r]$\|^$' "$folder/$text"; then
            echo "package: $text in $zip has lines without Windows line ends" >&2
            return 1
        fi
    done
    echo "package: $(basename "$zip"): trimlode.exe $size bytes, stripped and checked; help, readme, licence"
}

for build in win32 win64; do
    build_dir="$repo_root/build/$build"
    if [ ! -f "$build_dir/CPackConfig.cmake" ]; then
        echo "package: $build is not configured" >&2
        exit 1
    fi
    rm -f "$build_dir"/trimlode-*-"$build".zip
    (cd "$build_dir" && cpack -G ZIP | { grep -E 'package: ' || true; })
    arch=x64
    [ "$build" = win32 ] && arch=x86
    check_zip "$(ls "$build_dir"/trimlode-*-"$build".zip)" "$arch"
done
