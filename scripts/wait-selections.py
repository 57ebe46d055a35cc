#!/usr/bin/env python3
"""Waits until every named X selection (WM_S0, _NET_SYSTEM_TRAY_S0, ...) has an
owner on $DISPLAY: a window manager, compositor or tray is then ready.

    wait-selections.py [--seconds N] NAME...

Exit status 1, naming what nobody owns, after N seconds (default 10)."""
import ctypes
import sys
import time

args = sys.argv[1:]
seconds = 10.0
if args[:1] == ["--seconds"]:
    seconds, args = float(args[1]), args[2:]
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XGetSelectionOwner.restype = ctypes.c_ulong
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("wait-selections: cannot open the X display")
atoms = {name: x11.XInternAtom(display, name.encode(), 0) for name in args}
deadline = time.monotonic() + seconds
while True:
    missing = [name for name, atom in atoms.items() if not x11.XGetSelectionOwner(display, atom)]
    if not missing:
        break
    if time.monotonic() > deadline:
        sys.exit("wait-selections: nobody owns " + ", ".join(missing))
    time.sleep(0.02)
