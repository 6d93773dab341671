#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual screen of 1366 x 768 of its own, whatever display the
# caller has: usage small-screen.sh PROGRAM [ARGUMENTS...]. Wine keeps the screen's size per running
# prefix, so this uses a prefix of its own beside the project's, and stops it and the screen at the end.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo_root/scripts/wine-env.sh" || exit 1
export WINEPREFIX="$WINEPREFIX-1366"

trimlode_xvfb_pid=""
stop() {
    wineserver -k >/dev/null 2>&1
    [ -n "$trimlode_xvfb_pid" ] && kill "$trimlode_xvfb_pid" 2>/dev/null
    return 0
}
trap stop EXIT
if ! trimlode_start_virtual_screen 1366x768; then
    echo "small-screen: the virtual screen did not start" >&2
    exit 1
fi
trimlode_wine_prefix || { echo "small-screen: no usable Wine prefix" >&2; exit 1; }
wine "$@"
