"""The colour vision menu on a real X server: opened with the right button on
the preview, an entry chosen with the mouse, and the preview's pixels read
back from the screen. The role button keeps the true colour."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from harness import Failure, Session, expect, main  # noqa: E402

# Points of the client area of the wide window (logical pixels).
WEB, HEX_BOX = (182, 180), (60, 90)
PREVIEW_BACKGROUND, ROLE_BACKGROUND_EDGE = (259, 120), (453, 20)
ENTRIES = 5


def menu_windows(s):
    """The program's visible windows besides the main window: the open menu."""
    result = s._run(["xdotool", "search", "--onlyvisible", "--class", "tinctora"], check=False)
    return [w for w in result.stdout.decode().split() if w != s.window]


def menu_window(s, timeout=5.0):
    found = []
    s._wait(lambda: found.extend(menu_windows(s)) or found, "the menu", timeout)
    return found[0]


def choose(s, menu, entry):
    """Clicks the middle of an entry of the menu, its entries sharing its height."""
    x, y, width, height = s.geometry(menu)
    s.move_screen(x + width // 2, y + height * (2 * entry + 1) // (2 * ENTRIES))
    time.sleep(0.2)
    s._run(["xdotool", "click", "1"])
    s._wait(lambda: not menu_windows(s), "the menu to close")
    time.sleep(0.3)


def preview_shows_red_as_seen_with_deuteranopia(binary):
    s = Session(binary, "colour-vision").start()
    try:
        s.click(*WEB)
        s.click(*HEX_BOX)
        s.key("ctrl+a")
        s.type("#ff0000")
        expect(s, "preview before", (255, 0, 0), s.pixel(*PREVIEW_BACKGROUND))

        s.click(*PREVIEW_BACKGROUND, button=3)
        choose(s, menu_window(s), 2)
        # Red through the deuteranopia matrix of Machado et al., worked out by hand.
        shot = s.screenshot("deuteranopia")
        expect(s, "preview as seen", (163, 144, 0), s.pixel(*PREVIEW_BACKGROUND, shot))
        expect(s, "role button", (255, 0, 0), s.pixel(*ROLE_BACKGROUND_EDGE, shot))

        s.click(*PREVIEW_BACKGROUND, button=3)
        choose(s, menu_window(s), 0)
        expect(s, "preview again", (255, 0, 0), s.pixel(*PREVIEW_BACKGROUND))
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(main([preview_shows_red_as_seen_with_deuteranopia]))
