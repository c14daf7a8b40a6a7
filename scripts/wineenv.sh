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
    [ -f "$WINEPREFIX/.vqtr-ready" ] || (
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
    vqtr_ensure_setup_cd
    vqtr_install_help
}

# The printer's help file and user guide where the module opens them, the printer-driver folder,
# whenever the build has made other ones than those there.
vqtr_install_help() {
    local folder="$WINEPREFIX/drive_c/windows/system32/spool/drivers/x64/3" name
    for name in vqtrqor.chm vqtrma.chm; do
        [ -f "$VQTR_BUILD_DIR/bin/$name" ] || continue
        mkdir -p "$folder"
        cmp -s "$VQTR_BUILD_DIR/bin/$name" "$folder/$name" ||
            cp "$VQTR_BUILD_DIR/bin/$name" "$folder/$name"
    done
}

# The setup CD: drive S: of the prefix is a CD-ROM drive whose disc is the folder VQTR_SETUP_CD.
# Tests and the reference host put the disc's files there (or take them away: no disc). Wine reads
# a drive's type when its server starts, so a server that runs already is stopped once.
export VQTR_SETUP_CD="$VQTR_BUILD_DIR/setup-cd"
vqtr_ensure_setup_cd() {
    mkdir -p "$VQTR_SETUP_CD"
    [ -f "$WINEPREFIX/.vqtr-setup-cd" ] && return 0
    (
        flock 9
        [ -f "$WINEPREFIX/.vqtr-setup-cd" ] && exit 0
        ln -sfn "$VQTR_SETUP_CD" "$WINEPREFIX/dosdevices/s:"
        wine reg add 'HKLM\Software\Wine\Drives' /v 's:' /t REG_SZ /d cdrom /f >/dev/null 2>&1
        wineserver -k 2>/dev/null
        wineserver -w
        touch "$WINEPREFIX/.vqtr-setup-cd"
    ) 9>"$VQTR_BUILD_DIR/.wineprefix.lock"
}

vqtr_display_alive() {
    [ -n "${DISPLAY:-}" ] || return 1
    local n=${DISPLAY#*:}
    n=${n%%.*}
    [ -S "/tmp/.X11-unix/X$n" ] || return 1
    # A server that died leaves its socket behind; its lock file names its process.
    local pid
    pid=$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null) || return 0
    [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null
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

# The print queue of the test page's real print: a CUPS queue whose cups-pdf backend turns each job
# into a PDF file in VQTR_PDF_FOLDER, which a test reads back. Wine prints through CUPS by itself.
# Made once, idempotently; as root or with sudo that asks for nothing. When it cannot be made the
# print test skips itself and says why: nothing here fails the caller.
export VQTR_PRINT_QUEUE=${VQTR_PRINT_QUEUE:-VqtrPDF}
export VQTR_PDF_FOLDER=${VQTR_PDF_FOLDER:-/var/spool/cups-pdf/vqtr}
vqtr_ensure_print_queue() {
    local sudo= ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    local conf=/etc/cups/cups-pdf-vqtrpdf.conf
    [ "$(id -u)" -eq 0 ] || sudo="sudo -n"
    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || [ ! -f "$ppd" ]; then
        echo "print queue: CUPS or cups-pdf is not installed; the print test will skip" >&2
        return 0
    fi
    if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
        $sudo cupsd 2>/dev/null || true
        for _ in $(seq 50); do
            lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
            sleep 0.1
        done
    fi
    if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
        echo "print queue: the CUPS scheduler does not run; the print test will skip" >&2
        return 0
    fi
    # One folder for every job of the queue, whoever prints: the test finds the file there. Page
    # contents stay uncompressed, so that the test reads where the picture went.
    local settings
    settings=$(printf '%s\n' "Out $VQTR_PDF_FOLDER" "AnonDirName $VQTR_PDF_FOLDER" "Label 0" \
        'GSCall %s -q -dCompatibilityLevel=%s -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile="%s" -dCompressPages=false -c -f %s')
    lpstat -v "$VQTR_PRINT_QUEUE" >/dev/null 2>&1 && [ "$(cat "$conf" 2>/dev/null)" = "$settings" ] &&
        return 0
    if ! { $sudo mkdir -p "$VQTR_PDF_FOLDER" &&
        printf '%s\n' "$settings" | $sudo tee "$conf" >/dev/null &&
        $sudo lpadmin -p "$VQTR_PRINT_QUEUE" -E -v cups-pdf:/vqtrpdf -P "$ppd" 2>/dev/null; }; then
        echo "print queue: $VQTR_PRINT_QUEUE could not be made; the print test will skip" >&2
    fi
    return 0
}
