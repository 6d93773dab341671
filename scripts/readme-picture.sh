#!/usr/bin/env bash
# Refreshes the README's picture (docs/trimlode-window.png) from the current build: builds the Windows
# build that Wine runs here, lets the end-to-end layout check open Trimlode on the demo installation on a
# virtual screen at 96 DPI and save the window, and copies that picture into docs/.
set -euo pipefail
trap 'echo "readme-picture: failed (exit $?): $BASH_COMMAND" >&2' ERR
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
bash scripts/setup.sh >/dev/null
source scripts/wine-env.sh
preset="$(basename "$TRIMLODE_WINDOWS_BUILD")"
log="build/log-readme-picture-$preset.txt"
mkdir -p build
if ! { cmake --preset "$preset" && cmake --build --preset "$preset" --target trimlode_e2e; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    exit 1
fi
rm -f "$TRIMLODE_WINDOWS_BUILD/e2e-screenshot.png"
(cd "$TRIMLODE_WINDOWS_BUILD" && env -u DISPLAY bash "$repo_root/scripts/wine-run.sh" trimlode_e2e.exe \
    --gtest_filter=LayoutTest.FormAndEveryControlMatchTheTable --screenshot=e2e-screenshot.png >>"$repo_root/$log" 2>&1) ||
    { tail -n 40 "$repo_root/$log" >&2; exit 1; }
cp "$TRIMLODE_WINDOWS_BUILD/e2e-screenshot.png" docs/trimlode-window.png
echo "readme-picture: docs/trimlode-window.png now shows the $preset build's window"
