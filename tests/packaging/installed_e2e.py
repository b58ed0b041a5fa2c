# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The installed package on a virtual X server, as a person first meets it:
the program started from the PATH shows its window, a colour typed in and
copied with Ctrl+C stays on the clipboard after "Beenden", served by the
clipboard keeper from the package's own folder until another program copies.
The system has only the package's dependencies and the test's X tools, so a
missing dependency shows here.

Arguments: the installed tinctora and the installed clipboard keeper. Beside
harness.py, which needs no build tree."""

import subprocess
import sys

from harness import Failure, Session, main

RED_BOX, HEX_BOX, EXIT = (56, 22), (68, 93), (60, 180)


def check(what, expected, seen):
    # No screenshot on failure: the chroot has no ImageMagick.
    if expected != seen:
        raise Failure(f"{what}: expected {expected!r}, saw {seen!r}")


def copied_colour_outlives_the_installed_program(binary):
    s = Session(binary, "installed", keeper=sys.argv[2])
    try:
        s.start()
        s.click(*RED_BOX)
        s.key("ctrl+a")
        s.type("255")
        s.click(*HEX_BOX)
        s.key("ctrl+a", "ctrl+c")
        check("copied hex box", b"#ff3333", s.clipboard())
        s.click(*EXIT)
        check("program ended", True, s.ended(timeout=5.0))
        check("exit status", 0, s.program.returncode)
        check("clipboard after the end", b"#ff3333", s.clipboard())
        check("keepers from the package's folder", 1, len(s.keepers()))
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=b"taken over",
                       env=s.env, check=True, timeout=10)
        s._wait(lambda: not s.keepers(), "the keeper to end once the clipboard was taken", 3.0)
    finally:
        s.close()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: installed_e2e.py /usr/bin/tinctora path/to/tinctora-clipboard-keeper")
        sys.exit(2)
    sys.exit(main([copied_colour_outlives_the_installed_program]))
