# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

""""Kopieren" on a real X server: the answers are given with the keyboard, the
code is read back with xclip byte for byte. Whenever the program ends owning
the clipboard (after "Ja", or after a plain Ctrl+C in a box) it ends at once,
and its clipboard keeper serves the text until another program copies -
without a clipboard manager, with one that saves, with one that only claims to
be one (the stub with --saves-nothing), and with Diodon, a manager in the
wild that owns no CLIPBOARD_MANAGER but takes an abandoned clipboard over.

Arguments: the tinctora binary and the clipboard manager stub."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from harness import Session, expect, expect_near, main  # noqa: E402

# Points of the client area of the wide window (logical pixels).
BLUE_BOX, WEB, EXIT = (56, 70), (182, 180), (60, 180)
ROLE_LINK, WEBSAFE_HP, COPY = (417, 57), (417, 124), (417, 148)
CSS_STYLES, SITE_TITLE = (287, 180), (417, 180)
PREVIEW_BACKGROUND, ROLE_BACKGROUND_EDGE = (259, 120), (453, 20)

BODY_START = (b"<html>\r\n <head>\r\n  <title>Unbenannt</title>\r\n </head>\r\n"
              b" <body bgcolor=\"#333333\" text=\"#ffffff\" link=\"#ffcc00\" alink=\"#ffff00\""
              b" vlink=\"#999966\">\r\n </body>\r\n</html>")


def message_box(s, timeout=5.0):
    """The visible message box, titled with the application title alone."""
    found = []
    s._wait(lambda: found.extend(s.visible_windows("^Tinctora$")) or found, "a message box", timeout)
    return found[0]


def answer(s, key):
    """Answers the message box; returns when the key was pressed."""
    box = message_box(s)
    s._run(["xdotool", "windowfocus", "--sync", box])
    pressed = time.time()
    s.key(key)
    s._wait(lambda: box not in s.visible_windows("^Tinctora$"), "the message box to close")
    return pressed


def take_clipboard_over(s):
    """Another program takes the clipboard; xclip keeps serving in the background."""
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=b"taken over", env=s.env,
                   check=True, timeout=10)


def expect_ended_at_once(s, since):
    """The program ends within a second of the user's last step, and leaves
    nothing open that whoever started it waits on (a shell gets its prompt)."""
    left = max(0.0, since + 1.0 - time.time())
    expect(s, "program ended within a second", True, s.ended(timeout=left))
    expect(s, "exit status", 0, s.program.returncode)
    expect(s, "program's output closed", True, s.output_closed(timeout=1.0))
    expect(s, "windows left", [], s.visible_windows("Tinctora"))


def expect_kept_until_taken_over(s, text):
    """The clipboard keeper pastes the text until another program copies, then ends."""
    expect(s, "clipboard after the end", text, s.clipboard())
    expect(s, "clipboard keepers", 1, len(s.keepers()))
    take_clipboard_over(s)
    s._wait(lambda: not s.keepers(), "the keeper to end once the clipboard was taken", 3.0)
    expect(s, "the other program's text", b"taken over", s.clipboard())


def open_panel_on_link_off_the_grid(s):
    s.click(*WEB)
    s.click(*ROLE_LINK)
    s.click(*BLUE_BOX)
    s.key("ctrl+a")
    s.type("1")


def yes_snaps_copies_ends_and_the_keeper_serves_until_taken_over(binary):
    s = Session(binary, "copy-yes").start()
    try:
        open_panel_on_link_off_the_grid(s)
        s.click(*COPY)
        answer(s, "alt+j")   # snap the scheme first
        pressed = answer(s, "alt+j")   # end after copying
        expect_ended_at_once(s, pressed)
        expect_kept_until_taken_over(s, BODY_START)
    finally:
        s.close()


def no_keeps_the_colour_and_the_window(binary):
    s = Session(binary, "copy-no").start()
    try:
        open_panel_on_link_off_the_grid(s)
        s.click(*CSS_STYLES)
        s.click(*SITE_TITLE)
        s.key("ctrl+a")
        s.type("Farben & <Test>")
        s.click(*COPY)
        answer(s, "alt+n")   # keep the colours as they are
        answer(s, "alt+n")   # keep the program running
        expected = (b"<html>\r\n <head>\r\n  <title>Farben &amp; &lt;Test&gt;</title>\r\n"
                    b"  <style type=\"text/css\"><!--\r\n   body {\r\n"
                    b"    background-color: #333333;\r\n    color: #ffffff;\r\n   }\r\n"
                    b"   a:link { color: #ffcc01 }\r\n   a:visited { color: #999966 }\r\n"
                    b"   a:active { color: #ffff00 }\r\n  //--></style>\r\n </head>\r\n"
                    b" <body>\r\n </body>\r\n</html>")
        expect(s, "clipboard", expected, s.clipboard())
        expect(s, "main window still shown", [s.window], s.visible_windows("^Tinctora Version"))
        # Ending the program another way still leaves the code on the clipboard.
        clicked = time.time()
        s.click(*EXIT)
        expect_ended_at_once(s, clicked)
        expect_kept_until_taken_over(s, expected)
    finally:
        s.close()


def cancel_copies_nothing(binary):
    s = Session(binary, "copy-cancel").start()
    try:
        open_panel_on_link_off_the_grid(s)
        s.click(*COPY)
        answer(s, "Escape")
        expect(s, "clipboard", None, s.clipboard())
        s.click(*COPY)
        answer(s, "alt+j")
        answer(s, "Escape")
        expect(s, "clipboard", None, s.clipboard())
        expect(s, "main window still shown", [s.window], s.visible_windows("^Tinctora Version"))
        # The snap of the first answer stays: a second copy asks no question.
        s.click(*COPY)
        answer(s, "alt+n")
        expect(s, "clipboard", BODY_START, s.clipboard())
        clicked = time.time()
        s.click(*EXIT)
        expect_ended_at_once(s, clicked)
        expect(s, "clipboard after Beenden", BODY_START, s.clipboard())
    finally:
        s.close()


def start_stub(s, *arguments):
    manager = subprocess.Popen([MANAGER_STUB, *arguments], env=s.env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    expect(s, "manager stub", b"ready\n", manager.stdout.readline())
    return manager


def start_diodon(s):
    home = tempfile.mkdtemp(prefix="tinctora-diodon-")
    # A bus that is not there: a Diodon of the person's own session, or its
    # history, never sees the test's texts.
    env = dict(s.env, HOME=home, DBUS_SESSION_BUS_ADDRESS=f"unix:path={home}/no-bus")
    manager = subprocess.Popen(["diodon"], env=env,
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    manager.home = home
    time.sleep(1.0)  # Diodon says nowhere when it is watching
    expect(s, "Diodon running", None, manager.poll())
    return manager


MANAGERS = {
    "no_manager": lambda s: None,
    "a_saving_manager": lambda s: start_stub(s),
    "a_manager_that_saves_nothing": lambda s: start_stub(s, "--saves-nothing"),
    "diodon": start_diodon,
}


def copy_with_yes(s):
    s.click(*WEB)
    s.click(*COPY)
    return answer(s, "alt+j"), BODY_START


def copy_with_ctrl_c_then_beenden(s):
    s.click(*BLUE_BOX)
    s.key("ctrl+a", "ctrl+c")
    clicked = time.time()
    s.click(*EXIT)
    return clicked, b"51"


def leaving_with(manager_name, copy):
    """The program ends at once and the keeper serves, whatever the manager does."""
    def case(binary):
        s = Session(binary, f"copy-{manager_name}")
        manager = None
        try:
            manager = MANAGERS[manager_name](s)
            s.start()
            since, text = copy(s)
            expect_ended_at_once(s, since)
            expect_kept_until_taken_over(s, text)
        finally:
            if manager is not None:
                manager.terminate()
                manager.wait(timeout=5)
                shutil.rmtree(getattr(manager, "home", ""), ignore_errors=True)
            s.close()
    case.__name__ = f"{copy.__name__}_with_{manager_name}"
    return case


def the_keeper_answers_in_each_text_format(binary):
    """The keeper by itself: the formats it lists, and the text in each."""
    s = Session(binary, "keeper-formats")
    keeper = None
    try:
        path = os.path.join(os.path.dirname(binary), "tinctora-clipboard-keeper")
        keeper = subprocess.Popen([path, "x11"], env=s.env, stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE)
        keeper.stdin.write("Grüße & <Co>\r\n".encode())
        keeper.stdin.close()
        expect(s, "keeper owns the clipboard", b"1", keeper.stdout.read(1))

        def paste(target):
            return s._run(["xclip", "-o", "-selection", "clipboard", "-t", target]).stdout

        offered = paste("TARGETS").split()
        marks = [t for t in offered if t.startswith(b"application/x-tinctora-keeper-")]
        expect(s, "the keeper's own mark among the targets", 1, len(marks))
        expect(s, "offered targets", [b"TARGETS", b"TIMESTAMP", b"UTF8_STRING",
                                      b"text/plain;charset=utf-8", b"text/plain", b"TEXT",
                                      b"STRING"], [t for t in offered if t not in marks])
        for target in ("UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "TEXT"):
            expect(s, target, "Grüße & <Co>\r\n".encode(), paste(target))
        expect(s, "STRING", "Grüße & <Co>\r\n".encode("latin-1"), paste("STRING"))
        mark = marks[0].decode()
        expect(s, "the mark serves nothing", b"",
               s._run(["xclip", "-o", "-selection", "clipboard", "-t", mark], check=False).stdout)
        # An owner offering the keeper's mark holds the keeper's own text, as
        # a desktop's bridge between X11 and Wayland does: no loss.
        subprocess.run(["xclip", "-i", "-selection", "clipboard", "-t", mark], input=b"across",
                       env=s.env, check=True, timeout=10)
        time.sleep(0.5)
        expect(s, "keeper runs on beside its own text carried across", None, keeper.poll())
        take_clipboard_over(s)
        expect(s, "keeper ended once the clipboard was taken", 0, keeper.wait(timeout=3))
    finally:
        if keeper is not None and keeper.poll() is None:
            keeper.kill()
            keeper.wait()
        s.close()


def web_safe_button_snaps_the_preview(binary):
    s = Session(binary, "websafe-hp").start()
    try:
        s.click(*WEB)
        s.click(*BLUE_BOX)
        s.key("ctrl+a")
        s.type("130")
        expect_near(s, "preview background before", (51, 51, 130), s.pixel(*PREVIEW_BACKGROUND))
        s.click(*WEBSAFE_HP)
        time.sleep(0.2)
        shot = s.screenshot("websafe-hp")
        expect_near(s, "preview background snapped", (51, 51, 153),
                    s.pixel(*PREVIEW_BACKGROUND, shot))
        expect_near(s, "role button snapped", (51, 51, 153), s.pixel(*ROLE_BACKGROUND_EDGE, shot))
    finally:
        s.close()


CASES = [
    yes_snaps_copies_ends_and_the_keeper_serves_until_taken_over,
    no_keeps_the_colour_and_the_window,
    cancel_copies_nothing,
    leaving_with("no_manager", copy_with_ctrl_c_then_beenden),
    leaving_with("a_saving_manager", copy_with_yes),
    leaving_with("a_manager_that_saves_nothing", copy_with_yes),
    leaving_with("a_manager_that_saves_nothing", copy_with_ctrl_c_then_beenden),
    leaving_with("diodon", copy_with_yes),
    leaving_with("diodon", copy_with_ctrl_c_then_beenden),
    the_keeper_answers_in_each_text_format,
    web_safe_button_snaps_the_preview,
]

if __name__ == "__main__":
    if len(sys.argv) < 3:
        print("usage: html_copy_e2e.py path/to/tinctora path/to/clipboard_manager_stub")
        sys.exit(2)
    MANAGER_STUB = sys.argv.pop(2)
    sys.exit(main(CASES))
