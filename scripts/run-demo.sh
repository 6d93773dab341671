#!/usr/bin/env bash
# Builds Trimlode and starts it on a demo installation of the maker's software in the project's Wine prefix:
# on your display when DISPLAY is set, otherwise on a virtual screen, saving a screenshot (demo/start.sh).
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
bash scripts/setup.sh
cmake --preset win32 >/dev/null && cmake --build --preset win32
exec bash demo/start.sh build/win32
