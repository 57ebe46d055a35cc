#!/usr/bin/python3
# Moves the GNOME lab's pointer as a real device does: relative motion through
# mutter's remote desktop API (org.gnome.Mutter.RemoteDesktop), the input path
# a remote desktop client uses. The session lives as long as this process.
# usage (inside the session, see gnome.sh pointer-rd):
#   rd-pointer.py X Y [STEPS=1] [DELAY_S=0.2]   from where the pointer is to X,Y
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, iface, method, args=None, dest="org.gnome.Mutter.RemoteDesktop"):
    return bus.call_sync(dest, path, iface, method, args, None, 0, -1, None)


def pointer():
    ok, out = call("/org/gnome/Shell", "org.gnome.Shell", "Eval",
                   GLib.Variant("(s)", ("global.get_pointer().slice(0, 2).join(',')",)),
                   "org.gnome.Shell").unpack()
    return tuple(int(v) for v in out.strip('"').split(","))


x, y = int(sys.argv[1]), int(sys.argv[2])
steps = int(sys.argv[3]) if len(sys.argv) > 3 else 1
delay = float(sys.argv[4]) if len(sys.argv) > 4 else 0.2
session = call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
               "CreateSession").unpack()[0]
iface = "org.gnome.Mutter.RemoteDesktop.Session"
call(session, iface, "Start")
# Each session brings a new virtual device, and XWayland takes no leave from
# a device's first motion: a pixel there and back first, as a hand's tremor.
for d in (1, -1):
    call(session, iface, "NotifyPointerMotionRelative", GLib.Variant("(dd)", (d, 0)))
time.sleep(0.05)
x0, y0 = pointer()
done_x = done_y = 0
for i in range(1, steps + 1):
    # Whole steps that add up to the distance.
    dx = (x - x0) * i // steps - done_x
    dy = (y - y0) * i // steps - done_y
    done_x += dx
    done_y += dy
    call(session, iface, "NotifyPointerMotionRelative", GLib.Variant("(dd)", (dx, dy)))
    time.sleep(delay)
print("pointer %d,%d -> %d,%d in %d step(s): now %d,%d" % (x0, y0, x, y, steps, *pointer()))
call(session, iface, "Stop")
