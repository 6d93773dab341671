#!/usr/bin/env bash
# Proves the signing road of scripts/package.sh with a throwaway self-signed certificate made here and
# never kept: packages both builds signed into a scratch folder, verifies each program's Authenticode
# signature, and starts the signed program that Wine runs on this machine on the display, until its window
# shows. The real packages in the build folders are left as they are.
set -uo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo_root/scripts/wine-env.sh" || exit 1
scratch="$(mktemp -d)"
program_pid=""
finish() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT
fail() {
    echo "signing: $*" >&2
    exit 1
}

openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 1 -subj "/CN=Trimlode throwaway test" \
    -keyout "$scratch/key.pem" -out "$scratch/cert.pem" >/dev/null 2>&1 || fail "cannot make a certificate"
export TRIMLODE_SIGN_CERT="$scratch/cert.pem" TRIMLODE_SIGN_KEY="$scratch/key.pem"

for build in win32 win64; do
    (cd "$repo_root/build/$build" && cpack -G ZIP -D CPACK_OUTPUT_FILE_PREFIX="$scratch/$build" >/dev/null) ||
        fail "packaging $build signed failed"
    unzip -q "$scratch/$build"/trimlode-*.zip -d "$scratch/$build/unpacked" || fail "cannot unpack $build"
    program="$(echo "$scratch/$build"/unpacked/*/trimlode.exe)"
    report="$(osslsigncode verify -CAfile "$TRIMLODE_SIGN_CERT" -in "$program" 2>&1)" ||
        fail "$build: the signature does not verify: $report"
    grep -q 'Signature verification: ok' <<<"$report" || fail "$build: no verified signature: $report"
    echo "signing: $build trimlode.exe signed (SHA-256) and verified"
done

started="$scratch/$(basename "$TRIMLODE_WINDOWS_BUILD")/unpacked"
trimlode_wine_prefix || fail "no usable Wine prefix"
(cd "$started"/* && exec wine trimlode.exe) >/dev/null 2>&1 &
program_pid=$!
for _ in $(seq 1 300); do
    if xdotool search --onlyvisible --name '^Trimlode$' >/dev/null 2>&1; then
        echo "signing: the signed $(basename "$TRIMLODE_WINDOWS_BUILD") trimlode.exe starts under Wine"
        exit 0
    fi
    kill -0 "$program_pid" 2>/dev/null || fail "the signed trimlode.exe ended before its window showed"
    sleep 0.1
done
fail "the signed trimlode.exe showed no window within 30 s"
