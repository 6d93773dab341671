#!/usr/bin/env bash
# Start-up benchmark: trimlode.exe against a bare window with the same manifest, both under Wine in the
# project's prefix, runs interleaved; prints each program's minimum and median and the ratio of medians.
# Usage: scripts/bench-startup.sh [--runs N] [--os-count N] [--compare PROGRAM] [--floor]
#   --os-count N       lists N operating-system folders (for instance 1500) instead of the demo's own two.
#   --compare PROGRAM  times another trimlode.exe in the same runs (a file name is one in the build folder),
#                      for instance a copy of the build before a change.
#   --floor            also times the bare window with common controls 6 loaded: what themed controls cost
#                      any program before it creates one.
# Builds what it needs first, in the Windows build this machine's Wine runs (build/win32, or build/win64
# where 32-bit programs cannot run). Without a display it runs on a virtual screen.
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
source scripts/wine-env.sh

build_dir="$TRIMLODE_WINDOWS_BUILD"
preset="$(basename "$build_dir")"
[ -f "$build_dir/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target trimlode_bench_startup >/dev/null

trimlode_xvfb_pid=""
stop() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$trimlode_xvfb_pid" ] && kill "$trimlode_xvfb_pid" 2>/dev/null
    return 0
}
trap stop EXIT
if [ -z "${DISPLAY:-}" ]; then
    trimlode_start_virtual_screen 1600x1000 || { echo "bench: the virtual screen did not start" >&2; exit 1; }
fi
trimlode_wine_prefix
# The programs start as fast as they can only once Wine's own services are up.
wine cmd /c exit >/dev/null 2>&1 || true
cd "$build_dir"
wine trimlode_bench_startup.exe "$@"
