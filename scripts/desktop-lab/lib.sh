# Shared helpers for the desktop lab scripts (sourced).
# State of desktop D lives in run/D beside these scripts: env (variables to source),
# pids, logs, home/ (HOME and XDG dirs of the session).
LAB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
NICE="nice -n 10"

lab_dir() { echo "$LAB/run/$1"; }

# Starts Xvfb on a free display; prints the display number.
lab_xvfb() { # dir [size]
    local dir=$1 size=${2:-1280x800x24}
    exec 3>"$dir/display"
    $NICE Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp +extension GLX +extension RANDR >"$dir/xvfb.log" 2>&1 &
    echo $! >>"$dir/pids"
    exec 3>&-
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    cat "$dir/display"
}

# Writes run/D/env for an X11 session on display $1 with HOME $2 (and its XDG
# folders), adding the NAME=value arguments after those, loads it and starts
# the session's D-Bus.
lab_x11_session() {
    local disp=$1 home=$2
    shift 2
    printf '%s\n' "DISPLAY=:$disp" "HOME=$home" "XDG_CONFIG_HOME=$home/.config" \
        "XDG_DATA_HOME=$home/.local/share" "XDG_CACHE_HOME=$home/.cache" \
        "XDG_RUNTIME_DIR=$DIR/xdg-runtime" "XDG_SESSION_TYPE=x11" "$@" >"$DIR/env"
    set -a; . "$DIR/env"; set +a
    unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
    dbus-launch --sh-syntax >"$DIR/dbus.sh" || return 1
    . "$DIR/dbus.sh"
    echo "$DBUS_SESSION_BUS_PID" >>"$DIR/pids"
    echo "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" >>"$DIR/env"
}

# Waits (at most $2 s) until X selection $1 has an owner on $DISPLAY.
lab_wait_selection() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/../wait-selections.py" --seconds "${2:-30}" "$1"
}

# Waits until D-Bus name $1 is on the session bus.
lab_wait_busname() {
    local name=$1 t=${2:-30} i
    for ((i = 0; i < t * 5; i++)); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:"$name" 2>/dev/null | grep -q true && return 0
        sleep 0.2
    done
    echo "lab: $name never appeared on the bus" >&2
    return 1
}

lab_stop_pids() { # dir
    local dir=$1
    [ -f "$dir/pids" ] || return 0
    # Newest first; only the processes this lab started (and their groups).
    for p in $(tac "$dir/pids"); do kill "$p" 2>/dev/null; done
    sleep 1
    for p in $(tac "$dir/pids"); do kill -9 "$p" 2>/dev/null; done
    rm -f "$dir/pids"
}

lab_home() { # dir : fresh HOME with XDG dirs
    local h=$1/home
    mkdir -p "$h/.config" "$h/.local/share" "$h/.cache" "$1/xdg-runtime"
    chmod 700 "$1/xdg-runtime"
    echo "$h"
}

# Dispatcher shared by xfce.sh, kde.sh and gnome.sh. The desktop script defines
# desk_start (fills $DIR/env and $DIR/pids), and may define desk_exec / desk_shot.
lab_usage() {
    cat >&2 <<USAGE
usage: $0 start            start the session in the background (returns when ready)
       $0 exec CMD...      run CMD inside the running session
       $0 shot OUT.png     screenshot of the whole screen
       $0 stop             stop the session
       $0 run CMD...       start, run CMD, stop
       $0 env              print the session's variables
USAGE
    exit 2
}

lab_stop() { if declare -F desk_stop >/dev/null; then desk_stop; fi; lab_stop_pids "$1"; }
lab_exec_default() { ( set -a; . "$DIR/env"; set +a; exec "$@" ); }
lab_shot_default() { ( set -a; . "$DIR/env"; set +a; import -window root "$1" ); }

lab_main() {
    DIR=$(lab_dir "$DESK")
    local cmd=${1:-}; shift || true
    case $cmd in
    start)
        [ -f "$DIR/pids" ] && { echo "lab: $DESK already running (stop it first)" >&2; exit 1; }
        rm -rf "$DIR"; mkdir -p "$DIR"
        desk_start "$@" || { echo "lab: $DESK failed to start, see $DIR/*.log" >&2; lab_stop "$DIR"; exit 1; }
        echo "lab: $DESK ready ($(grep -E '^DISPLAY=' "$DIR/env"))" ;;
    exec) [ -f "$DIR/env" ] || { echo "lab: $DESK not running" >&2; exit 1; }
        if declare -F desk_exec >/dev/null; then desk_exec "$@"; else lab_exec_default "$@"; fi ;;
    shot) [ $# -eq 1 ] || lab_usage
        mkdir -p "$(dirname "$1")"; local out; out=$(readlink -f "$1")
        if declare -F desk_shot >/dev/null; then desk_shot "$out"; else lab_shot_default "$out"; fi
        echo "lab: $out" ;;
    stop) lab_stop "$DIR"; echo "lab: $DESK stopped" ;;
    env) cat "$DIR/env" ;;
    run) "$0" start || exit 1
        "$0" exec "$@"; local rc=$?
        "$0" stop; exit $rc ;;
    *) lab_usage ;;
    esac
}
