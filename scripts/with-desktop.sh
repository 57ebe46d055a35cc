#!/usr/bin/env bash
# Runs a command inside a small desktop on the current X display (started by
# xvfb-run): a window manager, a compositor, so that window opacity shows as on
# the usual desktops, and a tray host. Each is waited for until it owns its X
# selection; all are stopped afterwards.
set -uo pipefail

# Waits (at most 10 s) until the named X selections have owners.
wait_for_owners() {
    python3 "$(dirname "$0")/wait-selections.py" "$@"
}

pids=()
stop_desktop() {
    kill "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
}
trap stop_desktop EXIT

openbox >/dev/null 2>&1 &
pids+=($!)
wait_for_owners WM_S0 || exit 1
xcompmgr >/dev/null 2>&1 &
pids+=($!)
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
pids+=($!)
wait_for_owners _NET_WM_CM_S0 _NET_SYSTEM_TRAY_S0 || exit 1
"$@"
