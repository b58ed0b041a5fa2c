# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The eyedropper driven on a real X server: a press on the eyedropper box, a
drag over a painted root window, the magnifier and the swatch during the drag,
and what stays after the release."""

import os
import sys
import tempfile
import time

from harness import Failure, Session, expect, expect_near, main

# Points of the client area (logical pixels).
EYEDROPPER = (22, 142)            # the centre of the eyedropper box
MAGNIFIER = (10, 130)             # top left of the box's client area
BLOCK_MODE = (46, 150)            # the option button "5x5"
CURRENT_SWATCH = (160, 150)


def paint_root(s, *arguments):
    s._run(["xsetroot", *arguments])


def dot_pattern():
    """An 8 x 8 tile whose only set pixel is its top left."""
    path = os.path.join(tempfile.mkdtemp(), "dot.xbm")
    with open(path, "w") as out:
        out.write("#define dot_width 8\n#define dot_height 8\n"
                  "static unsigned char dot_bits[] = {\n   0x01, 0, 0, 0, 0, 0, 0, 0 };\n")
    return path


def checker_pattern():
    path = os.path.join(tempfile.mkdtemp(), "checker.xbm")
    with open(path, "w") as out:
        out.write("#define checker_width 2\n#define checker_height 2\n"
                  "static unsigned char checker_bits[] = {\n   0x01, 0x02 };\n")
    return path


def edge_pattern():
    """An 8 x 1 tile: four pixels of the foreground, then four of the background."""
    path = os.path.join(tempfile.mkdtemp(), "edge.xbm")
    with open(path, "w") as out:
        out.write("#define edge_width 8\n#define edge_height 1\n"
                  "static unsigned char edge_bits[] = {\n   0x0f };\n")
    return path


def pointer_position(s):
    out = s._run(["xdotool", "getmouselocation", "--shell"]).stdout.decode()
    values = dict(line.split("=") for line in out.split())
    return int(values["X"]), int(values["Y"])


def press_on_eyedropper(s, scale=1):
    s.move(EYEDROPPER[0] * scale, EYEDROPPER[1] * scale)
    s.down()


def single_pixel_drag_follows_the_pointer(binary):
    s = Session(binary, "eyedropper-single").start()
    try:
        paint_root(s, "-solid", "#3366cc")
        press_on_eyedropper(s)
        s.move_screen(600, 500)
        time.sleep(0.4)
        expect(s, "window at the top left while dragging", (0, 0), s.geometry()[:2])
        shot = s.screenshot("dragging")
        mx, my = MAGNIFIER
        expect_near(s, "magnifier centre cell", (51, 102, 204), s.pixel(mx + 12, my + 12, shot))
        expect_near(s, "magnifier outer cell", (51, 102, 204), s.pixel(mx + 2, my + 2, shot))
        expect_near(s, "inverted ring", (204, 153, 51), s.pixel(mx + 9, my + 9, shot))
        expect_near(s, "live swatch", (51, 102, 204), s.pixel(*CURRENT_SWATCH, shot))
        # Level with the window, far below it: the window jumps to the right.
        s.move_screen(100, 700)
        time.sleep(0.3)
        x, y, width, _ = s.geometry()
        expect(s, "window evaded to the right edge", (1024 - width, 0), (x, y))
        s.up()
        x, y, width, height = s.geometry()
        expect(s, "window centred after the release", (512 - width // 2, 384 - height // 2), (x, y))
        shot = s.screenshot("released")
        expect_near(s, "swatch keeps the colour", (51, 102, 204), s.pixel(*CURRENT_SWATCH, shot))
        if s.pixel(mx + 2, my + 2, shot) == (51, 102, 204):
            raise Failure(f"the magnifier stayed after the release (screenshot {shot})")
    finally:
        s.close()


def block_mode_takes_the_mean(binary):
    s = Session(binary, "eyedropper-block").start()
    try:
        paint_root(s, "-bitmap", checker_pattern(), "-fg", "#ffffff", "-bg", "#000000")
        s.click(*BLOCK_MODE)
        press_on_eyedropper(s)
        # x + y even: the centre and 12 others are white, 12 black.
        s.move_screen(600, 500)
        time.sleep(0.4)
        shot = s.screenshot("dragging")
        expect_near(s, "swatch shows the mean 133", (133, 133, 133),
                    s.pixel(*CURRENT_SWATCH, shot), tolerance=0)
        s.up()
    finally:
        s.close()


def scaled_display_takes_one_physical_pixel(binary):
    s = Session(binary, "eyedropper-scaled", scale=2).start()
    try:
        paint_root(s, "-bitmap", dot_pattern(), "-fg", "#ff0000", "-bg", "#0000ff")
        press_on_eyedropper(s, scale=2)
        s.move_screen(600, 504)
        time.sleep(0.4)
        expect_near(s, "red physical pixel", (255, 0, 0),
                    s.pixel(CURRENT_SWATCH[0] * 2, CURRENT_SWATCH[1] * 2), tolerance=0)
        s.move_screen(601, 504)
        time.sleep(0.4)
        expect_near(s, "its blue neighbour", (0, 0, 255),
                    s.pixel(CURRENT_SWATCH[0] * 2, CURRENT_SWATCH[1] * 2), tolerance=0)
        s.up()
    finally:
        s.close()


def arrow_crosses_an_edge(binary):
    s = Session(binary, "eyedropper-arrow").start()
    try:
        paint_root(s, "-bitmap", edge_pattern(), "-fg", "#ff0000", "-bg", "#0000ff")
        press_on_eyedropper(s)
        # Column 603 is the last red one of its tile, 604 the first blue one.
        s.move_screen(603, 500)
        time.sleep(0.4)
        expect_near(s, "red before the edge", (255, 0, 0), s.pixel(*CURRENT_SWATCH), tolerance=0)
        s.key("Right")
        time.sleep(0.2)
        expect(s, "pointer moved with the point", (604, 500), pointer_position(s))
        s.up()
        shot = s.screenshot("released")
        expect_near(s, "blue beyond the edge", (0, 0, 255), s.pixel(*CURRENT_SWATCH, shot),
                    tolerance=0)
    finally:
        s.close()


def release_over_the_window_takes_the_screen(binary):
    s = Session(binary, "eyedropper-over-window", window_manager=True).start()
    try:
        paint_root(s, "-bitmap", edge_pattern(), "-fg", "#ff0000", "-bg", "#0000ff")
        colours = [(255, 0, 0), (0, 0, 255)]
        for attempt in range(4):
            press_on_eyedropper(s)
            x, y, width, height = s.geometry()
            target = (x + width // 2, y + height // 2)
            below = colours[target[0] % 8 // 4]
            # First over the other colour, away from the window, then into the
            # window's rectangle and released at once.
            s.move_screen(600 + 4 * (1 - target[0] % 8 // 4), 600)
            time.sleep(0.3)
            s._run(["xdotool", "mousemove", str(target[0]), str(target[1]), "mouseup", "1"])
            time.sleep(0.4)
            shot = s.screenshot(f"released-{attempt}")
            expect_near(s, f"the pixel under the pointer, try {attempt + 1}", below,
                        s.pixel(*CURRENT_SWATCH, shot), tolerance=0)
    finally:
        s.close()


CASES = [
    single_pixel_drag_follows_the_pointer,
    block_mode_takes_the_mean,
    scaled_display_takes_one_physical_pixel,
    arrow_crosses_an_edge,
    release_over_the_window_takes_the_screen,
]

if __name__ == "__main__":
    sys.exit(main(CASES))
