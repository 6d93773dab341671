# Sourced by the scripts that run Wine: one prefix inside the build folder, quiet, no Mono or Gecko
# download prompts, UTF-8 so Unicode file names survive.
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${TRIMLODE_WINEPREFIX:-$repo_root/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
export WINEARCH=win64

# Creates the prefix once; concurrent callers wait for the first one.
trimlode_wine_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.trimlode-ready" ]; then
            wineboot --init >/dev/null 2>&1 || true
            # No window manager on the virtual display: unmanaged windows close without Wine's 2 s wait.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            # Wine marks every name that starts with "." hidden, as Unix would; Windows does not.
            wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f >/dev/null 2>&1
            # Wine has no Times New Roman; its metric twin from fonts-liberation draws the title instead.
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
                /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.trimlode-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# Starts a virtual screen of the given size (say 1600x1000) and exports DISPLAY for it. Its PID is left in
# trimlode_xvfb_pid, for the caller to stop. Fails when the screen does not come up within 10 s.
trimlode_start_virtual_screen() {
    local display_file
    display_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    trimlode_xvfb_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$display_file" ]; then
        rm -f "$display_file"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$display_file")"
    rm -f "$display_file"
}
