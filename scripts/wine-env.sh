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
