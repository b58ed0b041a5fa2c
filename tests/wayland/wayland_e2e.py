# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program on a headless sway desktop, driven as a person does (a virtual
pointer, wtype) and checked on what a person sees (grim screenshots) or
pastes (wl-paste): the eyedropper under XWayland and natively, the value
strip, the portal fallbacks, and the clipboard after the program's end.

Arguments: [--compositor sway|gnome|kwin], the tinctora binary, the folder of
the input clients and the colour window (all built in this folder), and the
names of the cases to run."""

import argparse
import contextlib
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))

from harness import Failure, expect, expect_near, run  # noqa: E402
from session import COMPOSITORS, SessionError, enter_private_namespaces, open_session, \
    wait_for  # noqa: E402

# Points of the main window's client area (logical pixels).
RED_BOX, RED_ARROW = (56, 22), (80, 22)
EYEDROPPER = (22, 142)          # the centre of the eyedropper box
EYEDROPPER_AREA = (10, 130, 25, 25)   # the box's client area
BLOCK_MODE = (46, 150)          # the option button "5x5"
# High in the swatch: GNOME shades the rows above the open strip with the
# shadow it draws around popups (130 reads 129 twelve rows up).
CURRENT_SWATCH = (160, 142)
SWATCH_BOTTOM = 165             # the first row below the current-colour swatch
WEB, COPY = (182, 180), (417, 148)
START_COLOUR = (51, 51, 51)

# Points of the screen, in the left and right halves of the colour window.
LEFT, RIGHT = (200, 400), (1000, 400)
BLUE, ORANGE = (51, 102, 204), (200, 100, 50)
PICKED = (204, 102, 51)         # the stand-in portal's PickColor answer

BODY_START = (b"<html>\r\n <head>\r\n  <title>Unbenannt</title>\r\n </head>\r\n"
              b" <body bgcolor=\"#333333\" text=\"#ffffff\" link=\"#ffcc00\" alink=\"#ffff00\""
              b" vlink=\"#999966\">\r\n </body>\r\n</html>")

TOOLS = FIXTURE = None          # set from the command line
# How long a desktop may take for a frame through its portal: GNOME takes
# about a second, KDE Plasma on a busy machine up to two.
FRAME_TIME = 2.0
COMPOSITOR = "sway"
_active_eyedropper = []         # the eyedropper box's pixels with a working portal


KEEPER = "tinctora-clipboard-keeper"


def hexcode(colour):
    return "#%02x%02x%02x" % colour


class Program:
    """Tinctora on the session: through XWayland as on a default Wayland
    session, or natively."""

    def __init__(self, session, binary, native=False):
        self.session = session
        self.shell = "xdg_shell" if native else "xwayland"
        env = {"QT_QPA_PLATFORM": "wayland"} if native else {}
        self.path = session.reachable(binary, beside=(KEEPER,))
        self.process = session.spawn("tinctora", [self.path], env=env)
        session.window(self._is_main, timeout=15)
        self.inset = (0, 0)
        self.inset = wait_for(self._client_inset, "the painted main window")

    def _is_main(self, window):
        return window["shell"] == self.shell and (window["name"] or "").startswith("Tinctora Version")

    def _client_inset(self):
        """Where the client area starts in the window's rectangle, which
        holds the window's frame, the compositor's or Qt's own. Found by the inside
        of the current-colour swatch, which starts at column 142 and ends
        above row 163 of the client area."""
        x, y, _, _ = self.session.window(self._is_main, timeout=2)["rect"]
        shot = self.session.shot()
        scale = self.session.scale

        def start_colour(px, py):
            return shot.pixel(px * scale, py * scale) == START_COLOUR

        for dy in range(60):
            for dx in range(12):
                cx, cy = x + dx + CURRENT_SWATCH[0], y + dy + CURRENT_SWATCH[1]
                if (start_colour(cx, cy) and start_colour(x + dx + 142, cy)
                        and not start_colour(x + dx + 141, cy) and start_colour(cx, y + dy + 162)
                        and not start_colour(cx, y + dy + 163)):
                    return dx, dy
        return None

    def origin(self):
        x, y, _, _ = self.session.window(self._is_main, timeout=2)["rect"]
        return x + self.inset[0], y + self.inset[1]

    def screen_point(self, point):
        ox, oy = self.origin()
        return ox + point[0], oy + point[1]

    def pixel(self, point, frame=None):
        """The colour at a point of the client area: the top left physical
        pixel of that logical pixel."""
        x, y = self.screen_point(point)
        scale = self.session.scale
        return (frame or self.session.shot()).pixel(x * scale, y * scale)

    def wait_pixel(self, point, colour, what, timeout=5.0):
        """Waits until a point of the client area shows the colour (within 2)."""
        seen = []

        def shows():
            seen[:] = [self.pixel(point)]
            return all(abs(a - b) <= 2 for a, b in zip(seen[0], colour))

        try:
            wait_for(shows, what, timeout, interval=0.1)
        except SessionError:
            expect_near(self, what, colour, seen[0])

    def screenshot(self, label):
        return self.session.screenshot(label)

    def windows(self):
        return [w for w in self.session.windows() if (w["name"] or "").startswith("Tinctora")]


class Desk:
    """A session with the colour window, a pointer and (once started) the program."""

    def __init__(self, session, left=None, right=None):
        self.s = session
        self.pointer = session.pointer(TOOLS)
        self.fixture = None
        if left:
            before = session.shot()
            self.fixture = session.spawn("fixture", [session.reachable(FIXTURE), left, right],
                                         env={"QT_QPA_PLATFORM": "wayland",
                                              "QT_WAYLAND_DISABLE_WINDOWDECORATION": "1"},
                                         stdin=subprocess.PIPE)
            session.window(lambda w: w["app_id"] == "tinctora-test-fixture")
            # Shown once both halves cover what was there before, at one of
            # two neighbouring pixels: a pattern's other pixel may be the old one.
            def shown():
                shot = session.shot()
                return all(any(shot.pixel(x + dx, y) != before.pixel(x + dx, y) for dx in (0, 1))
                           for x, y in (LEFT, RIGHT))

            wait_for(shown, "the colour window to show")
            self.fixture_origin = session.window(
                lambda w: w["app_id"] == "tinctora-test-fixture")["rect"][:2]
        self.program = None

    def start(self, binary, native=False):
        self.program = Program(self.s, binary, native)
        return self.program

    def click(self, point, button=1):
        """A click on a point of the main window's client area."""
        self.pointer.click(*self.program.screen_point(point), button)
        time.sleep(0.15)

    def press_on(self, point):
        self.pointer.move(*self.program.screen_point(point))
        self.pointer.down()

    def press_for_frame(self):
        """Presses on the eyedropper box and holds still while the desktop
        takes its frame: a move before the frame is there is not sampled
        until the pointer moves again."""
        self.press_on(EYEDROPPER)
        time.sleep(FRAME_TIME)

    def swap_fixture(self):
        self.fixture.stdin.write(b"swap\n")
        self.fixture.stdin.flush()
        time.sleep(0.3)


@contextlib.contextmanager
def desk(name, portal="desktop-allowed", left=None, right=None, stand_in=(), scale=1):
    session = open_session(COMPOSITOR, name, portal, stand_in, scale=scale)
    try:
        yield Desk(session, left, right)
    except BaseException:
        for log in ("tinctora", COMPOSITOR, "portal", "portal-wlr", "portal-gnome", "portal-kde",
                    "stand-in-portal"):
            tail = session.log_tail(log)
            if tail:
                print(f"--- {log} log ---\n{tail}", flush=True)
        raise
    finally:
        session.close()


def box_pixels(program, frame):
    x, y, width, height = EYEDROPPER_AREA
    return [program.pixel((x + dx, y + dy), frame) for dy in range(height) for dx in range(width)]


def expect_no_portal_file(d):
    """The portal's frame is read and deleted, in /tmp and in the home folder alike."""
    left = d.s.files_left("/tmp", d.s.home)
    if left:
        raise Failure(f"files left behind: {left}")


def type_into_red_box(d, text):
    d.click(RED_BOX)
    d.s.chord("ctrl", "a")
    d.s.type_text(text)


# --- the desktop itself ---

def session_shows_windows_and_takes_input(binary):
    with desk("smoke", left=hexcode(BLUE), right=hexcode(ORANGE)) as d:
        shot = d.s.shot("fixture")
        expect(d.s, "left half of the colour window", BLUE, shot.pixel(*LEFT))
        expect(d.s, "right half of the colour window", ORANGE, shot.pixel(*RIGHT))
        program = d.start(binary)
        expect(program, "a main window through XWayland", 1,
               len([w for w in program.windows() if w["shell"] == "xwayland"]))
        shot = d.s.shot("program")
        _active_eyedropper[:] = box_pixels(program, shot)
        type_into_red_box(d, "204")
        program.wait_pixel(CURRENT_SWATCH, (204, 51, 51), "swatch after a click and typing")


# --- the eyedropper through XWayland ---

def xwayland_single_pixel_follows_the_pointer(binary):
    with desk("xwayland-single", left=hexcode(BLUE), right=hexcode(ORANGE)) as d:
        program = d.start(binary)
        d.press_for_frame()
        d.pointer.move(*LEFT)
        program.wait_pixel(CURRENT_SWATCH, BLUE, "live swatch over the left half")
        shot = d.s.shot("dragging-left")
        mx, my = EYEDROPPER_AREA[:2]
        expect_near(program, "magnifier centre cell", BLUE, program.pixel((mx + 12, my + 12), shot))
        d.pointer.move(*RIGHT)
        program.wait_pixel(CURRENT_SWATCH, ORANGE, "live swatch over the right half")
        d.pointer.up()
        time.sleep(0.3)
        shot = d.s.shot("released")
        expect_near(program, "swatch keeps the colour", ORANGE, program.pixel(CURRENT_SWATCH, shot))
        expect_no_portal_file(d)


def xwayland_block_mean_over_a_pattern(binary):
    with desk("xwayland-block", left="checker", right=hexcode(ORANGE)) as d:
        program = d.start(binary)
        d.click(BLOCK_MODE)
        d.press_for_frame()
        # x + y even on the pattern: the centre and 12 others are white, 12 black.
        fx, fy = d.fixture_origin
        x, y = LEFT[0] + (LEFT[0] + LEFT[1] - fx - fy) % 2, LEFT[1]
        d.pointer.move(x, y)
        program.wait_pixel(CURRENT_SWATCH, (133, 133, 133), "mean over a white centre")
        expect(program, "mean over a white centre, exactly", (133, 133, 133),
               program.pixel(CURRENT_SWATCH))
        d.pointer.move(x + 1, y)
        program.wait_pixel(CURRENT_SWATCH, (122, 122, 122), "mean over a black centre")
        d.pointer.up()
        time.sleep(0.3)
        expect(program, "mean kept after the release", (122, 122, 122),
               program.pixel(CURRENT_SWATCH))
        expect_no_portal_file(d)


def xwayland_scaled_output_takes_one_physical_pixel(binary):
    # At scale 2 the frame has two pixels for every logical one; the dots are
    # red at physical multiples of 8 from the colour window's corner: logical
    # 44 is physical 88 (red), where a frame read at logical positions would
    # give physical 44 (blue).
    with desk("xwayland-scale2", left="dots", right=hexcode(ORANGE), scale=2) as d:
        program = d.start(binary)
        fx, fy = d.fixture_origin
        expect(d.s, "a dot at a physical multiple of 8", (255, 0, 0),
               d.s.shot().pixel(2 * fx + 88, 2 * fy + 88))
        d.press_for_frame()
        d.pointer.move(fx + 44, fy + 44)
        program.wait_pixel(CURRENT_SWATCH, (255, 0, 0), "the red physical pixel")
        d.pointer.move(fx + 45, fy + 44)
        program.wait_pixel(CURRENT_SWATCH, (0, 0, 255), "its blue neighbour two physical pixels on")
        d.pointer.up()
        expect_no_portal_file(d)


# --- the eyedropper natively on Wayland ---

def magnified_block_near(frame, x, y, colours, reach, size, step=1, spare=0):
    """Whether a size x size block of one of the colours lies within reach of
    (x, y), but not within spare of it (the cursor's pixels): over a pattern
    of single pixels only a magnifier draws such blocks."""
    for top in range(max(0, y - reach), min(frame.height - size, y + reach), step):
        for left in range(max(0, x - reach), min(frame.width - size, x + reach), step):
            if spare and abs(left - x) <= spare and abs(top - y) <= spare:
                continue
            colour = frame.pixel(left, top)
            if colour in colours and all(frame.pixel(left + dx, top + dy) == colour
                                         for dy in range(size) for dx in range(size)):
                return True
    return False


def native_click_then_click_pick(binary):
    with desk("native-pick", left="checker", right=hexcode(ORANGE)) as d:
        program = d.start(binary, native=True)
        fx, fy = d.fixture_origin
        white = (LEFT[0] + (LEFT[0] + LEFT[1] - fx - fy) % 2, LEFT[1])
        d.click(EYEDROPPER)
        time.sleep(FRAME_TIME)
        # The window underneath changes; the frozen picture does not.
        d.swap_fixture()
        d.pointer.move(*white)
        shots = []

        def magnified():
            shots[:] = [d.s.shot("overlay")]
            return magnified_block_near(shots[0], *white, ((0, 0, 0), (255, 255, 255)),
                                        reach=120, size=4, spare=32)

        try:
            wait_for(magnified, "the magnifier", 3.0, interval=0.3)
        except SessionError:
            raise Failure(f"no magnifier beside the pointer (screenshot {d.s.screenshot('overlay')})")
        expect(program, "the frozen picture of the checker", (255, 255, 255),
               shots[0].pixel(white[0] + 40, white[1]))
        d.pointer.down()
        d.pointer.up()
        # The hover has already shown white: wait for the overlay to go, then
        # look beside the pointer, where the cursor hides nothing.
        beside = (white[0] + 40, white[1])
        try:
            wait_for(lambda: d.s.shot().pixel(*beside) == ORANGE, "the overlay to close", 5.0,
                     interval=0.1)
        except SessionError:
            pass  # the check below says what was seen
        program.wait_pixel(CURRENT_SWATCH, (255, 255, 255), "the colour taken from the picture")
        expect(program, "the overlay is gone", ORANGE, d.s.shot("picked").pixel(*beside))
        expect_no_portal_file(d)
        # Escape over orange in the picture: the colour the editor had before comes back.
        d.click(EYEDROPPER)
        time.sleep(FRAME_TIME)
        d.swap_fixture()
        d.pointer.move(*white)
        time.sleep(0.2)
        d.s.chord("Escape")
        time.sleep(0.3)
        program.wait_pixel(CURRENT_SWATCH, (255, 255, 255), "the colour from before Escape")
        expect(program, "the overlay is gone after Escape", (255, 255, 255),
               d.s.shot().pixel(white[0] + 40, white[1]))


def native_arrows_move_the_point_on_the_frame(binary):
    """Click, three arrows from a white pixel of the checker to a black one,
    Tab to "5x5" on the same spot, Enter."""
    with desk("native-keys", left="checker", right=hexcode(ORANGE)) as d:
        program = d.start(binary, native=True)
        fx, fy = d.fixture_origin
        white = (LEFT[0] + (LEFT[0] + LEFT[1] - fx - fy) % 2, LEFT[1])
        d.click(EYEDROPPER)
        time.sleep(1.0)
        d.pointer.move(*white)
        time.sleep(0.3)
        for _ in range(3):
            d.s.chord("Right")
        # The frame covers the swatch until the pick ends: 122 is the mean
        # around a black centre (a white one gives 133).
        d.s.chord("Tab")
        d.s.chord("Return")
        program.wait_pixel(CURRENT_SWATCH, (122, 122, 122),
                           "the mean around the black pixel three to the right")
        expect_no_portal_file(d)


# --- the frame holds none of the program's windows ---

def frame_leaves_out_the_window(binary, native=False):
    """The frame the eyedropper picks from holds the desktop, not the main
    window: a pick where the window stood at the press, and in the top left
    corner of the colour window (below GNOME's top bar), where the press
    sends it (sway ignores the move under XWayland and places native windows
    itself), gives the colour window's colour."""
    with desk("native-no-window" if native else "xwayland-no-window", left=hexcode(BLUE),
              right=hexcode(ORANGE)) as d:
        fx, fy, width, _ = d.s.window(lambda w: w["app_id"] == "tinctora-test-fixture")["rect"]

        def desktop_colour(point):
            return BLUE if point[0] < fx + width // 2 else ORANGE

        program = d.start(binary, native)
        # Beside the eyedropper box, away from the swatch the colour is read
        # from: the pointer is drawn into every screenshot.
        stood = program.screen_point((EYEDROPPER[0], EYEDROPPER[1] - 40))
        if program.pixel((EYEDROPPER[0], EYEDROPPER[1] - 40)) == desktop_colour(stood):
            raise Failure(f"the main window does not cover the desktop at {stood} "
                          f"(screenshot {d.s.screenshot('window')})")
        for name, point in (("where the window stood", stood),
                            ("in the top left corner", (fx + 20, fy + 20))):
            colour = desktop_colour(point)
            if native:
                d.click(EYEDROPPER)
                time.sleep(FRAME_TIME)
                d.pointer.click(*point)
            else:
                d.press_for_frame()
                d.pointer.move(*point)
                program.wait_pixel(CURRENT_SWATCH, colour, f"the desktop {name}, while dragging")
                d.pointer.up()
            program.wait_pixel(CURRENT_SWATCH, colour, f"the desktop's colour {name}")
            # A colour neither half has, so that the next pick is seen.
            type_into_red_box(d, "7")
            program.wait_pixel(CURRENT_SWATCH, (7, *colour[1:]), "red 7 typed")


def native_frame_leaves_out_the_window(binary):
    frame_leaves_out_the_window(binary, native=True)


# Desktops that often tell a window shown under a pointer at rest nothing of
# the pointer until it moves (GNOME Shell 43: the frozen frame comes within a
# third of a second, its magnifier and cursor in most rounds only with the
# next move).
POINTER_ONLY_ONCE_MOVED = {("gnome", "bookworm")}


def native_scaled_frame_shows_each_physical_pixel_once(binary):
    """At scale 2 the frozen frame covers the screen at its own size, and a
    click takes the physical pixel under the pointer's logical position:
    logical 44 from the colour window's corner is physical 88, a red dot,
    and 45 its blue neighbour."""
    with desk("native-scale2", left="dots", right=hexcode(ORANGE), scale=2) as d:
        program = d.start(binary, native=True)
        fx, fy = d.fixture_origin
        for at, colour in (((fx + 44, fy + 44), (255, 0, 0)), ((fx + 45, fy + 44), (0, 0, 255))):
            # The pointer is at rest where the frame opens: the magnifier is
            # there at once, its red dot's cell a block of red.
            d.click(EYEDROPPER)
            d.pointer.move(*at)
            time.sleep(FRAME_TIME)
            if (COMPOSITOR, debian_release()) in POINTER_ONLY_ONCE_MOVED:
                d.pointer.move(at[0] + 1, at[1])
                d.pointer.move(*at)
                time.sleep(0.3)
            shot = d.s.shot(f"overlay-{at[0]}")
            if not magnified_block_near(shot, at[0] * 2, at[1] * 2, ((255, 0, 0),), reach=300,
                                        size=8, step=4):
                raise Failure(f"no magnifier beside the pointer at rest at {at} "
                              f"(screenshot {d.s.screenshot(f'no-magnifier-{at[0]}')})")
            # Far from the pointer and its magnifier: a red dot at physical
            # (600, 640) from the corner, where a frame shown twice the size
            # has blue; on the screen also below a top bar of 32 logical pixels.
            expect(program, "the frozen frame at its own size", (255, 0, 0),
                   shot.pixel(2 * fx + 600, 2 * fy + 640))
            d.pointer.down()
            d.pointer.up()
            program.wait_pixel(CURRENT_SWATCH, colour, f"the pixel picked at {at}")


# --- the value strip ---

def strip_opens_under_the_swatch(binary, native=False):
    with desk("native-strip" if native else "strip", portal="none") as d:
        program = d.start(binary, native)
        d.press_on(RED_ARROW)
        time.sleep(0.4)
        path = program.screenshot("strip-open")
        shot = d.s.shot()
        # Red 51 puts the marker at column 51: the strip starts 51 pixels left
        # of the arrow. Natively on Qt before 6.5.1 it keeps within the main
        # window's columns, the narrow window's right edge with them.
        left = RED_ARROW[0] - 51
        if native and qt_version(binary) < (6, 5, 1):
            left = min(left, client_width(d, program) - 256)
        px, py = program.screen_point((left, SWATCH_BOTTOM))

        def gradient(x, y, column):
            return all(abs(a - b) <= 2 for a, b in zip(shot.pixel(x, y), (column, 51, 51)))

        for column in (0, 103, 200, 255):
            for row in (0, 7, 14):
                if not gradient(px + column, py + row, column):
                    raise Failure(f"no strip gradient at column {column}, row {row}: "
                                  f"{shot.pixel(px + column, py + row)} (screenshot {path})")
        for x, y, where in ((px - 1, py + 7, "left of"), (px + 256, py + 7, "right of"),
                            (px + 103, py - 1, "above"), (px + 103, py + 15, "below")):
            if gradient(x, y, 103 if where in ("above", "below") else x - px):
                raise Failure(f"the strip reaches {where} its 256 x 15 pixels: {shot.pixel(x, y)}")
        # Through XWayland the gesture holds anywhere on the screen, as on X11;
        # natively the popup has the pointer while it is on the strip, and a
        # marker away from the pointer waits until the pointer passes it.
        if native:
            d.pointer.move(px + 30, py + 7)
        d.pointer.move(px + 101, py + 7 if native else py + 40)
        program.wait_pixel(CURRENT_SWATCH, (101, 51, 51), "swatch follows the pointer")
        d.pointer.up()
        time.sleep(0.3)
        shot = d.s.shot("strip-closed")
        if gradient(px + 200, py + 7, 200):
            raise Failure("the strip stays after the release")
        expect_near(program, "swatch after the release", (101, 51, 51),
                    program.pixel(CURRENT_SWATCH, shot))


def native_strip_opens_under_the_swatch(binary):
    strip_opens_under_the_swatch(binary, native=True)


def strip_left_edge(shot, y, marker):
    """The screen column of the strip's first column: the gradient (c, 51, 51)
    at columns 0, 64 and 250, away from the marker line."""
    columns = [c for c in (0, 64, 128, 250) if abs(c - marker) > 2][:3]
    for left in range(0, 1280 - 255):
        if all(all(abs(a - b) <= 2 for a, b in zip(shot.pixel(left + c, y), (c, 51, 51)))
               for c in columns):
            return left
    return None


def qt_version(binary):
    """The version of the Qt library the program runs on, as (major, minor, patch)."""
    for line in subprocess.run(["ldd", binary], capture_output=True, text=True).stdout.splitlines():
        if "libQt6Core.so" in line and "=>" in line:
            name = os.path.realpath(line.split("=>")[1].split()[0])
            return tuple(int(n) for n in name.rsplit(".so.", 1)[1].split("."))
    raise Failure(f"no Qt library found for {binary}")


def client_width(d, program):
    """The width of the main window's client area: its rectangle holds the
    frame, on both sides alike."""
    return d.s.window(program._is_main)["rect"][2] - 2 * program.inset[0]


def unseen_slide(d, program, binary):
    """How far the compositor slides the natively shown strip, which opens
    flush with the right edge of the narrower main window, to keep it on the
    screen, where Qt before 6.5.1 does not see it: the value then follows the
    pointer that many columns off."""
    if qt_version(binary) >= (6, 5, 1):
        return 0
    return max(0, 256 - client_width(d, program) - program.origin()[0])


def strip_pushed_back_at_the_screen_edge(binary, native=False):
    """At either screen edge the strip would open partly off the screen: with
    the main window at the left edge red 130 puts its first 50 columns off,
    at the right edge red 40 its last 52. The strip is kept on the screen,
    and the pointer, which Wayland does not let the program move, is left
    beside the marker: the value waits until the pointer reaches the marker
    and then follows the column under the pointer, never jumping.
    Natively, Qt before 6.5.1 never learns where the compositor put the
    strip, so the program opens it within the main window's own columns,
    where the compositor need not move it. The narrow window is 12 columns
    narrower than the strip, which overhangs it on the left: flush with the
    screen's left edge, the compositor slides the strip by those 12 columns
    less the window's own frame, and the value follows the pointer that many
    columns off."""
    with desk("native-strip-edge" if native else "strip-edge", portal="none") as d:
        program = d.start(binary, native)
        window = d.s.window(program._is_main)
        width = window["rect"][2]
        for edge, window_x, red, away in (("left", 0, 130, 20), ("right", 1280 - width, 40, -25)):
            d.s.move_window(window, window_x, 100)
            wait_for(lambda: d.s.window(program._is_main)["rect"][0] == window_x,
                     f"the main window at the {edge} edge", 3.0)
            type_into_red_box(d, str(red))
            program.wait_pixel(CURRENT_SWATCH, (red, 51, 51), f"red {red}")
            slid = unseen_slide(d, program, binary) if native else 0
            drag_across_the_marker(d, program, red, away, slid, edge)


def drag_across_the_marker(d, program, red, away, slid, edge):
    """Presses on the red arrow, goes down onto the strip, along it to `away`
    columns beyond the marker and back halfway, in small steps, reading the
    value after each: it must be the column under the pointer, plus the
    columns the compositor slid the strip by where Qt cannot see it."""
    d.press_on(RED_ARROW)
    time.sleep(0.4)
    x, y = program.screen_point(RED_ARROW)
    strip_y = program.screen_point((0, SWATCH_BOTTOM + 7))[1]
    shot = d.s.shot(f"{edge}-open")
    left = strip_left_edge(shot, strip_y, red)
    if left is None or not 0 <= left <= 1280 - 256:
        raise Failure(f"the strip is not on the screen at the {edge} edge: its left edge at "
                      f"{left} (screenshot {d.s.screenshot(f'{edge}-open')})")
    beyond = left + red + away
    step = max(3, abs(beyond - x) // 30) * (1 if beyond > x else -1)
    back = -2 * step
    path = [(x, y + dy) for dy in range(8, strip_y - y, 8)] + [(x, strip_y)]
    path += [(px, strip_y) for px in range(x + step, beyond + step, step)]
    path += [(px, strip_y) for px in range(beyond + back, beyond - away // 2, back)]
    value, at, offsets = red, (x, y), set()
    for point in path:
        d.pointer.move(*point)
        time.sleep(0.12)
        shot = d.s.shot()
        seen = program.pixel(CURRENT_SWATCH, shot)[0]
        moved = abs(point[0] - at[0])
        if abs(seen - value) > moved:
            raise Failure(f"at the {edge} edge the value jumped from {value} to {seen} while the "
                          f"pointer moved {moved} columns to {point} "
                          f"(screenshot {d.s.screenshot(f'{edge}-jump')})")
        if point[1] == strip_y and (seen != red or offsets):
            offsets.add(seen - (point[0] - left))
            # The marker line, above the pointer's tip, stands on the value's column.
            marker = shot.pixel(left + seen, strip_y - 6)
            if marker not in ((0, 0, 0), (255, 255, 255)):
                raise Failure(f"no marker at the value {seen}: {marker} "
                              f"(screenshot {d.s.screenshot(f'{edge}-marker')})")
        value, at = seen, point
    if offsets != {slid}:
        raise Failure(f"at the {edge} edge the value is off the column under the pointer by "
                      f"{sorted(offsets)} (screenshot {d.s.screenshot(f'{edge}-follow')})")
    d.pointer.up()
    program.wait_pixel(CURRENT_SWATCH, (value, 51, 51),
                       f"the value after the release at the {edge} edge")
    time.sleep(0.3)


def native_strip_pushed_back_at_the_screen_edge(binary):
    strip_pushed_back_at_the_screen_edge(binary, native=True)


# --- the value strip natively, wherever the pointer goes during the drag ---

def open_native_strip(d, binary, window_x, red):
    """The program natively with its main window's rectangle at window_x, red
    set and the strip opened from Rot's arrow. Returns the program, the
    strip's shown left edge and row, and the column offset of the value from
    the column of the strip under the pointer: none, but where Qt cannot see
    the compositor slide the strip, that slide."""
    program = d.start(binary, native=True)
    window = d.s.window(program._is_main)
    d.s.move_window(window, window_x, 100)
    wait_for(lambda: d.s.window(program._is_main)["rect"][0] == window_x,
             f"the main window at x {window_x}", 3.0)
    type_into_red_box(d, str(red))
    program.wait_pixel(CURRENT_SWATCH, (red, 51, 51), f"red {red}")
    d.press_on(RED_ARROW)
    d.pointer_at = program.screen_point(RED_ARROW)
    time.sleep(0.4)
    strip_y = program.screen_point((0, SWATCH_BOTTOM + 7))[1]
    left = strip_left_edge(d.s.shot(), strip_y, red)
    if left is None:
        raise Failure(f"no strip at red {red} (screenshot {d.s.screenshot('native-open')})")
    return program, left, strip_y, unseen_slide(d, program, binary)


def red_after_moves(d, program, points):
    """Moves the pointer through the points in turn, in steps of at most 10
    pixels as a hand goes, and the red the swatch shows after the last."""
    for point in points:
        start = d.pointer_at
        steps = max(1, max(abs(point[0] - start[0]), abs(point[1] - start[1])) // 10)
        for k in range(1, steps + 1):
            d.pointer.move(start[0] + (point[0] - start[0]) * k // steps,
                           start[1] + (point[1] - start[1]) * k // steps)
            time.sleep(0.03)
        d.pointer_at = point
    time.sleep(0.3)
    return program.pixel(CURRENT_SWATCH)[0]


def expect_red_at(d, program, points, red, what):
    seen = red_after_moves(d, program, points)
    if seen != red:
        raise Failure(f"{what}: red {seen}, not {red} "
                      f"(screenshot {d.s.screenshot(what.replace(' ', '-'))})")


def onto_the_strip(program, strip_y, to_x):
    """From the arrow down onto the strip and along it to to_x."""
    return [(program.screen_point(RED_ARROW)[0], strip_y), (to_x, strip_y)]


def native_strip_follows_the_pointer_at_the_left_edge(binary):
    """The main window at the screen's left edge: across the marker along the
    arrow's row, then down onto the strip and back along the row, the value
    is the column of the strip under the pointer wherever the pointer is."""
    with desk("native-strip-left", portal="none") as d:
        program, left, strip_y, slide = open_native_strip(d, binary, 0, 130)
        y = program.screen_point(RED_ARROW)[1]
        expect_red_at(d, program, [(left + 150, y)], 150 + slide,
                      "along the arrow's row past the marker")
        expect_red_at(d, program, [(left + 100, strip_y)], 100 + slide, "down onto the strip")
        expect_red_at(d, program, [(left + 80, y), (left + 60, y)], 60 + slide,
                      "back along the arrow's row")
        d.pointer.up()


def native_strip_follows_outside_the_windows(binary):
    """With the button held the value follows below and right of the main
    window too, and the release there ends the drag with the value kept."""
    with desk("native-strip-outside", portal="none") as d:
        program, left, strip_y, slide = open_native_strip(d, binary, 400, 29)
        rect = d.s.window(program._is_main)["rect"]
        bottom = rect[1] + rect[3]
        expect_red_at(d, program, onto_the_strip(program, strip_y, left + 10), 10 + slide,
                      "across the marker on the strip")
        expect_red_at(d, program, [(left + 10, bottom + 40), (600, bottom + 40)],
                      600 - left + slide, "below the window")
        expect_red_at(d, program, [(800, bottom + 40), (800, strip_y)], 255,
                      "right of the window")
        d.pointer.up()
        program.wait_pixel(CURRENT_SWATCH, (255, 51, 51), "the value after a release outside")


def native_strip_closes_at_a_release_outside_the_window(binary):
    """A release below and right of the main window closes the strip; the
    pointer then passes over the window and the strip's place with no button
    held and changes nothing."""
    with desk("native-strip-release", portal="none") as d:
        program, left, strip_y, slide = open_native_strip(d, binary, 400, 29)
        y = program.screen_point(RED_ARROW)[1]
        rect = d.s.window(program._is_main)["rect"]
        bottom = rect[1] + rect[3]
        expect_red_at(d, program, onto_the_strip(program, strip_y, left + 10), 10 + slide,
                      "across the marker on the strip")
        released = red_after_moves(d, program, [(left + 10, bottom + 40), (800, bottom + 40)])
        d.pointer.up()
        time.sleep(0.3)
        over = [(left + 240, y), (left + 20, y), (left + 20, strip_y), (left + 240, strip_y)]
        expect_red_at(d, program, over, released, "moved over the window with no button")
        if strip_left_edge(d.s.shot(), strip_y, released) is not None:
            raise Failure(f"the strip stays open after a release outside the window "
                          f"(screenshot {d.s.screenshot('native-release-open')})")


# --- the portal fallbacks ---

def pick_colour_when_screenshots_are_refused(binary, response=2):
    """response: the stand-in's answer to Screenshot, 2 as a desktop that
    refuses, 1 as one whose confirmation was cancelled."""
    stand_in = ("0.8", "0.4", "0.2", str(response))
    with desk(f"pick-colour-{response}", portal="stand-in", left=hexcode(BLUE),
              right=hexcode(ORANGE), stand_in=stand_in) as d:
        program = d.start(binary)
        d.press_on(EYEDROPPER)
        d.pointer.move(*LEFT)
        time.sleep(0.3)
        d.pointer.up()
        program.wait_pixel(CURRENT_SWATCH, PICKED, "the colour the desktop's picker gave")
        calls = d.s.stand_in_calls()
        expect(program, "asked for a frame, then for the picker", ["Screenshot", "PickColor"],
               calls[:2])
        # Nothing sticks: the editor takes clicks and keys as before.
        type_into_red_box(d, "0")
        program.wait_pixel(CURRENT_SWATCH, (0, 102, 51), "swatch after typing")
        # "5x5" has no frame to take a mean from: the picker's one pixel again.
        d.click(BLOCK_MODE)
        d.press_on(EYEDROPPER)
        d.pointer.move(*RIGHT)
        time.sleep(0.3)
        d.pointer.up()
        program.wait_pixel(CURRENT_SWATCH, PICKED, "the picker's colour in 5x5 mode")
        expect(program, "the picker asked once more", 2, d.s.stand_in_calls().count("PickColor"))


def pick_colour_when_the_screenshot_is_cancelled(binary):
    pick_colour_when_screenshots_are_refused(binary, response=1)


def absent_portal_leaves_the_eyedropper_inactive(binary):
    if not _active_eyedropper:
        session_shows_windows_and_takes_input(binary)
    with desk("no-portal", portal="none", left=hexcode(BLUE), right=hexcode(ORANGE)) as d:
        program = d.start(binary)
        shot = d.s.shot("inactive")
        inactive = box_pixels(program, shot)
        changed = sum(a != b for a, b in zip(inactive, _active_eyedropper))
        if changed < len(inactive) // 10:
            raise Failure(f"the eyedropper box looks as with a portal ({changed} pixels differ)")
        d.press_on(EYEDROPPER)
        d.pointer.move(*LEFT)
        time.sleep(0.5)
        d.pointer.up()
        time.sleep(0.3)
        expect(program, "colour unchanged", START_COLOUR, program.pixel(CURRENT_SWATCH))
        type_into_red_box(d, "204")
        program.wait_pixel(CURRENT_SWATCH, (204, 51, 51), "swatch after typing")


# --- the clipboard ---

def copy_and_end(d, program):
    """Copies the page code and answers "Ja", which ends the program."""
    d.click(WEB)
    time.sleep(0.5)
    d.click(COPY)
    d.s.window(lambda w: w["name"] == "Tinctora")
    # The box may map before it takes keys: answer again if it is still there.
    for attempt in range(3):
        time.sleep(0.5)
        d.s.chord("alt", "j")
        try:
            wait_for(lambda: not program.windows(), "every window of the program to go", 2.0)
            break
        except SessionError:
            if attempt == 2:
                raise Failure(f"windows left: {program.windows()} "
                              f"(screenshot {program.screenshot('windows-left')})") from None
    wait_for(lambda: program.process.poll() is not None,
             "the program to end with its windows", 1.0)


def copied_code_survives_the_program(binary, native=False):
    with desk("native-clipboard" if native else "clipboard", portal="none") as d:
        program = d.start(binary, native)
        copy_and_end(d, program)
        # Where the compositor passes an X11 copy on to Wayland, it may take a moment.
        try:
            wait_for(lambda: d.s.run(["wl-paste", "--no-newline"], check=False).stdout
                     == BODY_START, "the code on the Wayland clipboard", 2.0, interval=0.2)
        except SessionError:
            pass  # the check below says what was pasted
        pasted = d.s.run(["wl-paste", "--no-newline"], check=False)
        expect(program, "pasted after the program's end", BODY_START, pasted.stdout)
        if not native:
            pasted = d.s.run(["xclip", "-o", "-selection", "clipboard"], check=False)
            expect(program, "pasted by an X11 program", BODY_START, pasted.stdout)
        # The keeper that serves it ends once another program copies. GNOME
        # keeps a native program's copy itself.
        if native and COMPOSITOR == "gnome":
            expect(program, "clipboard keepers", 0, len(keepers(program)))
            return
        expect(program, "clipboard keepers", 1, len(keepers(program)))
        d.s.spawn("wl-copy", ["wl-copy", "--foreground", "taken over"])
        wait_for(lambda: not keepers(program), "the keeper to end once another program copied",
                 3.0)
        pasted = d.s.run(["wl-paste", "--no-newline"], check=False)
        expect(program, "the other program's text", b"taken over", pasted.stdout)


def keepers(program):
    """Process ids of the clipboard keepers started from beside the program."""
    keeper = os.path.realpath(os.path.join(os.path.dirname(program.path), KEEPER))
    found = []
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as f:
                ended = f.read().rpartition(")")[2].split()[0] == "Z"
            if not ended and os.path.realpath(f"/proc/{entry}/exe") == keeper:
                found.append(int(entry))
        except OSError:
            continue
    return found


def native_copied_code_survives_the_program(binary):
    copied_code_survives_the_program(binary, native=True)


def copy_under_xwayland_then_natively(d, binary):
    """Copies and ends under XWayland, then copies red 0 and ends natively;
    the second program and its code."""
    first = d.start(binary)
    copy_and_end(d, first)
    wait_for(lambda: len(keepers(first)) == 1, "the first copy's keeper", 3.0)
    second = d.start(binary, native=True)
    type_into_red_box(d, "0")
    second.wait_pixel(CURRENT_SWATCH, (0, 51, 51), "red 0 before the second copy")
    copy_and_end(d, second)
    return second, BODY_START.replace(b"#333333", b"#003333")


def older_keeper_makes_way_for_a_newer_copy(binary):
    """A copy under XWayland, then a newer one natively: the older keeper
    lets go of both clipboards as soon as the newer copy takes one, so that
    no paste, X11 or Wayland, gives the older code."""
    with desk("two-copies", portal="none") as d:
        second, newer = copy_under_xwayland_then_natively(d, binary)
        pasted = d.s.run(["wl-paste", "--no-newline"], check=False)
        expect(second, "pasted after the second copy", newer, pasted.stdout)
        # GNOME keeps the native copy itself, without a keeper.
        left = 0 if COMPOSITOR == "gnome" else 1
        try:
            wait_for(lambda: len(keepers(second)) == left, "the older keeper to end", 3.0)
        except SessionError:
            raise Failure(f"keepers running: {len(keepers(second))}") from None
        pasted = d.s.run(["xclip", "-o", "-selection", "clipboard"], check=False)
        if pasted.stdout == BODY_START:
            raise Failure("an X11 program still pastes the older copy")


def newer_native_copy_on_both_clipboards(binary):
    """After a copy under XWayland and a newer one natively, X11 and Wayland
    programs alike paste the newer code, and one keeper serves it."""
    with desk("both-clipboards", portal="none") as d:
        second, newer = copy_under_xwayland_then_natively(d, binary)
        for paste in (["wl-paste", "--no-newline"], ["xclip", "-o", "-selection", "clipboard"]):
            try:
                wait_for(lambda: d.s.run(paste, check=False).stdout == newer,
                         f"{paste[0]} to give the newer code", 3.0, interval=0.2)
            except SessionError:
                pasted = d.s.run(paste, check=False).stdout
                raise Failure(f"{paste[0]} gives {pasted[:120]!r}") from None
        expect(second, "clipboard keepers", 0 if COMPOSITOR == "gnome" else 1,
               len(keepers(second)))


def keeper_outlasts_the_bridge_and_yields_to_an_x11_copy(binary, native=False):
    """With an X11 window focused the desktop carries each clipboard across to
    the other side: the keeper takes its own text coming back for no loss, and
    ends once an X11 program copies."""
    with desk("bridged-clipboard", portal="none") as d:
        program = d.start(binary, native)
        copy_and_end(d, program)
        d.s.spawn("xmessage", ["xmessage", "-geometry", "+300+300", "X11"])
        d.s.window(lambda w: w["name"] == "xmessage")
        time.sleep(1.0)
        # GNOME keeps a native program's copy itself.
        if native and COMPOSITOR == "gnome":
            expect(program, "clipboard keepers", 0, len(keepers(program)))
            return
        expect(program, "clipboard keepers", 1, len(keepers(program)))
        for paste in (["wl-paste", "--no-newline"], ["xclip", "-o", "-selection", "clipboard"]):
            expect(program, f"pasted by {paste[0]}", BODY_START,
                   d.s.run(paste, check=False).stdout)
        copier = d.s.spawn("xclip", ["xclip", "-i", "-quiet", "-selection", "clipboard"],
                           stdin=subprocess.PIPE)
        copier.stdin.write(b"X11 copy")
        copier.stdin.close()
        wait_for(lambda: not keepers(program), "the keeper to end after an X11 copy", 3.0)
        pasted = []

        def carried():
            pasted[:] = [d.s.run(["wl-paste", "--no-newline"], check=False).stdout]
            return pasted[0] == b"X11 copy"

        # Each paste starts a program: on a loaded machine a few take seconds.
        try:
            wait_for(carried, "the X11 copy on the Wayland clipboard", 6.0, interval=0.2)
        except SessionError:
            raise Failure(f"the X11 copy is not on the Wayland clipboard after the keeper ended: "
                          f"wl-paste gives {pasted[0]!r}")


def native_keeper_outlasts_the_bridge_and_yields_to_an_x11_copy(binary):
    keeper_outlasts_the_bridge_and_yields_to_an_x11_copy(binary, native=True)


# The cases every desktop runs; the portal fallbacks, which the tests' own
# stand-in portal drives, run on sway alone.
EVERY_DESKTOP = [
    session_shows_windows_and_takes_input,
    xwayland_single_pixel_follows_the_pointer,
    xwayland_block_mean_over_a_pattern,
    xwayland_scaled_output_takes_one_physical_pixel,
    native_click_then_click_pick,
    native_arrows_move_the_point_on_the_frame,
    frame_leaves_out_the_window,
    native_frame_leaves_out_the_window,
    native_scaled_frame_shows_each_physical_pixel_once,
    strip_opens_under_the_swatch,
    native_strip_opens_under_the_swatch,
    strip_pushed_back_at_the_screen_edge,
    native_strip_pushed_back_at_the_screen_edge,
    native_strip_follows_the_pointer_at_the_left_edge,
    native_strip_follows_outside_the_windows,
    native_strip_closes_at_a_release_outside_the_window,
    copied_code_survives_the_program,
    native_copied_code_survives_the_program,
    older_keeper_makes_way_for_a_newer_copy,
    newer_native_copy_on_both_clipboards,
    keeper_outlasts_the_bridge_and_yields_to_an_x11_copy,
    native_keeper_outlasts_the_bridge_and_yields_to_an_x11_copy,
]

# What each desktop is known to get wrong, case by case, on the Debian
# releases named (their desktops differ: GNOME Shell 43 and KWin 5.27 on
# bookworm, GNOME Shell 48 and KWin 6.3 on trixie).
EXPECTED_FAILURES = {
    "sway": {},
    "gnome": {},
    "kwin": {},
}


def debian_release():
    """The codename of the Debian release the suite runs on."""
    with open("/etc/os-release") as source:
        for line in source:
            if line.startswith("VERSION_CODENAME="):
                return line.split("=", 1)[1].strip().strip('"')
    return ""


def on_release(table, compositor, release):
    """The cases of a table above that concern that desktop and release, each
    with what is seen."""
    return {case: seen[release] for case, seen in table[compositor].items() if release in seen}

# Cases left out of a desktop's round on the releases named (they still run
# when named) because they pass or fail from one round to the next there.
UNSTABLE = {
    "sway": {},
    "gnome": {},
    "kwin": {},
}

CASES = [
    session_shows_windows_and_takes_input,
    xwayland_single_pixel_follows_the_pointer,
    xwayland_block_mean_over_a_pattern,
    xwayland_scaled_output_takes_one_physical_pixel,
    native_click_then_click_pick,
    native_arrows_move_the_point_on_the_frame,
    frame_leaves_out_the_window,
    native_frame_leaves_out_the_window,
    native_scaled_frame_shows_each_physical_pixel_once,
    strip_opens_under_the_swatch,
    native_strip_opens_under_the_swatch,
    strip_pushed_back_at_the_screen_edge,
    native_strip_pushed_back_at_the_screen_edge,
    native_strip_follows_the_pointer_at_the_left_edge,
    native_strip_follows_outside_the_windows,
    native_strip_closes_at_a_release_outside_the_window,
    pick_colour_when_screenshots_are_refused,
    pick_colour_when_the_screenshot_is_cancelled,
    absent_portal_leaves_the_eyedropper_inactive,
    copied_code_survives_the_program,
    native_copied_code_survives_the_program,
    older_keeper_makes_way_for_a_newer_copy,
    newer_native_copy_on_both_clipboards,
    keeper_outlasts_the_bridge_and_yields_to_an_x11_copy,
    native_keeper_outlasts_the_bridge_and_yields_to_an_x11_copy,
]

def main():
    parser = argparse.ArgumentParser(description="The program on a headless Wayland desktop.")
    parser.add_argument("--compositor", choices=COMPOSITORS, default="sway")
    parser.add_argument("binary", help="path/to/tinctora")
    parser.add_argument("tools", help="the folder of the built input clients")
    parser.add_argument("fixture", help="path/to/wayland_colour_window")
    parser.add_argument("cases", nargs="*", help="names of the cases to run (default: all)")
    options = parser.parse_args()
    enter_private_namespaces()
    global COMPOSITOR, TOOLS, FIXTURE
    COMPOSITOR, TOOLS, FIXTURE = options.compositor, options.tools, options.fixture
    cases = CASES if COMPOSITOR == "sway" else EVERY_DESKTOP
    chosen = [case for case in cases if not options.cases or case.__name__ in options.cases]
    release = debian_release()
    unstable = on_release(UNSTABLE, COMPOSITOR, release)
    for case in [case for case in chosen if case in unstable]:
        if not options.cases:
            print(f"SKIP {case.__name__}: {unstable[case]}", flush=True)
            chosen.remove(case)
    sys.exit(run(chosen, options.binary, on_release(EXPECTED_FAILURES, COMPOSITOR, release)))


if __name__ == "__main__":
    main()
