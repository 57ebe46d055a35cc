#!/usr/bin/env bash
# The program on a desktop of its own (Xvfb and openbox) that has no
# notification area at first: started hidden, as at login, it waits minimised
# in the window list as an ordinary window. An embedding tray started later
# takes it in (the icon docks, the window goes into the tray); when that tray
# goes away (a panel restart) the window is listed again, and it goes back
# into the tray when the tray returns.
set -uo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 20 s for a shell condition.
wait_for() {
    local deadline=$((SECONDS + 20))
    until eval "$1"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "FAILED: $2" >&2
            cat "$work/out" >&2
            exit 1
        fi
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_for '[ -s "$work/display" ]' "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' "no window manager"

# A home of its own; the word on how to get a tray was heard before.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/data"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME/Tarnwick software" "$XDG_RUNTIME_DIR" "$work/folder/Data"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Status]\nTray hint shown=1\n' >"$XDG_CONFIG_HOME/Tarnwick software/Quillmark.conf"
(cd "$work/folder" && exec "$program" --hide) >"$work/out" 2>&1 &
pids+=($!)

window() { xdotool search --name ' - Quillmark$' 2>/dev/null | head -n 1; }
wm_state() { xprop -id "$(window)" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
listed() { ! xprop -id "$(window)" _NET_WM_STATE 2>/dev/null | grep -q SKIP_TASKBAR; }
# The tray's window tree holds the embedded icon.
docked() {
    local tray
    tray="$(xdotool search --classname '^trayer$' 2>/dev/null | head -n 1)"
    [ -n "$tray" ] && [ "$(xwininfo -children -id "$tray" | grep -c '^ *0x')" -gt 0 ]
}
start_tray() {
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
    tray_pid=$!
    pids+=($tray_pid)
}

wait_for '[ -n "$(window)" ] && [ "$(wm_state)" = Iconic ]' "no minimised window without a tray"
listed || { echo "FAILED: the window is kept off the taskbar without a tray" >&2; exit 1; }
xprop -id "$(window)" _NET_WM_WINDOW_TYPE | grep -q NORMAL ||
    { echo "FAILED: not an ordinary window without a tray" >&2; exit 1; }

start_tray
wait_for 'docked' "the icon did not dock in a tray that came later"
wait_for '[ "$(wm_state)" != Iconic ] && [ "$(wm_state)" != Normal ]' \
    "the hidden window did not go into the tray"

kill "$tray_pid"
wait_for '[ "$(wm_state)" = Iconic ] && listed' "the window was not listed when the tray went away"
start_tray
wait_for 'docked && [ "$(wm_state)" != Iconic ]' "the window did not go back into a restarted tray"
echo "passed"
