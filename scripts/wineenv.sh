# Shared by the project's scripts: the private Wine prefix inside the build folder and a display.
# Sourced, not run. Expects $VQTR_BUILD_DIR to name the build folder.

export WINEPREFIX="$VQTR_BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# No mono or gecko installers, and no Linux desktop files for the shell links the module makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# The prefix's user folders are links into HOME: keep them inside the build folder.
export HOME="$VQTR_BUILD_DIR/home"

# Makes the prefix once, with the settings that keep window closes fast and crashes from hanging.
vqtr_ensure_prefix() {
    mkdir -p "$HOME"
    [ -f "$WINEPREFIX/.vqtr-ready" ] && return 0
    (
        flock 9
        [ -f "$WINEPREFIX/.vqtr-ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.vqtr-ready"
    ) 9>"$VQTR_BUILD_DIR/.wineprefix.lock"
}

vqtr_display_alive() {
    [ -n "${DISPLAY:-}" ] || return 1
    local n=${DISPLAY#*:}
    n=${n%%.*}
    [ -S "/tmp/.X11-unix/X$n" ]
}

# Starts an Xvfb when there is no usable display; sets VQTR_XVFB_PID to the one started, if any.
vqtr_ensure_display() {
    VQTR_XVFB_PID=
    vqtr_display_alive && return 0
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VQTR_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        [ -S "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.05
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

vqtr_stop_display() {
    if [ -n "${VQTR_XVFB_PID:-}" ]; then
        kill "$VQTR_XVFB_PID" 2>/dev/null || true
        wait "$VQTR_XVFB_PID" 2>/dev/null || true
    fi
}
