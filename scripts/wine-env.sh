# Sourced by every script that runs Wine: the one place that decides how Wine runs on this machine.
#
# Wine mode (TRIMLODE_WINE_MODE, default "auto"):
#   both  32-bit and 64-bit Windows programs run (Debian's wine picks its 32-bit loader, WoW64 prefix)
#   64    64-bit programs only: every Wine call goes to the 64-bit loader, in a 64-bit prefix of its own
#   auto  "both" where Wine's 32-bit loader starts on this machine, "64" where it does not (some kernels
#         refuse 32-bit programs outright: "Exec format error")
# Forcing "64" on a machine that runs 32-bit programs tries the other road without another machine.
#
# After sourcing: TRIMLODE_RUNS_32BIT is 1 or 0; TRIMLODE_NO_32BIT_REASON says why not; TRIMLODE_WINDOWS_BUILD
# names the build folder (build/win32 or build/win64) that the demo uses. One prefix inside the build folder,
# quiet, no Mono or Gecko download prompts, UTF-8 so Unicode file names survive.
trimlode_repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
trimlode_wine32_loader=/usr/lib/wine/wine
trimlode_wine64_loader=/usr/lib/wine/wine64

# Succeeds when Wine's 32-bit loader starts here; prints why not otherwise.
trimlode_wine32_usable() {
    if [ ! -x "$trimlode_wine32_loader" ]; then
        echo "Wine's 32-bit loader ($trimlode_wine32_loader) is not installed"
        return 1
    fi
    local output
    if ! output="$("$trimlode_wine32_loader" --version 2>&1)"; then
        echo "this machine cannot run 32-bit programs (${output##*: })"
        return 1
    fi
}

trimlode_settle_wine_mode() {
    local reason
    case "${TRIMLODE_WINE_MODE:-auto}" in
    both)
        TRIMLODE_RUNS_32BIT=1
        TRIMLODE_NO_32BIT_REASON=""
        ;;
    64)
        TRIMLODE_RUNS_32BIT=0
        TRIMLODE_NO_32BIT_REASON="64-bit Wine forced (TRIMLODE_WINE_MODE=64)"
        ;;
    auto)
        if reason="$(trimlode_wine32_usable)"; then
            TRIMLODE_RUNS_32BIT=1
            TRIMLODE_NO_32BIT_REASON=""
        else
            TRIMLODE_RUNS_32BIT=0
            TRIMLODE_NO_32BIT_REASON="$reason"
        fi
        ;;
    *)
        echo "wine-env: TRIMLODE_WINE_MODE must be auto, both or 64, not '$TRIMLODE_WINE_MODE'" >&2
        return 1
        ;;
    esac
    export TRIMLODE_RUNS_32BIT TRIMLODE_NO_32BIT_REASON
}

trimlode_settle_wine_mode || return 1
if [ "$TRIMLODE_RUNS_32BIT" = 1 ]; then
    export TRIMLODE_WINDOWS_BUILD="$trimlode_repo_root/build/win32"
    export WINEPREFIX="${TRIMLODE_WINEPREFIX:-$trimlode_repo_root/build/wine}"
else
    # Debian's wine and wineboot always take the 32-bit loader once it is installed: these take the
    # 64-bit one. WINELOADER is what Wine itself uses to start further programs.
    export PATH="$trimlode_repo_root/scripts/wine64:$PATH"
    export WINELOADER="${WINELOADER:-$trimlode_wine64_loader}"
    export TRIMLODE_WINDOWS_BUILD="$trimlode_repo_root/build/win64"
    export WINEPREFIX="${TRIMLODE_WINEPREFIX:-$trimlode_repo_root/build/wine64}"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
export WINEARCH=win64

# Runs one prefix set-up command; on failure says which and shows what it printed.
trimlode_prefix_step() {
    local output
    if ! output="$("$@" 2>&1)"; then
        echo "wine prefix: '$*' failed in $WINEPREFIX:" >&2
        printf '%s\n' "$output" | tail -n 20 >&2
        return 1
    fi
}

trimlode_make_prefix() {
    local x11='HKCU\Software\Wine\X11 Driver'
    local fonts='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    local current_version='HKLM\Software\Microsoft\Windows\CurrentVersion'
    # wineboot's exit status says nothing useful: a 64-bit prefix logs a missing syswow64 program and
    # still works. What matters is that the registry answers afterwards.
    wineboot --init >/dev/null 2>&1
    trimlode_prefix_step wineserver -w || return 1
    # No window manager on the virtual display: unmanaged windows close without Wine's 2 s wait.
    trimlode_prefix_step wine reg add "$x11" /v Managed /d N /f || return 1
    # Wine marks every name that starts with "." hidden, as Unix would; Windows does not.
    trimlode_prefix_step wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f || return 1
    # Wine has no Times New Roman; its metric twin from fonts-liberation draws the title instead.
    trimlode_prefix_step wine reg add "$fonts" /v 'Times New Roman' /d 'Liberation Serif' /f || return 1
    if [ "$TRIMLODE_RUNS_32BIT" = 0 ]; then
        # Windows x64 always has the 32-bit view's ProgramFilesDir, which the maker's 32-bit software
        # installs below and Trimlode reads; a 64-bit-only Wine prefix lacks it.
        mkdir -p "$WINEPREFIX/drive_c/Program Files (x86)"
        trimlode_prefix_step wine reg add "$current_version" /v ProgramFilesDir \
            /d 'C:\Program Files (x86)' /f /reg:32 || return 1
    fi
    trimlode_prefix_step wine reg query "$current_version" /v ProgramFilesDir /reg:32 || return 1
    # Wine draws the title bar's buttons with Marlett, and finds it only in the prefix's own Fonts folder;
    # without it they show as the letters "0 1 r".
    trimlode_prefix_step cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    trimlode_prefix_step wineserver -w
}

# Creates the prefix once; concurrent callers wait for the first one. A failed set-up leaves no prefix
# behind, so the next call starts afresh instead of using half a prefix.
trimlode_wine_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.trimlode-ready-2" ] && exit 0
        if ! trimlode_make_prefix; then
            wineserver -k >/dev/null 2>&1
            rm -rf "$WINEPREFIX"
            exit 1
        fi
        touch "$WINEPREFIX/.trimlode-ready-2"
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
