#!/usr/bin/env bash
# GNOME Shell 43 session, headless Wayland (virtual monitor 1280x800) with its
# own XWayland, in private mount and network namespaces (unshare -m -n, a
# private /tmp) so its X display cannot meet any other. The AppIndicator
# extension is enabled unless LAB_APPINDICATOR=0; the lab's own extension
# (gnome-ext/lab-tools) turns on unsafe mode so that Eval and Screenshot work.
# Extra subcommands:
#   gnome.sh appindicator on|off         enable/disable the AppIndicator extension
#   gnome.sh eval 'JS'                   org.gnome.Shell.Eval
#   gnome.sh pointer move X Y | click [B] | dclick [B] | down [B] | up [B]
#                                        real pointer input through the shell
#                                        (xdotool cannot move the Wayland pointer)
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
DESK=gnome
DIR=$(lab_dir gnome)
AI=ubuntu-appindicators@ubuntu.com

desk_exec() {
    local pid; pid=$(cat "$DIR/nspid")
    nsenter -t "$pid" -m -n -- bash -c 'set -a; . "$0"; set +a; exec "$@"' "$DIR/env" "$@"
}
shell_call() { desk_exec gdbus call --session -d org.gnome.Shell "$@"; }
shell_eval() {
    local out; out=$(shell_call -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1") || return 1
    echo "$out"
    [[ $out == "(true,"* ]]
}
# The shell's own banners about the lab ("unsafe mode", "privileged user") go first.
drop_lab_banners() {
    shell_eval 'Main.messageTray.getSources().forEach(s => s.notifications.filter(n => /privileged|unsafe/i.test(n.title)).forEach(n => n.destroy())); 1' >/dev/null
}
desk_shot() {
    drop_lab_banners; sleep 0.3
    shell_call -o /org/gnome/Shell/Screenshot -m org.gnome.Shell.Screenshot.Screenshot \
        true false "$1" >/dev/null 2>&1 ||
        desk_exec gnome-screenshot -p -f "$1"
}

desk_start() {
    local home
    home=$(lab_home "$DIR")
    mkdir -p "$home/.local/share/gnome-shell/extensions"
    cp -r "$LAB/gnome-ext/." "$home/.local/share/gnome-shell/extensions/"
    {
        echo "HOME=$home"
        echo "XDG_CONFIG_HOME=$home/.config"
        echo "XDG_DATA_HOME=$home/.local/share"
        echo "XDG_CACHE_HOME=$home/.cache"
        echo "XDG_RUNTIME_DIR=$DIR/xdg-runtime"
        echo "XDG_CURRENT_DESKTOP=GNOME"
        echo "XDG_SESSION_DESKTOP=gnome"
        echo "XDG_SESSION_TYPE=wayland"
        echo "DESKTOP_SESSION=gnome"
        echo "NO_AT_BRIDGE=1"
    } >"$DIR/env"
    env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
        unshare -m -n --propagation private bash -c '
        ip link set lo up
        mount -t tmpfs -o mode=1777 tmpfs /tmp && mkdir -m 1777 /tmp/.X11-unix
        # No logind here: hide the image'"'"'s stale /run/systemd/seats so the shell
        # uses no login manager, and give it a private system bus.
        mount -t tmpfs tmpfs /run/systemd
        mount -t tmpfs tmpfs /run/dbus && dbus-daemon --system --fork
        exec dbus-run-session -- bash "$0" "$1"' "$LAB/gnome-inner.sh" "$DIR" \
        >"$DIR/session.log" 2>&1 &
    echo $! >"$DIR/nspid"
    echo $! >>"$DIR/pids"
    local i
    for ((i = 0; i < 100; i++)); do grep -q DBUS_SESSION "$DIR/env" && break; sleep 0.2; done
    readlink "/proc/$(cat "$DIR/nspid")/ns/net" >"$DIR/netns"
    # The shell is up once its Eval answers (true only in unsafe mode).
    for ((i = 0; i < 180; i++)); do
        shell_call -o /org/gnome/Shell -m org.freedesktop.DBus.Properties.Get org.gnome.Shell ShellVersion >/dev/null 2>&1 && break
        kill -0 "$(cat "$DIR/nspid")" 2>/dev/null || return 1
        sleep 1
    done
    ((i < 180)) || return 1
    # Both extensions were set in gnome-inner.sh; asking again is harmless.
    shell_call -o /org/gnome/Shell -m org.gnome.Shell.Extensions.EnableExtension lab-tools@quillmark.lab >/dev/null || return 1
    for ((i = 0; i < 30; i++)); do shell_eval 1 >/dev/null && break; sleep 1; done
    # GNOME starts in the overview: wait for the start-up to end, then leave it,
    # and drop the banners ("unsafe mode", "privileged user") from the screenshots.
    for ((i = 0; i < 60; i++)); do
        shell_eval 'Main.layoutManager._startingUp' | grep -q "'false'" && break; sleep 1
    done
    sleep 2
    for ((i = 0; i < 10; i++)); do
        shell_eval 'Main.overview.hide(); Main.messageTray.getSources().forEach(s => s.destroy()); Main.overview.visible || Main.overview.animationInProgress' >/dev/null
        sleep 1
        shell_eval 'Main.overview.visible' | grep -q "'false'" && break
    done
    if [ "${LAB_APPINDICATOR:-1}" = 1 ]; then
        shell_call -o /org/gnome/Shell -m org.gnome.Shell.Extensions.EnableExtension $AI >/dev/null || return 1
    fi
    shell_eval 'Main.extensionManager.getUuids().map(u => u + "=" + Main.extensionManager.lookup(u).state).join(" ")' \
        | sed "s/^/lab: extensions (1 = enabled): /" >&2
    # XWayland: its display and the auth file mutter made for it.
    local x auth
    for ((i = 0; i < 60; i++)); do
        x=$(desk_exec sh -c 'ls /tmp/.X11-unix 2>/dev/null | sed -n "s/^X//p" | head -1')
        [ -n "$x" ] && break; sleep 0.5
    done
    [ -n "$x" ] || { echo "lab: no XWayland display" >&2; return 1; }
    auth=$(ls "$DIR"/xdg-runtime/.mutter-Xwaylandauth.* 2>/dev/null | head -1)
    echo "DISPLAY=:$x" >>"$DIR/env"
    [ -n "$auth" ] && echo "XAUTHORITY=$auth" >>"$DIR/env"
    echo "WAYLAND_DISPLAY=wayland-0" >>"$DIR/env"
    sleep 2
}

# Everything left in the session's network namespace (the private system bus,
# dconf, accounts-daemon, polkitd, ...) is the session's own: stopped with it.
desk_stop() {
    local pid ns p left
    pid=$(cat "$DIR/nspid" 2>/dev/null) || return 0
    ns=$(readlink "/proc/$pid/ns/net" 2>/dev/null) || ns=$(cat "$DIR/netns" 2>/dev/null) || return 0
    [ -n "$ns" ] && [ "$ns" != "$(readlink /proc/self/ns/net)" ] || return 0
    ns_pids() { for p in /proc/[0-9]*; do [ "$(readlink "$p/ns/net" 2>/dev/null)" = "$ns" ] && echo "${p#/proc/}"; done; }
    left=$(ns_pids); [ -n "$left" ] && kill $left 2>/dev/null
    sleep 1
    left=$(ns_pids); [ -n "$left" ] && kill -9 $left 2>/dev/null
}

case ${1:-} in
appindicator)
    m=EnableExtension; [ "${2:-on}" = off ] && m=DisableExtension
    shell_call -o /org/gnome/Shell -m org.gnome.Shell.Extensions.$m $AI ;;
eval) shell_eval "$2" ;;
pointer)
    t='GLib.get_monotonic_time()'
    pre='const {Clutter, GLib} = imports.gi; if (!global._labPointer) global._labPointer = Clutter.get_default_backend().get_default_seat().create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE); const p = global._labPointer;'
    b=${3:-1}
    case $2 in
    move) shell_eval "$pre p.notify_absolute_motion($t, $3, $4);" >/dev/null ;;
    down) shell_eval "$pre p.notify_button($t, $b, Clutter.ButtonState.PRESSED);" >/dev/null ;;
    up) shell_eval "$pre p.notify_button($t, $b, Clutter.ButtonState.RELEASED);" >/dev/null ;;
    click) shell_eval "$pre p.notify_button($t, $b, Clutter.ButtonState.PRESSED); p.notify_button($t, $b, Clutter.ButtonState.RELEASED);" >/dev/null ;;
    dclick) shell_eval "$pre for (let i = 0; i < 2; i++) { p.notify_button($t, $b, Clutter.ButtonState.PRESSED); p.notify_button($t, $b, Clutter.ButtonState.RELEASED); }" >/dev/null ;;
    *) echo "usage: gnome.sh pointer move X Y | click|dclick|down|up [BUTTON]" >&2; exit 2 ;;
    esac ;;
*) lab_main "$@" ;;
esac
