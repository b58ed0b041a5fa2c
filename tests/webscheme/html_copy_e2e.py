""""Kopieren" on a real X server: the answers are given with the keyboard, the
code is read back with xclip byte for byte. With no clipboard manager the
program serves the clipboard without windows after "Ja" until another program
takes it over; with one it hands the code over and ends at once.

Arguments: the tinctora binary and the clipboard manager stub."""

import os
import subprocess
import sys
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
    box = message_box(s)
    s._run(["xdotool", "windowfocus", "--sync", box])
    s.key(key)
    s._wait(lambda: box not in s.visible_windows("^Tinctora$"), "the message box to close")


def take_clipboard_over(s):
    """Another program takes the clipboard; xclip keeps serving in the background."""
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=b"taken over", env=s.env,
                   check=True, timeout=10)


def open_panel_on_link_off_the_grid(s):
    s.click(*WEB)
    s.click(*ROLE_LINK)
    s.click(*BLUE_BOX)
    s.key("ctrl+a")
    s.type("1")


def yes_snaps_copies_ends_and_serves_until_taken_over(binary):
    s = Session(binary, "copy-yes").start()
    try:
        open_panel_on_link_off_the_grid(s)
        s.click(*COPY)
        answer(s, "alt+j")   # snap the scheme first
        answer(s, "alt+j")   # end after copying
        s._wait(lambda: not s.visible_windows("Tinctora"), "every window to go")
        expect(s, "still serving the clipboard", None, s.program.poll())
        expect(s, "clipboard", BODY_START, s.clipboard())
        take_clipboard_over(s)
        expect(s, "program ended once the clipboard was taken", True, s.ended())
        expect(s, "exit status", 0, s.program.returncode)
        expect(s, "the other program's text", b"taken over", s.clipboard())
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
        expected = (b"<html>\r\n <head>\r\n  <title>Farben & <Test></title>\r\n"
                    b"  <style type=\"text/css\"><!--\r\n   body {\r\n"
                    b"    background-color: #333333;\r\n    color: #ffffff;\r\n   }\r\n"
                    b"   a:link { color: #ffcc01 }\r\n   a:visited { color: #999966 }\r\n"
                    b"   a:active { color: #ffff00 }\r\n  //--></style>\r\n </head>\r\n"
                    b" <body>\r\n </body>\r\n</html>")
        expect(s, "clipboard", expected, s.clipboard())
        expect(s, "main window still shown", [s.window], s.visible_windows("^Tinctora Version"))
        # Ending the program another way still leaves the code on the clipboard.
        s.click(*EXIT)
        s._wait(lambda: not s.visible_windows("Tinctora"), "every window to go")
        expect(s, "clipboard after Beenden", expected, s.clipboard())
        take_clipboard_over(s)
        expect(s, "program ended", True, s.ended())
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
        s.click(*EXIT)
        expect(s, "serving after Beenden", None, s.program.poll())
    finally:
        s.close()


def a_clipboard_manager_takes_the_code_and_the_program_ends(binary):
    s = Session(binary, "copy-manager")
    manager = subprocess.Popen([MANAGER_STUB], env=s.env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    try:
        expect(s, "manager stub", b"ready\n", manager.stdout.readline())
        s.start()
        s.click(*WEB)
        s.click(*COPY)
        answer(s, "alt+j")
        expect(s, "program ended without waiting for a takeover", True, s.ended(timeout=3.0))
        expect(s, "exit status", 0, s.program.returncode)
        expect(s, "clipboard kept by the manager", BODY_START, s.clipboard())
    finally:
        manager.terminate()
        manager.wait(timeout=5)
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
    yes_snaps_copies_ends_and_serves_until_taken_over,
    no_keeps_the_colour_and_the_window,
    cancel_copies_nothing,
    a_clipboard_manager_takes_the_code_and_the_program_ends,
    web_safe_button_snaps_the_preview,
]

if __name__ == "__main__":
    if len(sys.argv) < 3:
        print("usage: html_copy_e2e.py path/to/tinctora path/to/clipboard_manager_stub")
        sys.exit(2)
    MANAGER_STUB = sys.argv.pop(2)
    sys.exit(main(CASES))
