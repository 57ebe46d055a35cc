#!/usr/bin/env bash
# Plasma 5.27 session on a private Xvfb: kwin_x11 (compositing, OpenGL on
# llvmpipe), kded5 (its statusnotifierwatcher module is the tray's D-Bus side)
# and plasmashell (default layout: bottom panel with the system tray; it also
# shows notifications). See lib.sh for the subcommands.
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
DESK=kde

desk_start() {
    local home disp
    home=$(lab_home "$DIR")
    disp=$(lab_xvfb "$DIR" "${LAB_SIZE:-1280x800x24}") || return 1
    # No first-run splash / welcome, a single desktop.
    mkdir -p "$home/.config"
    printf '[KSplash]\nEngine=None\nTheme=None\n' >"$home/.config/ksplashrc"
    printf '[Desktops]\nNumber=1\nRows=1\n[Compositing]\nEnabled=true\nBackend=OpenGL\n' >"$home/.config/kwinrc"
    lab_x11_session "$disp" "$home" XDG_CURRENT_DESKTOP=KDE XDG_SESSION_DESKTOP=KDE \
        DESKTOP_SESSION=plasma KDE_FULL_SESSION=true KDE_SESSION_VERSION=5 QT_QPA_PLATFORM=xcb ||
        return 1
    $NICE kwin_x11 >"$DIR/kwin.log" 2>&1 &
    echo $! >>"$DIR/pids"
    lab_wait_selection WM_S0 60 || return 1
    lab_wait_selection _NET_WM_CM_S0 60 || echo "lab: kwin is not compositing (no opacity)" >&2
    $NICE kded5 >"$DIR/kded.log" 2>&1 &
    echo $! >>"$DIR/pids"
    lab_wait_busname org.kde.StatusNotifierWatcher 60 || return 1
    $NICE plasmashell --no-respawn >"$DIR/plasmashell.log" 2>&1 &
    echo $! >>"$DIR/pids"
    lab_wait_busname org.kde.plasmashell 120 || return 1
    # The tray host registers once the panel's system tray is loaded.
    local i
    for ((i = 0; i < 120; i++)); do
        gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
            -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered \
            2>/dev/null | grep -q true && break
        sleep 1
    done
    lab_wait_busname org.freedesktop.Notifications 30 || echo "lab: (no notification service)" >&2
    sleep 3
}
lab_main "$@"
