#!/usr/bin/env bash
# Seeds the project's Wine prefix with the demo installation and starts trimlode.exe in it.
# Usage: demo/start.sh [BUILD_DIR] (a Windows build folder; by default the one Wine runs on this machine,
# build/win32 where 32-bit programs run, build/win64 where they cannot).
# With DISPLAY set, Trimlode opens on that display and this script ends when Trimlode is closed. Without
# one, Trimlode runs on a virtual screen of its own: the script waits for the window, saves a screenshot
# beside the build folder (build/trimlode-demo.png), says where, and stops what it started.
set -euo pipefail
# The demo never ends without saying why.
trap 'echo "demo: failed (exit $?): $BASH_COMMAND" >&2' ERR
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
build_dir="$(cd "${1:-$TRIMLODE_WINDOWS_BUILD}" && pwd)"
for program in trimlode.exe trimlode_demo_seed.exe; do
    if [ ! -f "$build_dir/$program" ]; then
        echo "demo: $build_dir/$program is not built" >&2
        exit 1
    fi
done

seed() {
    trimlode_wine_prefix || { echo "demo: no usable Wine prefix in $WINEPREFIX" >&2; return 1; }
    wine "$build_dir/trimlode_demo_seed.exe" || { echo "demo: seeding the demo installation failed" >&2; return 1; }
}

if [ -n "${DISPLAY:-}" ]; then
    seed
    echo "demo: starting Trimlode on $DISPLAY; close its window to end the demo"
    cd "$build_dir"
    exec wine trimlode.exe
fi

screenshot="$(dirname "$build_dir")/trimlode-demo.png"
trimlode_xvfb_pid=""
trimlode_pid=""
stop() {
    [ -n "$trimlode_pid" ] && kill "$trimlode_pid" 2>/dev/null
    # Let Wine's own processes leave the prefix before their screen goes away.
    timeout 30 wineserver -w 2>/dev/null || true
    [ -n "$trimlode_xvfb_pid" ] && kill "$trimlode_xvfb_pid" 2>/dev/null
    return 0
}
trap stop EXIT
trimlode_start_virtual_screen 1600x1000 || { echo "demo: the virtual screen did not start" >&2; exit 1; }

seed
(cd "$build_dir" && exec wine trimlode.exe) &
trimlode_pid=$!
window=""
for _ in $(seq 1 300); do
    window="$(xdotool search --onlyvisible --name '^Trimlode$' 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    kill -0 "$trimlode_pid" 2>/dev/null || { echo "demo: Trimlode ended before its window showed" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "demo: Trimlode's window did not show within 30 s" >&2; exit 1; }
sleep 1 # the first paint
import -window "$window" "$screenshot"
echo "demo: Trimlode ran on a virtual screen; its window is saved in $screenshot"
