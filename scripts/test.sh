#!/usr/bin/env bash
# The whole test suite from a fresh machine: installs what is missing, builds the native suite and both
# Windows builds, runs the native tests, then the Windows tests and the end-to-end tests under Wine on a
# virtual display, builds the packages, and ends with one summary line.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

bash scripts/setup.sh || { echo "test: set-up failed"; exit 1; }
source scripts/wine-env.sh

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

run_ctest() {
    rm -rf "build/$1/test-results"
    ctest --test-dir "build/$1" --output-on-failure --timeout 900
}

mkdir -p build
rm -f build/log-*.txt
step "build native" configure_and_build native
step "build win32" configure_and_build win32
step "build win64" configure_and_build win64
step "tests native" run_ctest native
step "demo on a virtual screen (Wine)" env -u DISPLAY bash demo/start.sh build/win32
step "virtual display" start_display
step "wine prefix" trimlode_wine_prefix
step "tests win32 (Wine)" run_ctest win32
step "tests win64 (Wine)" run_ctest win64
step "package" bash scripts/package.sh

python3 scripts/summarize.py build/native build/win32 build/win64 "${#failed_steps[@]}" "${failed_steps[@]}"
