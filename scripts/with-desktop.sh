#!/usr/bin/env bash
# Runs a command inside a small desktop on the current X display (started by
# xvfb-run): a window manager, a compositor, so that window opacity shows as on
# the usual desktops, and a tray host. Each is waited for until it owns its X
# selection; all are stopped afterwards.
set -uo pipefail

# Waits (at most 10 s) until the named X selections have owners.
wait_for_owners() {
    python3 - "$@" <<'PY'
import ctypes, sys, time
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XGetSelectionOwner.restype = ctypes.c_ulong
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("with-desktop: cannot open the X display")
atoms = {name: x11.XInternAtom(display, name.encode(), 0) for name in sys.argv[1:]}
deadline = time.monotonic() + 10
while True:
    missing = [name for name, atom in atoms.items() if not x11.XGetSelectionOwner(display, atom)]
    if not missing:
        break
    if time.monotonic() > deadline:
        sys.exit("with-desktop: nobody owns " + ", ".join(missing))
    time.sleep(0.02)
PY
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
