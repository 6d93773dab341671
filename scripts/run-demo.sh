#!/usr/bin/env bash
# Builds Trimlode and starts it on a demo installation of the maker's software in the project's Wine prefix:
# on your display when DISPLAY is set, otherwise on a virtual screen, saving a screenshot (demo/start.sh).
# It builds only what the demo needs, for the Windows build that Wine runs here (scripts/wine-env.sh).
set -euo pipefail
trap 'echo "run-demo: failed (exit $?): $BASH_COMMAND" >&2' ERR
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
bash scripts/setup.sh
source scripts/wine-env.sh
preset="$(basename "$TRIMLODE_WINDOWS_BUILD")"
[ "$TRIMLODE_RUNS_32BIT" = 1 ] || echo "run-demo: using the x64 build: $TRIMLODE_NO_32BIT_REASON"
mkdir -p build
log="build/log-demo-$preset.txt"
echo "run-demo: building trimlode.exe, the demo seeder, the stand-ins and the help ($preset; log in $log)"
if ! { cmake --preset "$preset" && cmake --build --preset "$preset" --target trimlode trimlode_demo_seed \
    trimlode_help; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "run-demo: the build failed; the whole log is in $log" >&2
    exit 1
fi
exec bash demo/start.sh "$TRIMLODE_WINDOWS_BUILD"
