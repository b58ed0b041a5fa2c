# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""KWin (KDE Plasma's compositor) on a virtual output as a test desktop (see
session.py), with XWayland. The installed kwin_wayland carries a file
capability that a sandbox may refuse to run; a plain copy of it runs. Input
goes through KWin's fake input protocol (kwin_fake_input.c), the windows,
their moves and pictures through kwin_desk.py, all granted by the
environment variables that switch KWin's permission checks off. Portal
variant "desktop": KDE's portal backend, which saves its screenshots in the
Pictures folder; the session has one."""

import json
import os
import shutil
import subprocess

from session import HEIGHT, HERE, SYSTEM_PYTHON, WIDTH, Frame, Session, SessionError, \
    VirtualPointer, wait_for

KDE_PORTAL = "/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde"


class KWinSession(Session):
    desktop_name = "KDE"
    # KWin runs itself ahead of other programs, through the file capability
    # its copy here lacks, and so do its buses and portals here: on a busy
    # machine KDE's portal took 1-3.4 s for a frame otherwise (0.3-0.7 s so),
    # longer than the second the program waits for a drag's frame.
    desktop_ahead = True

    def _start_compositor(self):
        os.mkdir(os.path.join(self.home, "Pictures"))
        os.chown(os.path.join(self.home, "Pictures"), self.uid, self.gid)
        kwin = os.path.join(self.dir, "kwin_wayland")
        shutil.copyfile(shutil.which("kwin_wayland"), kwin)
        os.chmod(kwin, 0o755)
        env_file = os.path.join(self.dir, "kwin.env")
        # KWin starts the programs named after its options with the session's
        # environment; it takes each argument for a program of its own.
        dump = os.path.join(self.dir, "dump-env")
        with open(dump, "w") as out:
            out.write(f"#!/bin/sh\nenv > {env_file}\n")
        os.chmod(dump, 0o755)
        self.env["WAYLAND_DISPLAY"] = "wayland-tinctora"
        self.spawn("kwin", [
            kwin, "--virtual", "--xwayland", "--no-lockscreen", "--no-global-shortcuts",
            "--no-kactivities", "--width", str(WIDTH // self.scale),
            "--height", str(HEIGHT // self.scale), "--scale", str(self.scale),
            "--socket", self.env["WAYLAND_DISPLAY"], dump],
            env={"KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1",
                 "KWIN_SCREENSHOT_NO_PERMISSION_CHECKS": "1"}, desktop=True)

        def session_env():
            if not os.path.exists(env_file):
                return None
            with open(env_file) as source:
                values = dict(line.rstrip("\n").split("=", 1) for line in source if "=" in line)
            keys = ("DISPLAY", "XAUTHORITY")
            return {key: values[key] for key in keys if key in values} \
                if "DISPLAY" in values else None

        self.env.update(wait_for(session_env, "KWin to start (see its log)", 20.0))
        self._desk = self.spawn("desk", [SYSTEM_PYTHON, self._readable("kwin_desk.py")],
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self._ask_desk(None, "ready")
        # KWin takes pictures in an effect that needs OpenGL: KWin 6 on a
        # virtual output composites with OpenGL only on a GPU's render node,
        # and without one offers no screenshots, to the tests or the portal.
        try:
            wait_for(lambda: b"org.kde.KWin.ScreenShot2" in self.run(
                ["gdbus", "introspect", "--session", "--dest", "org.kde.KWin", "--object-path",
                 "/org/kde/KWin/ScreenShot2"], check=False).stdout, "KWin's screenshots", 5.0)
        except SessionError:
            raise SessionError("KWin offers no screenshots: without OpenGL compositing (no "
                               "/dev/dri render node for KWin 6) its screenshot effect is off") \
                from None

    def _readable(self, name):
        copy = os.path.join(self.dir, name)
        shutil.copy(os.path.join(HERE, name), copy)
        os.chown(copy, self.uid, self.gid)
        return copy

    def _ask_desk(self, command, expected=None):
        if command:
            self._desk.stdin.write(command.encode() + b"\n")
            self._desk.stdin.flush()
        answer = self._desk.stdout.readline().decode().strip()
        if answer.startswith("error") or (expected and answer != expected):
            raise SessionError(f"KWin's desk answered {answer!r} to {command!r}")
        return answer

    def _start_desktop_portals(self, portal):
        if portal not in ("desktop", "desktop-allowed"):
            raise SessionError(f"unknown portal variant {portal!r}")
        self.spawn("permission-store", ["/usr/libexec/xdg-permission-store"], desktop=True)
        self.spawn("portal-kde", [KDE_PORTAL], desktop=True)
        for name in ("org.freedesktop.impl.portal.PermissionStore",
                     "org.freedesktop.impl.portal.desktop.kde"):
            wait_for(lambda: self.has_bus_name(name), name)
        self.spawn("portal", ["/usr/libexec/xdg-desktop-portal"], desktop=True)
        wait_for(lambda: b"org.freedesktop.portal.Screenshot" in self.run(
            ["gdbus", "introspect", "--session", "--dest", "org.freedesktop.portal.Desktop",
             "--object-path", "/org/freedesktop/portal/desktop"], check=False).stdout,
            "the Screenshot portal")
        # KDE's portal backend readies itself at its first screenshot, which
        # then takes twice as long as the next ones (0.9 s against 0.3-0.45 s
        # on a busy machine): one taken now leaves the tests the portal of a
        # desktop that has served before.
        self._ask_desk("portal-shot", "ok")

    def pointer(self, tools):
        self._input = VirtualPointer(self, [self.reachable(os.path.join(tools, "kwin_fake_input"))])
        return self._input

    def windows(self):
        return json.loads(self._ask_desk("windows"))

    def move_window(self, window, x, y):
        self._ask_desk(f"move {window['id']} {x} {y}", "ok")

    def _capture(self):
        path = os.path.join(self.dir, "capture.ppm")
        self._ask_desk(f"shot {path}", "ok")
        with open(path, "rb") as picture:
            frame = Frame(picture.read())
        os.remove(path)
        return frame
