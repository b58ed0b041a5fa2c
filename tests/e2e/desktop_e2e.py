# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program as a desktop program: the web-safe menu chosen with the mouse,
a scheme role recolouring the preview, a window manager's frame, a scaled
display, and the screen's colour depth at start."""

import subprocess
import sys
import time

from harness import CAPTION, Session, expect, expect_near, main

RED_BOX, RED_ARROW, CURRENT_SWATCH, WEB = (56, 22), (80, 22), (160, 150), (182, 180)
ROLE_TEXT = (400, 42)
PREVIEW_BACKGROUND = (258, 125)
RED_STRIP_COLUMN, RED_STRIP_TOP = 90, 14


def popup_menu(s):
    """The geometry of the open popup menu: the visible window that is not the main one."""
    windows = s._run(["xdotool", "search", "--onlyvisible", "--classname", "tinctora"], check=False)
    for window in windows.stdout.decode().split():
        if window != s.window:
            return s.geometry(window)
    return None


def web_safe_menu_chosen_with_the_mouse(binary):
    s = Session(binary, "menu-mouse").start()
    try:
        s.click(*RED_ARROW, button=3)
        time.sleep(0.3)
        menu = popup_menu(s)
        if menu is None:
            expect(s, "an open menu", "menu", None)
        x, y, width, height = menu
        item = height / 6
        # The fifth item is 204; choose it with the right button, as the menu allows.
        s.move_screen(x + width // 2, int(y + 4.5 * item))
        time.sleep(0.1)
        s._run(["xdotool", "click", "3"])
        time.sleep(0.3)
        expect_near(s, "red 204 from the menu", (204, 51, 51), s.pixel(*CURRENT_SWATCH))
        expect(s, "menu closed", None, popup_menu(s))
    finally:
        s.close()


def role_change_recolours_the_preview(binary):
    s = Session(binary, "roles").start()
    try:
        s.click(*WEB)
        s.click(*RED_BOX)
        s.key("ctrl+a")
        s.type("255")
        expect_near(s, "preview background follows", (255, 51, 51), s.pixel(*PREVIEW_BACKGROUND))
        s.click(*ROLE_TEXT)
        expect_near(s, "the text role loads white", (255, 255, 255), s.pixel(*CURRENT_SWATCH))
        s.click(*RED_BOX)
        s.key("ctrl+a")
        s.type("0")
        shot = s.screenshot("roles")
        expect_near(s, "the text role's button", (0, 255, 255), s.pixel(ROLE_TEXT[0] + 30, ROLE_TEXT[1], shot))
        expect_near(s, "background kept", (255, 51, 51), s.pixel(*PREVIEW_BACKGROUND, shot))
    finally:
        s.close()


def window_manager_frame_keeps_everything_working(binary):
    s = Session(binary, "openbox", window_manager=True).start(settle=1.0)
    try:
        expect(s, "caption", CAPTION, s.title())
        _, _, width, height = s.geometry()
        expect(s, "client size under a frame", (244, 196), (width, height))
        s._run(["xdotool", "windowactivate", "--sync", s.window], check=False)
        s.click(*RED_BOX)
        s.key("ctrl+a")
        s.type("204")
        expect_near(s, "swatch after typing", (204, 51, 51), s.pixel(*CURRENT_SWATCH))
    finally:
        s.close()


def frame_extents(s):
    """The window manager's frame around the main window: left, right, top, bottom."""
    out = s._run(["xprop", "-id", s.window, "_NET_FRAME_EXTENTS"]).stdout.decode()
    if "=" not in out:
        expect(s, "frame extents", "set", out)
    return tuple(int(v) for v in out.split("=")[1].split(","))


def window_opens_centred_frame_and_all(binary):
    s = Session(binary, "openbox-centre", window_manager=True).start(settle=1.0)
    try:
        left, _, top, bottom = frame_extents(s)
        expect(s, "a frame with a title bar", True, top > bottom)
        x, y = s.client_origin()
        _, _, _, height = s.geometry()
        # The outer window in the middle of the 1024 x 768 screen, halves to
        # the even pixel; horizontally as the wide window of 478 pixels.
        expect(s, "outer frame's top", round(768 / 2 - (height + top + bottom) / 2), y - top)
        expect(s, "outer frame's left", 1024 // 2 - 478 // 2, x - left)
    finally:
        s.close()


def scaled_window_is_twice_as_large_with_17_strip_rows(binary):
    s = Session(binary, "scale2", scale=2).start()
    try:
        _, _, width, height = s.geometry()
        expect(s, "window size at scale 2", (488, 392), (width, height))
        shot = s.screenshot("scale2")
        column = 2 * RED_STRIP_COLUMN
        rows = [s.pixel(column, 2 * RED_STRIP_TOP + physical, shot) for physical in range(34)]
        for row in range(17):
            expect(s, f"strip row {row} is two physical rows", rows[2 * row], rows[2 * row + 1])
        # The linked red strip of 51, 51, 51 runs from red 255 down by 15 a row;
        # row 13 carries the marker.
        for row in range(17):
            if row != 13:
                expect_near(s, f"red of strip row {row}", (255 - 15 * row, 51, 51), rows[2 * row])
    finally:
        s.close()


def scaled_picker_opens_under_the_swatch(binary):
    s = Session(binary, "scale2-picker", scale=2).start()
    try:
        ox, oy = s.client_origin()
        s.move(2 * RED_ARROW[0], 2 * RED_ARROW[1])
        s.down()
        time.sleep(0.3)
        picker = popup_menu(s)
        s.up()
        if picker is None:
            expect(s, "an open picker", "picker", None)
        _, y, width, height = picker
        expect(s, "picker size in physical pixels", (512, 30), (width, height))
        # Its top lies on the bottom edge of the current-colour swatch (132 + 33).
        expect(s, "picker top", oy + 2 * 165, y)
    finally:
        s.close()


def colour_depth_decides_at_start(binary):
    """At 8 bits per pixel (a palette Qt cannot paint) the program ends at
    once, saying why in German; a 15-bit screen keeps 16 bits per pixel and
    starts without a warning."""
    s = Session(binary, "depth8", depth=8)
    try:
        s.program = subprocess.Popen([binary], env=s.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE)
        if not s.ended(timeout=10):
            expect(s, "the program ending at 8 bits", "ended", "still running")
        expect(s, "exit status at 8 bits", 1, s.program.returncode)
        said = s.program.stderr.read().decode()
        if "Die Farbauflösung ist zu niedrig eingestellt (8 Bit je Bildpunkt)" not in said:
            expect(s, "the German reason on standard error", "Farbauflösung", said)
    finally:
        s.close()
    s = Session(binary, "depth15", depth=15).start()
    try:
        expect(s, "message boxes at 15 bits", [], s.visible_windows("^Tinctora$"))
    finally:
        s.close()


CASES = [
    web_safe_menu_chosen_with_the_mouse,
    role_change_recolours_the_preview,
    window_manager_frame_keeps_everything_working,
    window_opens_centred_frame_and_all,
    scaled_window_is_twice_as_large_with_17_strip_rows,
    scaled_picker_opens_under_the_swatch,
    colour_depth_decides_at_start,
]

if __name__ == "__main__":
    sys.exit(main(CASES))
