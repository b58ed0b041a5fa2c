# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The keyboard on a real X server: what Ctrl and Alt combinations do to a
box, and where Tab goes in the narrow window."""

import sys

from harness import Session, expect, expect_near, main

RED_BOX, HEXMODE = (56, 22), (147, 108)
CURRENT_SWATCH, WEB = (160, 150), (182, 180)


def box_text(s, box):
    """The whole text of a box, copied out as a person would."""
    s.click(*box)
    s.key("ctrl+a", "ctrl+c")
    return s.clipboard()


def command_keys_type_nothing(binary):
    s = Session(binary, "command-keys").start()
    try:
        s.click(*RED_BOX)
        s.key("End", "ctrl+1", "ctrl+9", "ctrl+0", "alt+5")
        expect(s, "red after Ctrl+1, Ctrl+9, Ctrl+0 and Alt+5", b"51", box_text(s, RED_BOX))
        expect_near(s, "swatch unchanged", (51, 51, 51), s.pixel(*CURRENT_SWATCH))
        s.click(*HEXMODE)
        s.click(*RED_BOX)
        s.key("End", "alt+a", "alt+f", "ctrl+shift+e")
        expect(s, "red in hex mode after Alt+A, Alt+F and Ctrl+Shift+E", b"33", box_text(s, RED_BOX))
        # A plain key still types.
        s.click(*RED_BOX)
        s.key("End", "BackSpace", "c")
        expect(s, "red after a plain c", b"3C", box_text(s, RED_BOX))
    finally:
        s.close()


def tab_from_web_stays_in_the_narrow_window(binary):
    s = Session(binary, "tab-narrow").start()
    try:
        # Opened and closed again: the focus stays on the button.
        s.click(*WEB)
        s.click(*WEB)
        # On from "&Web >>" to "Beenden", then to the red box, whose text the
        # typing replaces.
        s.key("Tab", "Tab")
        s.type("204")
        expect_near(s, "red 204 typed after two Tabs", (204, 51, 51), s.pixel(*CURRENT_SWATCH))
    finally:
        s.close()


CASES = [
    command_keys_type_nothing,
    tab_from_web_stays_in_the_narrow_window,
]

if __name__ == "__main__":
    sys.exit(main(CASES))
