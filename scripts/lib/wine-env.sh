# Sourced by the scripts that run the program or its tests under Wine. Sets up a Wine prefix in
# WORKDIR (new, unless one is there already) with D: and E: mapped to folders beside it, a
# virtual display when there is none, and optionally the recorder as the shell's "open" handler
# for text files and web addresses.
#
#   wine_env_start WORKDIR [RECORDER_EXE]   exports WINEPREFIX, DRIVE_D, DRIVE_E, DISPLAY, ...
#   wine_env_stop                           ends the prefix's processes and the display

wine_env_start() {
    WINE_ENV_DIR=$1
    local recorder=${2:-}
    mkdir -p "$WINE_ENV_DIR"
    export WINEPREFIX=$WINE_ENV_DIR/prefix
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # zh_CN makes Wine's ANSI and OEM code pages 936; TZ makes cmd's time stamps predictable.
    export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 TZ=UTC
    export DRIVE_D=$WINE_ENV_DIR/d DRIVE_E=$WINE_ENV_DIR/e
    mkdir -p "$DRIVE_D" "$DRIVE_E"

    WINE_ENV_XVFB=
    if [ -z "${DISPLAY:-}" ] || [ -n "${WINE_ENV_OWN_DISPLAY:-}" ]; then
        local n=90
        while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
        Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
        WINE_ENV_XVFB=$!
        export DISPLAY=:$n
        local waited=0
        until [ -e /tmp/.X11-unix/X$n ] || [ $waited -ge 100 ]; do sleep 0.1; waited=$((waited + 1)); done
    fi

    # Wine's background processes inherit the standard handles of whoever starts them: start
    # them here with all three closed, so that no later pipe reader waits for them.
    [ -d "$WINEPREFIX/drive_c" ] || wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
    ln -sfn "$DRIVE_D" "$WINEPREFIX/dosdevices/d:"
    ln -sfn "$DRIVE_E" "$WINEPREFIX/dosdevices/e:"
    # Shell folders of a new prefix link into the host's home; keep the folder browser inside.
    local user_dir
    for user_dir in "$WINEPREFIX"/drive_c/users/*/*; do
        [ -L "$user_dir" ] && rm "$user_dir" && mkdir -p "$user_dir"
    done

    wine_reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    if [ -n "$WINE_ENV_XVFB" ]; then
        # On the virtual display no window manager runs: a Wine desktop the display's size
        # draws title bars and frames as Windows would.
        wine_reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
        wine_reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f
    fi
    # A new prefix has the txtfile class (notepad) but does not tie ".txt" to it.
    wine_reg add 'HKCR\.txt' /ve /d txtfile /f
    if [ -n "$recorder" ]; then
        cp "$recorder" "$WINEPREFIX/drive_c/recorder.exe"
        local key
        for key in 'HKCR\txtfile\shell\open\command' 'HKCR\http\shell\open\command' \
                   'HKCR\https\shell\open\command'; do
            wine_reg add "$key" /ve /d '"C:\recorder.exe" "%1"' /f
        done
    fi

    # Restart, so that drive mappings and the desktop take effect, under a server that stays
    # up until wine_env_stop; the first command starts the prefix's services.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    wineserver -p >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

wine_reg() {
    wine reg "$@" >/dev/null 2>&1 </dev/null
}

wine_env_stop() {
    # Never reach for the default prefix when the environment was not started.
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${WINE_ENV_XVFB:-}" ] && kill "$WINE_ENV_XVFB" 2>/dev/null
    WINE_ENV_XVFB=
}
