# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The colour editor driven on a real X server: start-up, typing, the modes,
the quick actions, the web panel toggle and the ways the program ends."""

import sys

from harness import CAPTION, Session, expect, expect_near, main

# Points of the client area (logical pixels).
RED_BOX, GREEN_BOX, BLUE_BOX, HEX_BOX = (56, 22), (56, 46), (56, 70), (68, 93)
HUE_BOX, SAT_BOX, LUM_BOX = (192, 22), (192, 46), (192, 70)
WEBSAFE, HEXMODE, LINKED = (147, 94), (147, 108), (147, 122)
CURRENT_SWATCH, WEBSAFE_SWATCH, INVERSE_MARGIN = (160, 150), (216, 150), (131, 152)
INVERT, RANDOM, EXIT, WEB = (106, 152), (110, 124), (60, 180), (182, 180)


def replace_text(s, box, text):
    s.click(*box)
    s.key("ctrl+a")
    s.type(text)


def startup_shows_the_narrow_window_and_the_grey(binary):
    s = Session(binary, "startup").start()
    try:
        expect(s, "caption", CAPTION, s.title())
        _, _, width, height = s.geometry()
        expect(s, "window size", (244, 196), (width, height))
        shot = s.screenshot("startup")
        expect_near(s, "current swatch", (51, 51, 51), s.pixel(*CURRENT_SWATCH, shot))
        expect_near(s, "web-safe swatch", (51, 51, 51), s.pixel(*WEBSAFE_SWATCH, shot))
        expect_near(s, "inverse margin", (204, 204, 204), s.pixel(*INVERSE_MARGIN, shot))
    finally:
        s.close()


def typing_red_hue_and_hex_changes_the_swatch(binary):
    s = Session(binary, "typing").start()
    try:
        replace_text(s, RED_BOX, "255")
        expect_near(s, "swatch after red 255", (255, 51, 51), s.pixel(*CURRENT_SWATCH))
        replace_text(s, HEX_BOX, "#00ff00")
        expect_near(s, "swatch after #00ff00", (0, 255, 0), s.pixel(*CURRENT_SWATCH))
        replace_text(s, HUE_BOX, "160")
        expect_near(s, "swatch after hue 160", (0, 0, 255), s.pixel(*CURRENT_SWATCH))
        # Copy the hex box's text out through the clipboard as a person would.
        s.click(*HEX_BOX)
        s.key("ctrl+a", "ctrl+c")
        expect(s, "hex box text", b"#0000ff", s.clipboard())
    finally:
        s.close()


def check_boxes_change_the_editor(binary):
    s = Session(binary, "modes").start()
    try:
        replace_text(s, HEX_BOX, "#6496c8")
        expect_near(s, "web-safe neighbour", (102, 153, 204), s.pixel(*WEBSAFE_SWATCH))
        s.click(*WEBSAFE)
        expect_near(s, "snapped swatch", (102, 153, 204), s.pixel(*CURRENT_SWATCH))
        s.click(*HEXMODE)
        s.click(*RED_BOX)
        s.key("ctrl+a", "ctrl+c")
        expect(s, "red box in hex mode", b"66", s.clipboard())
        s.click(*LINKED)
        s.click(*HEXMODE)
        s.click(*RED_BOX)
        s.key("ctrl+a", "ctrl+c")
        expect(s, "red box in decimal mode", b"102", s.clipboard())
    finally:
        s.close()


def invert_and_random(binary):
    s = Session(binary, "quick").start()
    try:
        s.click(*INVERT)
        expect_near(s, "inverted swatch", (204, 204, 204), s.pixel(*CURRENT_SWATCH))
        expect_near(s, "inverse margin", (51, 51, 51), s.pixel(*INVERSE_MARGIN))
        s.click(*RANDOM)
        first = s.pixel(*CURRENT_SWATCH)
        s.click(*RANDOM)
        second = s.pixel(*CURRENT_SWATCH)
        if first == second:
            expect(s, "two random colours differ", "different", (first, second))
        inverse = s.pixel(*INVERSE_MARGIN)
        expect_near(s, "inverse follows", tuple(255 - c for c in second), inverse)
    finally:
        s.close()


def web_panel_opens_and_closes(binary):
    s = Session(binary, "web").start()
    try:
        s.click(*WEB)
        expect(s, "wide width", 473, s.geometry()[2])
        s.key("alt+w")
        expect(s, "narrow width again", 244, s.geometry()[2])
    finally:
        s.close()


def exit_button_ends_the_program(binary):
    s = Session(binary, "exit").start()
    try:
        s.click(*EXIT)
        expect(s, "program ended", True, s.ended())
        expect(s, "exit status", 0, s.program.returncode)
    finally:
        s.close()


def window_manager_close_ends_the_program(binary):
    s = Session(binary, "wmclose", window_manager=True).start(settle=1.0)
    try:
        # Alt+F4 goes to the active window: wait until the window manager has
        # given it the focus, as a person would see before pressing the keys.
        s._wait(lambda: s._run(["xdotool", "windowactivate", "--sync", s.window], check=False) and
                s._run(["xdotool", "getactivewindow"], check=False).stdout.decode().strip() == s.window,
                "the window to become active")
        # Under load the window manager may still be setting up its key
        # bindings when the window shows: a person whose Alt+F4 did nothing
        # presses it again.
        ended = False
        for _ in range(3):
            s.key("alt+F4")
            ended = s.ended(timeout=4.0)
            if ended:
                break
        expect(s, "program ended", True, ended)
        expect(s, "exit status", 0, s.program.returncode)
    finally:
        s.close()


CASES = [
    startup_shows_the_narrow_window_and_the_grey,
    typing_red_hue_and_hex_changes_the_swatch,
    check_boxes_change_the_editor,
    invert_and_random,
    web_panel_opens_and_closes,
    exit_button_ends_the_program,
    window_manager_close_ends_the_program,
]

if __name__ == "__main__":
    sys.exit(main(CASES))
