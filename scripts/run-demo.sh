#!/usr/bin/env bash
# Builds Trimlode and starts it on a demo installation of the maker's software in the project's Wine prefix.
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
bash scripts/setup.sh
cmake --preset win32 >/dev/null && cmake --build --preset win32
if [ ! -f build/win32/trimlode.exe ]; then
    echo "run-demo: the main window is not built yet; the logic and its tests are (bash scripts/test.sh)."
    exit 0
fi
exec bash demo/start.sh build/win32
