#!/usr/bin/env python3
"""Starts a program and prints the milliseconds until its window shows.

    map-time.py NAME COMMAND [ARG...]

"Shows" means viewable: the window, wider than a tray icon and with NAME in its
title, is mapped, and so is the window manager's frame around it. The X server
reports each step, so nothing polls while the program starts. The program is
ended afterwards.
"""
import ctypes
import subprocess
import sys
import time

CREATE_NOTIFY, MAP_NOTIFY, REPARENT_NOTIFY = 16, 19, 21
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
STRUCTURE_NOTIFY_MASK = 1 << 17
IS_VIEWABLE = 2


class AnyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("parent", ctypes.c_ulong)]


class Event(ctypes.Union):
    _fields_ = [("any", AnyEvent), ("pad", ctypes.c_long * 24)]


class Attributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
# A window may be gone by the time it is asked about; Xlib's own handler
# would end this script for that.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
ignore_errors = ERROR_HANDLER(lambda display, error: 0)
x11.XSetErrorHandler(ignore_errors)
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(Event)]
x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(Attributes)]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]


def attributes(display, window):
    found = Attributes()
    return found if x11.XGetWindowAttributes(display, window, ctypes.byref(found)) else None


def is_ours(display, window, name):
    title = ctypes.c_char_p()
    if not x11.XFetchName(display, window, ctypes.byref(title)) or not title.value:
        return False
    shape = attributes(display, window)
    return name in title.value.decode(errors="replace") and shape is not None and shape.width > 64


def start_and_wait(name, command):
    """Starts the program; returns (display, its window, the process, seconds
    until the window was viewable)."""
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("map-time: cannot open the X display")
    root = x11.XDefaultRootWindow(display)
    x11.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync(display, 0)

    start = time.monotonic()
    program = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    ours = None  # the program's window, once it is known
    event = Event()
    while True:
        x11.XNextEvent(display, ctypes.byref(event))
        kind, window = event.any.type, event.any.window
        if kind == CREATE_NOTIFY:
            # Without a window manager the window itself is what maps.
            x11.XSelectInput(display, window, STRUCTURE_NOTIFY_MASK)
        elif kind == REPARENT_NOTIFY and ours is None and is_ours(display, window, name):
            ours = window
        elif kind == MAP_NOTIFY and window != root:
            if ours is None and event.any.event == window and is_ours(display, window, name):
                ours = window
            # Viewable once it and every window around it are mapped.
            shape = attributes(display, ours) if ours is not None else None
            if shape is not None and shape.map_state == IS_VIEWABLE:
                break
    return display, ours, program, time.monotonic() - start


def main():
    _, _, program, elapsed = start_and_wait(sys.argv[1], sys.argv[2:])
    program.terminate()
    program.wait()
    print(round(elapsed * 1000))


if __name__ == "__main__":
    main()
