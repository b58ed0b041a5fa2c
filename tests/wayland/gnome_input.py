# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pointer and keyboard for tests on GNOME Shell, through Mutter's
RemoteDesktop service on the session bus. Speaks the line protocol of the
other compositors' input clients: "ready" once the remote desktop session
runs, then for each line "ok" once Mutter has taken the event:
    move X Y     to an absolute position in logical pixels
    down B       press button B (1 left, 2 middle, 3 right)
    up B         release button B
    key C down   press the key with evdev code C
    key C up     release it
Without a screen-cast stream Mutter moves the pointer only relatively, from
its start at 0,0: the client keeps track of where it put the pointer, and
first pushes it into the top left corner so that the count starts true.
Arguments: the width and height of the screen in logical pixels."""

import sys

from gi.repository import Gio, GLib

BUTTONS = {1: 0x110, 2: 0x112, 3: 0x111}   # BTN_LEFT, BTN_MIDDLE, BTN_RIGHT


class RemoteDesktop:
    def __init__(self):
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        path = self._call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
                          "CreateSession", None).unpack()[0]
        self.session = path
        self._session_call("Start", None)

    def _call(self, path, interface, method, parameters):
        return self.bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method,
                                  parameters, None, Gio.DBusCallFlags.NONE, 5000, None)

    def _session_call(self, method, parameters):
        return self._call(self.session, "org.gnome.Mutter.RemoteDesktop.Session", method,
                          parameters)

    def motion(self, dx, dy):
        self._session_call("NotifyPointerMotionRelative", GLib.Variant("(dd)", (dx, dy)))

    def button(self, code, pressed):
        self._session_call("NotifyPointerButton", GLib.Variant("(ib)", (code, pressed)))

    def key(self, code, pressed):
        self._session_call("NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, pressed)))


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    desktop = RemoteDesktop()
    desktop.motion(-4 * width, -4 * height)
    at = [0, 0]
    print("ready", flush=True)
    for line in sys.stdin:
        words = line.split()
        try:
            if words[0] == "move" and len(words) == 3:
                x, y = int(words[1]), int(words[2])
                if not (0 <= x < width and 0 <= y < height):
                    raise ValueError(line)
                desktop.motion(x - at[0], y - at[1])
                at = [x, y]
            elif words[0] in ("down", "up") and len(words) == 2:
                desktop.button(BUTTONS[int(words[1])], words[0] == "down")
            elif words[0] == "key" and len(words) == 3 and words[2] in ("down", "up"):
                desktop.key(int(words[1]), words[2] == "down")
            else:
                raise ValueError(line)
        except (ValueError, KeyError, IndexError):
            print(f"error {line.strip()}", flush=True)
            continue
        print("ok", flush=True)


if __name__ == "__main__":
    main()
