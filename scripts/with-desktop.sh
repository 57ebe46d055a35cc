#!/usr/bin/env bash
# Runs a command inside a small desktop: a window manager and a tray host on the
# current X display (started by xvfb-run). Both are stopped afterwards.
set -uo pipefail
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
tray=$!
sleep 0.5
"$@"
status=$?
kill "$tray" "$wm" 2>/dev/null
wait "$tray" "$wm" 2>/dev/null
exit $status
