# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader gets from the running program: the whole accessible
tree read through AT-SPI on a private session bus, in the narrow and in the
wide window."""

import os
import subprocess
import sys
import time

from harness import Failure, Session, expect, main

WEB = (182, 180)
CHANNELS = ["Rot", "Grün", "Blau", "Farbton", "Sättigung", "Helligkeit", "Hex"]
# Controls a person works with; each must have a name to be announced by.
OPERABLE = {"push button", "check box", "radio button", "text", "entry", "spin button"}
# The web panel's controls, cut off by the narrow window.
PANEL = ["Homepage Farbschema", "Hintergrund", "WebSafe", "Kopieren", "Body Tag", "CSS Styles",
         "Seitentitel"]


def start_session_bus():
    """A session bus of the test's own; the accessibility bus starts on demand from it."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        raise Failure("dbus-daemon gave no address")
    return bus, address


def walk(node, depth=0, seen=None):
    """Every node under node as (role, name, showing, visible, depth)."""
    import pyatspi

    seen = [] if seen is None else seen
    states = node.getState()
    seen.append((node.getRoleName(), node.name, states.contains(pyatspi.STATE_SHOWING),
                 states.contains(pyatspi.STATE_VISIBLE), depth))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, seen)
    return seen


def application(timeout=15.0):
    import pyatspi

    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "tinctora" and app.childCount > 0:
                return app
        time.sleep(0.2)
    raise Failure("tinctora never appeared on the accessibility bus")


def tree_names_every_control_and_hides_the_cut_off_panel(binary):
    s = Session(binary, "a11y")
    s.env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"]
    s.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    try:
        s.start()
        app = application()
        window = app.getChildAtIndex(0)
        expect(s, "main window role and name", ("frame", "Tinctora Version 0.9.9"),
               (window.getRoleName(), window.name))

        narrow = walk(window)
        # "frame" is a window to a screen reader: only the main window is one.
        expect(s, "frames below the main window", [],
               [name for role, name, _, _, depth in narrow if role == "frame" and depth > 0])
        shown = {(role, name) for role, name, showing, _, _ in narrow if showing}
        for channel in CHANNELS:
            expect(s, f"box {channel} announced", True, any(name == channel and role in OPERABLE
                                                             for role, name in shown))
        unnamed = sorted(role for role, name, showing, _, _ in narrow
                         if showing and role in OPERABLE and not name)
        expect(s, "unnamed controls in the narrow window", [], unnamed)
        cut_off = sorted(name for _, name, _, _, _ in narrow if name in PANEL)
        expect(s, "web panel controls in the narrow window's tree", [], cut_off)

        s.click(*WEB)
        time.sleep(0.5)
        wide = walk(window)
        expect(s, "frames below the main window", [],
               [name for role, name, _, _, depth in wide if role == "frame" and depth > 0])
        shown = {(role, name) for role, name, showing, _, _ in wide if showing}
        for name in PANEL:
            expect(s, f"{name} shown in the wide window", True, any(n == name for _, n in shown))
        title_roles = sorted(role for role, name in shown if name == "Seitentitel")
        expect(s, "the page-title box", True, any(role in OPERABLE for role in title_roles))
        expect(s, "nothing but the group announced by the panel's title",
               ["panel"], sorted(role for role, name, _, _, _ in wide if name == "Homepage Farbschema"))
        unnamed = sorted(role for role, name, showing, _, _ in wide
                         if showing and role in OPERABLE and not name)
        expect(s, "unnamed controls in the wide window", [], unnamed)
    finally:
        s.close()


CASES = [tree_names_every_control_and_hides_the_cut_off_panel]

if __name__ == "__main__":
    bus, address = start_session_bus()
    # pyatspi finds the accessibility bus through the session bus when it is
    # first imported, so the address must be in place before.
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    try:
        status = main(CASES)
    finally:
        bus.terminate()
        bus.wait(timeout=5)
    sys.exit(status)
