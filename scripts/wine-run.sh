#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix (ctest's emulator for the Windows build).
# Without a display it starts a virtual one for this run.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" || exit 1
trimlode_wine_prefix || { echo "wine-run: no usable Wine prefix, $1 not run" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1600x1000x24' wine "$@"
fi
exec wine "$@"
