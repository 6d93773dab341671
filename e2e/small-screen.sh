#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual screen of 1366 x 768 of its own, whatever display the
# caller has: usage small-screen.sh PROGRAM [ARGUMENTS...]. Wine keeps the screen's size per running
# prefix, so this uses a prefix of its own beside the project's, and stops it and the screen at the end.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TRIMLODE_WINEPREFIX="${TRIMLODE_WINEPREFIX:-$repo_root/build/wine}-1366"
source "$repo_root/scripts/wine-env.sh"

display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
stop() {
    wineserver -k >/dev/null 2>&1
    kill "$xvfb_pid" 2>/dev/null
    rm -f "$display_file"
}
trap stop EXIT
for _ in $(seq 1 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
if [ ! -s "$display_file" ]; then
    echo "small-screen: the virtual screen did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$display_file")"
trimlode_wine_prefix
wine "$@"
