#!/usr/bin/env python3
"""Starts a program, waits, presses Ctrl+Tab in its window and prints the
milliseconds until the window shows what the key brought up.

    page-time.py NAME WAIT_SECONDS COMMAND [ARG...]

The X server reports each change of the window's picture (the DAMAGE
extension); the picture is taken at each report. The page counts as shown at
the first picture that equals the last one, taken once nothing has changed
for two seconds, so nothing polls while the page loads. The program is ended
afterwards.
"""
import ctypes
import hashlib
import importlib.util
import os
import select
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
found = importlib.util.spec_from_file_location("map_time", os.path.join(here, "map-time.py"))
map_time = importlib.util.module_from_spec(found)
found.loader.exec_module(map_time)
x11 = map_time.x11

QUIET_SECONDS = 2
LONGEST_SECONDS = 60
REPORT_NON_EMPTY = 3
Z_PIXMAP = 2
CONTROL_L, TAB = 0xFFE3, 0xFF09


class Image(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int)]


damage = ctypes.cdll.LoadLibrary("libXdamage.so.1")
damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_int)]
damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
damage.XDamageCreate.restype = ctypes.c_ulong
damage.XDamageSubtract.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetImage.restype = ctypes.POINTER(Image)
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XWarpPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong] + [ctypes.c_int] * 6
x11.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]


def picture(display, window):
    shape = map_time.attributes(display, window)
    if shape is None:
        return None
    image = x11.XGetImage(display, window, 0, 0, shape.width, shape.height, 0xFFFFFFFF, Z_PIXMAP)
    if not image:
        return None
    data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * shape.height)
    x11.XFree(image.contents.data)
    x11.XFree(image)
    return hashlib.sha1(data).digest()


def press_ctrl_tab(display):
    keys = [x11.XKeysymToKeycode(display, sym) for sym in (CONTROL_L, TAB)]
    for key, down in [(keys[0], 1), (keys[1], 1), (keys[1], 0), (keys[0], 0)]:
        xtest.XTestFakeKeyEvent(display, key, down, 0)
    x11.XFlush(display)


def main():
    name, wait, command = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    display, window, program, _ = map_time.start_and_wait(name, command)
    try:
        root = x11.XDefaultRootWindow(display)
        x11.XWarpPointer(display, 0, root, 0, 0, 0, 0, x11.XDisplayWidth(display, 0) - 5,
                         x11.XDisplayHeight(display, 0) // 2)
        subprocess.run(["xdotool", "windowactivate", "--sync", str(window)],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        time.sleep(wait)
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not damage.XDamageQueryExtension(display, ctypes.byref(event_base),
                                            ctypes.byref(error_base)):
            sys.exit("page-time: the X server has no DAMAGE extension")
        watch = damage.XDamageCreate(display, window, REPORT_NON_EMPTY)
        # What came before the key press does not count; a report comes only
        # when the damage goes from none to some.
        x11.XSync(display, 1)
        damage.XDamageSubtract(display, watch, 0, 0)
        x11.XSync(display, 1)

        start = time.monotonic()
        press_ctrl_tab(display)
        pictures = []  # (seconds after the key press, picture)
        event = map_time.Event()
        last_change = start
        descriptor = x11.XConnectionNumber(display)
        while time.monotonic() - last_change < QUIET_SECONDS and \
                time.monotonic() - start < LONGEST_SECONDS:
            if not x11.XPending(display):
                select.select([descriptor], [], [], QUIET_SECONDS / 4)
                continue
            x11.XNextEvent(display, ctypes.byref(event))
            if event.any.type == event_base.value:
                damage.XDamageSubtract(display, watch, 0, 0)
                last_change = time.monotonic()
                pictures.append((last_change - start, picture(display, window)))
        final = pictures[-1][1] if pictures else None
        shown = next((at for at, seen in pictures if seen == final), float("nan"))
        print(round(shown * 1000) if pictures else "none")
    finally:
        program.terminate()
        program.wait()


if __name__ == "__main__":
    main()
