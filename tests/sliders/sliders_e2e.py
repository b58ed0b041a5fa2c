# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The strips, the value picker and the web-safe menu driven on a real X
server: one press-drag-release gesture each, with screenshots taken while the
button is held."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from harness import Failure, Session, expect, expect_near, main  # noqa: E402

# Points of the client area (logical pixels).
RED_ARROW, BLUE_ARROW, HUE_ARROW, LUM_ARROW = (80, 22), (80, 70), (216, 22), (216, 70)
RED_BOX, HUE_BOX, LUM_BOX, HEX_BOX = (56, 22), (192, 22), (192, 70), (68, 93)
GREEN_STRIP_X, GREEN_STRIP_TOP = 90, 38
CURRENT_SWATCH = (160, 150)
SWATCH_BOTTOM = 165  # the first row below picColor
PICKER_SIZE = (256, 15)


def start(binary, name, window_manager=False):
    """A session whose client origin comes from xwininfo: under a reparenting
    window manager xdotool adds the frame's offset to the window's position."""
    s = Session(binary, name, window_manager=window_manager)
    try:
        s.start()
    except BaseException:
        # A program that never showed its window must not leave its X server behind.
        s.close()
        raise

    def client_origin():
        out = s._run(["xwininfo", "-id", s.window]).stdout.decode()
        values = dict(line.strip().split(":", 1) for line in out.splitlines() if "Absolute" in line)
        return int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])

    s.client_origin = client_origin
    return s


def picker_window(s):
    """The id and geometry of the visible 256 x 15 picker, or None."""
    for window in s.visible_windows(""):
        try:
            geometry = s.geometry(window)
        except Failure:
            continue
        if geometry[2:] == PICKER_SIZE:
            return window, geometry
    return None


def picker_follows_the_pointer_and_closes_on_release(binary, window_manager=False):
    s = start(binary, "picker-wm" if window_manager else "picker", window_manager)
    try:
        ox, oy = s.client_origin()
        s.move(*RED_ARROW)
        s.down(1)
        time.sleep(0.3)
        found = picker_window(s)
        if found is None:
            raise Failure(f"no picker while the button is held (screenshot {s.screenshot('no-picker')})")
        picker, (px, py, _, _) = found
        # No window manager may move, resize or frame the strip.
        attributes = s._run(["xwininfo", "-id", picker]).stdout.decode()
        if "Override Redirect State: yes" not in attributes:
            raise Failure(f"the picker is not override-redirect:\n{attributes}")
        # Red 51 puts the marker at 51.2: the strip starts 51 px left of the pointer.
        expect(s, "picker under the swatch", (ox + RED_ARROW[0] - 51, oy + SWATCH_BOTTOM), (px, py))
        s.move_screen(px + 101, py + 40)
        time.sleep(0.3)
        shot = s.screenshot("picker-drag")
        expect_near(s, "swatch at column 101", (101, 51, 51), s.pixel(*CURRENT_SWATCH, shot))
        expect_near(s, "white marker at column 101", (255, 255, 255), s.screen_pixel(px + 101, py + 7, shot))
        expect_near(s, "gradient beside the marker", (103, 51, 51), s.screen_pixel(px + 103, py + 7, shot))
        # Far right of the strip and far below the window: still the same gesture.
        s.move_screen(1020, 760)
        time.sleep(0.3)
        expect_near(s, "swatch far right", (255, 51, 51), s.pixel(*CURRENT_SWATCH))
        s.move_screen(2, py)
        time.sleep(0.3)
        shot = s.screenshot("picker-left")
        expect_near(s, "swatch far left", (0, 51, 51), s.pixel(*CURRENT_SWATCH, shot))
        s.up(1)
        time.sleep(0.3)
        if picker_window(s) is not None:
            raise Failure(f"picker still shown after the release (screenshot {s.screenshot('picker-left-open')})")
        s.screenshot("picker-closed")
        expect_near(s, "swatch after the release", (0, 51, 51), s.pixel(*CURRENT_SWATCH))
        # The arrow is not left pressed in: a second gesture works the same way.
        s.move(*BLUE_ARROW)
        s.down(1)
        time.sleep(0.3)
        if picker_window(s) is None:
            raise Failure("no picker on the second press")
        s.move(BLUE_ARROW[0] + 60, BLUE_ARROW[1])
        s.up(1)
        expect_near(s, "blue from the second gesture", (0, 51, 111), s.pixel(*CURRENT_SWATCH))
    finally:
        s.close()


def picker_under_a_window_manager(binary):
    picker_follows_the_pointer_and_closes_on_release(binary, window_manager=True)


def pointer(s):
    out = s._run(["xdotool", "getmouselocation", "--shell"]).stdout.decode()
    values = dict(line.split("=") for line in out.split())
    return int(values["X"]), int(values["Y"])


def settled_pixel(s, point):
    """The colour of a point once two looks a moment apart agree: typed text
    may still be on its way through a busy machine."""
    seen = s.pixel(*point)
    for _ in range(20):
        time.sleep(0.2)
        again = s.pixel(*point)
        if again == seen:
            return seen
        seen = again
    raise Failure(f"the colour at {point} does not settle")


def nudged_picker_keeps_the_value(binary, name, box, arrow, text, window_x):
    """Opens the strip on a value of a saturated colour, where every step of
    every channel shows, and moves the pointer by one pixel down, in the column
    the strip put under it: the colour stays as it was."""
    s = start(binary, name)
    try:
        s._run(["xdotool", "windowmove", s.window, str(window_x), "100"])
        time.sleep(0.3)
        if s.client_origin()[0] + CURRENT_SWATCH[0] >= 1024:
            raise Failure("the colour swatch is off the screen")
        for where, what in ((HEX_BOX, "#ff3300"), (box, text)):
            s.click(*where)
            s.key("ctrl+a")
            s.type(what)
        before = settled_pixel(s, CURRENT_SWATCH)
        s.move(*arrow)
        s.down(1)
        try:
            s._wait(lambda: picker_window(s) is not None, "the picker", timeout=5)
        except Failure:
            raise Failure(f"no picker while the button is held (screenshot {s.screenshot(name)})")
        _, (px, py, _, _) = picker_window(s)
        if px < 0 or px + PICKER_SIZE[0] > 1024:
            raise Failure(f"the picker at {px} reaches off the screen")
        x, y = pointer(s)
        s.move_screen(x, y + 1)
        expect(s, f"{text} after a nudge", before, settled_pixel(s, CURRENT_SWATCH))
        s.screenshot(name)
        s.up(1)
        expect(s, f"{text} after the release", before, settled_pixel(s, CURRENT_SWATCH))
    finally:
        s.close()


def picker_opened_on_red_204_and_nudged(binary):
    nudged_picker_keeps_the_value(binary, "nudge-red-204", RED_BOX, RED_ARROW, "204", 300)


def picker_opened_at_the_right_edge_and_nudged(binary):
    # The strip must be pushed left: the pointer follows it by the same pixels.
    nudged_picker_keeps_the_value(binary, "nudge-red-0", RED_BOX, RED_ARROW, "0", 1024 - 250)
    nudged_picker_keeps_the_value(binary, "nudge-hue-100", HUE_BOX, HUE_ARROW, "100", 1024 - 250)


def picker_opened_at_the_left_edge_and_nudged(binary):
    nudged_picker_keeps_the_value(binary, "nudge-red-255", RED_BOX, RED_ARROW, "255", 0)
    nudged_picker_keeps_the_value(binary, "nudge-lum-239", LUM_BOX, LUM_ARROW, "239", 0)


def strip_drag_goes_on_outside_the_window(binary):
    s = start(binary, "strip")
    try:
        s.move(GREEN_STRIP_X, GREEN_STRIP_TOP + 8)
        s.down(1)
        shot = s.screenshot("strip-press")
        expect_near(s, "green 128 from row 8", (51, 128, 51), s.pixel(*CURRENT_SWATCH, shot))
        ox, oy = s.client_origin()
        s.move_screen(ox + GREEN_STRIP_X + 300, 3)
        time.sleep(0.2)
        shot = s.screenshot("strip-above")
        expect_near(s, "green 255 above the window", (51, 255, 51), s.pixel(*CURRENT_SWATCH, shot))
        s.move_screen(5, 765)
        time.sleep(0.2)
        expect_near(s, "green 0 below the window", (51, 0, 51), s.pixel(*CURRENT_SWATCH))
        s.move(GREEN_STRIP_X, GREEN_STRIP_TOP + 3)
        time.sleep(0.2)
        shot = s.screenshot("strip-row3")
        expect_near(s, "green 208 on row 3", (51, 208, 51), s.pixel(*CURRENT_SWATCH, shot))
        # Linked: the marker on row 3 contrasts with the current colour, light green.
        expect_near(s, "marker on row 3", (0, 0, 0), s.pixel(GREEN_STRIP_X, GREEN_STRIP_TOP + 3, shot))
        s.up(1)
        s.move(GREEN_STRIP_X, GREEN_STRIP_TOP + 16)
        expect_near(s, "a move after the release changes nothing", (51, 208, 51), s.pixel(*CURRENT_SWATCH))
    finally:
        s.close()


def web_safe_menu_writes_the_chosen_value(binary):
    s = start(binary, "menu")
    try:
        s.click(*RED_ARROW, button=3)
        time.sleep(0.3)
        s.screenshot("menu-open")
        # "2" is shared by 204 and 255: the first press selects 204, Return chooses it.
        s.key("2", "Return")
        time.sleep(0.2)
        expect_near(s, "red 204 from the menu", (204, 51, 51), s.pixel(*CURRENT_SWATCH))
    finally:
        s.close()


def web_safe_menu_item_beside_the_pointer_takes_a_small_move_and_a_click(binary):
    s = start(binary, "menu-click")
    try:
        s.click(*RED_ARROW, button=3)
        time.sleep(0.3)
        # The menu opened with its corner at the pointer: "0" lies a few pixels
        # below and to the right, closer than a drag would start.
        for step in range(1, 5):
            s.move(RED_ARROW[0] + step, RED_ARROW[1] + step)
        s.screenshot("menu-beside")
        s.click(RED_ARROW[0] + 4, RED_ARROW[1] + 4)
        time.sleep(0.2)
        expect_near(s, "red 0 from the menu", (0, 51, 51), s.pixel(*CURRENT_SWATCH))
    finally:
        s.close()


CASES = [
    picker_follows_the_pointer_and_closes_on_release,
    picker_under_a_window_manager,
    picker_opened_on_red_204_and_nudged,
    picker_opened_at_the_right_edge_and_nudged,
    picker_opened_at_the_left_edge_and_nudged,
    strip_drag_goes_on_outside_the_window,
    web_safe_menu_writes_the_chosen_value,
    web_safe_menu_item_beside_the_pointer_takes_a_small_move_and_a_click,
]

if __name__ == "__main__":
    sys.exit(main(CASES))
