#!/usr/bin/env bash
# The soak test of the removal and restore runs under Wine, on the real Win32 file system: random runs over
# awkward names and attributes, locked modules, runs killed part-way, two instances at once and a planted
# probe folder, checked after every step. It ends with one PASSED or FAILED line.
#   bash scripts/soak.sh          the short version, which the test command runs
#   bash scripts/soak.sh --long   10,000 random runs, 100 kills, 20 rounds of two instances at once
# Other arguments go to the program: --runs N, --kills N, --rounds N, --seed N.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
source scripts/wine-env.sh || exit 1
build="$TRIMLODE_WINDOWS_BUILD"
preset="$(basename "$build")"
log="$repo_root/build/log-soak.txt"
mkdir -p build
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset "$preset" >"$log" 2>&1 || { tail -n 30 "$log"; exit 1; }
fi
cmake --build --preset "$preset" --target trimlode_soak >>"$log" 2>&1 || { tail -n 30 "$log"; exit 1; }
cd "$build" && bash "$repo_root/scripts/wine-run.sh" ./trimlode_soak.exe "$@"
