#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix (ctest's emulator for the Windows build).
# Without a display it starts a virtual one for this run.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
trimlode_wine_prefix
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1600x1000x24' wine "$@"
fi
exec wine "$@"
