#!/usr/bin/env bash
# Builds the portable ZIP of each Windows build.
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
for build in win32 win64; do
    if [ -f "$repo_root/build/$build/CPackConfig.cmake" ]; then
        (cd "$repo_root/build/$build" && cpack -G ZIP >/dev/null && ls ./*.zip)
    else
        echo "package: no package configured for $build yet"
    fi
done
