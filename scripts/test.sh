#!/usr/bin/env bash
# The whole test suite from a fresh machine: installs what is missing, builds the native suite and both
# Windows builds, runs the native tests, then the Windows tests and the end-to-end tests under Wine on a
# virtual display, builds the packages, and ends with one summary line.
#
# Where this machine cannot run 32-bit programs (scripts/wine-env.sh decides), the x86 build is compiled
# and its program checked without running it, its Windows suite is reported as not run (counted as
# skipped) and everything else runs on the x64 build.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

bash scripts/setup.sh || { echo "test: set-up failed"; exit 1; }
source scripts/wine-env.sh || { echo "test: Wine cannot be set up"; exit 1; }

failed_steps=()
step() {
    local name="$1"
    shift
    echo "=== $name"
    if ! "$@"; then
        failed_steps+=("$name")
        echo "=== $name: FAILED"
    fi
}

trimlode_xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$trimlode_xvfb_pid" ] && kill "$trimlode_xvfb_pid" 2>/dev/null
    return 0
}
trap cleanup EXIT

start_display() {
    trimlode_start_virtual_screen 1600x1000 && xdpyinfo >/dev/null 2>&1
}

configure_and_build() {
    cmake --preset "$1" >"build/log-$1.txt" 2>&1 && cmake --build --preset "$1" >>"build/log-$1.txt" 2>&1 ||
        { tail -n 60 "build/log-$1.txt"; return 1; }
}

# ctest's own report (one entry per test program) lets the summary count a program that could not start
# or died before writing its GoogleTest report.
run_ctest() {
    rm -rf "build/$1/test-results" "build/$1/ctest-results.xml"
    ctest --test-dir "build/$1" --output-on-failure --timeout 900 --output-junit ctest-results.xml
}

mkdir -p build
rm -f build/log-*.txt
step "build native" configure_and_build native
step "build win32" configure_and_build win32
step "build win64" configure_and_build win64
step "check trimlode.exe x86 (not run)" python3 scripts/check-exe.py x86 build/win32/trimlode.exe
step "check trimlode.exe x64 (not run)" python3 scripts/check-exe.py x64 build/win64/trimlode.exe
step "tests native" run_ctest native
step "demo on a virtual screen (Wine, $(basename "$TRIMLODE_WINDOWS_BUILD"))" \
    env -u DISPLAY bash demo/start.sh "$TRIMLODE_WINDOWS_BUILD"
step "virtual display" start_display
step "wine prefix" trimlode_wine_prefix
not_run=()
if [ "$TRIMLODE_RUNS_32BIT" = 1 ]; then
    step "tests win32 (Wine)" run_ctest win32
else
    echo "=== tests win32 (Wine): not run: $TRIMLODE_NO_32BIT_REASON"
    not_run=(--not-run build/win32 "$TRIMLODE_NO_32BIT_REASON")
fi
step "tests win64 (Wine)" run_ctest win64
step "soak, short (Wine, $(basename "$TRIMLODE_WINDOWS_BUILD"))" bash scripts/soak.sh
step "package" bash scripts/package.sh
step "signing (throwaway certificate)" bash scripts/check-signing.sh

python3 scripts/summarize.py "${not_run[@]}" build/native build/win32 build/win64 -- "${failed_steps[@]}"
