#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual screen of its own, of the given size and DPI, whatever
# display the caller has: usage on-screen.sh WIDTHxHEIGHT DPI PROGRAM [ARGUMENTS...]. Wine keeps the screen's
# size per running prefix and reads the DPI from the prefix, so each size and DPI gets a prefix of its own
# beside the project's; this stops it and the screen at the end.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
screen="${1:?usage: on-screen.sh WIDTHxHEIGHT DPI PROGRAM [ARGUMENTS...]}"
dpi="${2:?usage: on-screen.sh WIDTHxHEIGHT DPI PROGRAM [ARGUMENTS...]}"
shift 2
source "$repo_root/scripts/wine-env.sh" || exit 1
export WINEPREFIX="$WINEPREFIX-$screen-$dpi"

trimlode_xvfb_pid=""
stop() {
    wineserver -k >/dev/null 2>&1
    [ -n "$trimlode_xvfb_pid" ] && kill "$trimlode_xvfb_pid" 2>/dev/null
    return 0
}
trap stop EXIT
if ! trimlode_start_virtual_screen "$screen"; then
    echo "on-screen: the virtual screen did not start" >&2
    exit 1
fi
trimlode_wine_prefix || { echo "on-screen: no usable Wine prefix" >&2; exit 1; }
if ! wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1; then
    echo "on-screen: cannot set $dpi DPI in $WINEPREFIX" >&2
    exit 1
fi
wine "$@"
