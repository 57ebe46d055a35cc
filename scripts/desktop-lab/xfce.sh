#!/usr/bin/env bash
# Xfce 4.18 session on a private Xvfb: xfwm4 (compositor on), xfce4-panel with
# the status tray (XEmbed and StatusNotifier items), xfce4-notifyd; xfdesktop
# too when LAB_XFDESKTOP=1. See lib.sh for the subcommands.
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
DESK=xfce

desk_start() {
    local home disp
    home=$(lab_home "$DIR")
    disp=$(lab_xvfb "$DIR" "${LAB_SIZE:-1280x800x24}") || return 1
    local chan=$home/.config/xfce4/xfconf/xfce-perchannel-xml
    mkdir -p "$chan"
    cp "$LAB/xfce4-panel.xml" "$chan/xfce4-panel.xml"
    cat >"$chan/xfwm4.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfwm4" version="1.0">
  <property name="general" type="empty">
    <property name="use_compositing" type="bool" value="true"/>
    <property name="workspace_count" type="int" value="1"/>
  </property>
</channel>
XML
    lab_x11_session "$disp" "$home" XDG_CURRENT_DESKTOP=XFCE XDG_SESSION_DESKTOP=xfce DESKTOP_SESSION=xfce || return 1
    $NICE xfwm4 --compositor=on >"$DIR/xfwm4.log" 2>&1 &
    echo $! >>"$DIR/pids"
    lab_wait_selection WM_S0 30 && lab_wait_selection _NET_WM_CM_S0 30 || return 1
    $NICE xfce4-panel >"$DIR/panel.log" 2>&1 &
    echo $! >>"$DIR/pids"
    $NICE /usr/lib/x86_64-linux-gnu/xfce4/notifyd/xfce4-notifyd >"$DIR/notifyd.log" 2>&1 &
    echo $! >>"$DIR/pids"
    if [ "${LAB_XFDESKTOP:-0}" = 1 ]; then
        $NICE xfdesktop >"$DIR/xfdesktop.log" 2>&1 &
        echo $! >>"$DIR/pids"
    fi
    lab_wait_selection _NET_SYSTEM_TRAY_S0 60 || return 1
    lab_wait_busname org.kde.StatusNotifierWatcher 30 || echo "lab: (no StatusNotifierWatcher on the bus)" >&2
    lab_wait_busname org.freedesktop.Notifications 30 || return 1
    sleep 2
}
lab_main "$@"
