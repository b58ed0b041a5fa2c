# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""GNOME Shell headless as a test desktop (see session.py): one virtual
monitor, XWayland, a stand-in system bus and, in a private mount namespace,
an empty /run/systemd, so that the shell takes its own stand-in login
manager. Input goes through Mutter's RemoteDesktop (gnome_input.py), pictures
through the shell's own Screenshot call, windows and their moves through the
shell's Eval. Both of those the shell grants only in its unsafe mode, which a
small extension of the tests' own switches on; settings come from a key file
of the session's own, so nothing outside the session is read or changed.

Portal variants: "desktop" (GNOME's portal backend; the first screenshot of
an application asks the user), "desktop-allowed" (the same with screenshots
already allowed in the permission store), "stand-in" and "none"."""

import ast
import json
import os
import re
import shutil
import subprocess

from session import SYSTEM_PYTHON, HEIGHT, WIDTH, HERE, Frame, Session, SessionError, \
    VirtualPointer, wait_for, _namespaced

EXTENSION = "tinctora-tests@tinctora.invalid"
# Before GNOME 45 an extension is a script with init(); from 45 on a module
# whose default export is the extension.
EXTENSION_SCRIPT = """\
function init() {
    return {
        enable() {
            imports.ui.main.messageTray.bannerBlocked = true;
            global.context.unsafe_mode = true;
        },
        disable() { global.context.unsafe_mode = false; },
    };
}
"""
EXTENSION_MODULE = """\
import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

export default class TinctoraTests extends Extension {
    enable() {
        Main.messageTray.bannerBlocked = true;
        global.context.unsafe_mode = true;
    }

    disable() { global.context.unsafe_mode = false; }
}
"""


def shell_version():
    """The major version of the installed GNOME Shell (43 on Debian 12, 48 on 13)."""
    text = subprocess.run(["gnome-shell", "--version"], check=True,
                          stdout=subprocess.PIPE).stdout.decode()
    match = re.search(r"(\d+)\.", text)
    if not match:
        raise SessionError(f"no version in {text!r}")
    return int(match.group(1))


SETTINGS = """\
[org/gnome/shell]
enabled-extensions=['{extension}']
welcome-dialog-last-shown-version='999'

[org/gnome/desktop/interface]
enable-animations=false
scaling-factor=uint32 {scale}

[org/gnome/mutter]
experimental-features=['scale-monitor-framebuffer']
"""

# What Eval returns for each window; rectangles are logical pixels, with the
# frame GNOME draws around X11 windows, or the one a native client draws itself.
WINDOWS_SCRIPT = """\
global.get_window_actors().map(actor => actor.meta_window).map(w => {
    const r = w.get_frame_rect();
    return {name: w.get_title(), app_id: w.get_wm_class(), pid: w.get_pid(),
            shell: w.get_client_type() === 0 ? 'xdg_shell' : 'xwayland',
            id: w.get_id(), rect: [r.x, r.y, r.width, r.height]};
})
"""

MOVE_SCRIPT = """\
(() => {{
    const w = global.get_window_actors().map(a => a.meta_window).find(w => w.get_id() == {id});
    w.move_frame(true, {x}, {y});
}})()
"""


class GnomeSession(Session):
    desktop_name = "GNOME"

    def _start_compositor(self):
        if _namespaced() and os.path.isdir("/run/systemd"):
            subprocess.run(["mount", "-t", "tmpfs", "-o", "mode=755", "tmpfs", "/run/systemd"],
                           check=True)
        self._start_bus("system-bus", "DBUS_SYSTEM_BUS_ADDRESS")
        self.version = shell_version()
        self._write_settings()
        self.env["GSETTINGS_BACKEND"] = "keyfile"
        self.env["WAYLAND_DISPLAY"] = "wayland-tinctora"
        for attempt in range(3):
            self.shell_log = f"gnome-shell-{attempt}"
            shell = self.spawn(self.shell_log, [
                "gnome-shell", "--headless", "--wayland", "--virtual-monitor", f"{WIDTH}x{HEIGHT}", "--wayland-display",
                self.env["WAYLAND_DISPLAY"]])
            try:
                wait_for(lambda: self._ready(shell), "GNOME Shell to start", 20.0, interval=0.2)
                break
            except SessionError:
                # Now and then the shell's own start of a helper hangs in the
                # forked child before it runs anything: start afresh.
                if attempt == 2 or shell.poll() is not None:
                    raise
                shell.kill()
                shell.wait()
        # GNOME Shell 43 starts in the overview; Escape, as a person types it,
        # leaves it. GNOME Shell 48 starts headless on the empty desktop.
        self._input = self._start_input()
        overview = "Main.overview._overview.controls._stateAdjustment.value"
        if self.version < 48:
            wait_for(lambda: self.eval(overview) > 0, "the overview", 5.0)
            self.chord("Escape")
        wait_for(lambda: self.eval(overview) == 0, "the overview to close")
        # GNOME Shell 48 drops the first key a remote desktop session sends
        # (it never reached the window that had the focus): a Shift tap,
        # before any window of a test is there, takes its place.
        self.chord("shift")
        self.eval("Main.messageTray.getSources().forEach(source => source.destroy())")
        for name in ("DISPLAY", "XAUTHORITY"):
            self.env[name] = self.eval(f"imports.gi.GLib.getenv('{name}')")
        wait_for(lambda: self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                  check=False).returncode == 0, "XWayland")

    def _write_settings(self):
        config = os.path.join(self.home, ".config", "glib-2.0", "settings")
        extension = os.path.join(self.home, ".local", "share", "gnome-shell", "extensions",
                                 EXTENSION)
        os.makedirs(config)
        os.makedirs(extension)
        with open(os.path.join(config, "keyfile"), "w") as out:
            out.write(SETTINGS.format(extension=EXTENSION, scale=self.scale))
        version = self.version
        with open(os.path.join(extension, "metadata.json"), "w") as out:
            json.dump({"uuid": EXTENSION, "name": "Tinctora tests",
                       "shell-version": [str(version)],
                       "description": "Lets the tests list and move windows and take pictures."},
                      out)
        with open(os.path.join(extension, "extension.js"), "w") as out:
            out.write(EXTENSION_SCRIPT if version < 45 else EXTENSION_MODULE)
        for root, folders, files in os.walk(os.path.join(self.home, ".config")):
            for name in folders + files:
                os.chown(os.path.join(root, name), self.uid, self.gid)
        for root, folders, files in os.walk(os.path.join(self.home, ".local")):
            for name in folders + files:
                os.chown(os.path.join(root, name), self.uid, self.gid)
        for folder in (".config", ".local"):
            os.chown(os.path.join(self.home, folder), self.uid, self.gid)

    def _ready(self, shell):
        if shell.poll() is not None:
            raise SessionError(f"GNOME Shell ended ({shell.returncode}):\n"
                               f"{self.log_tail(self.shell_log)}")
        if not self.has_bus_name("org.gnome.Shell"):
            return False
        try:
            return self.eval("Main.layoutManager._startingUp") is False
        except SessionError:
            return False

    def eval(self, script):
        """Runs JavaScript in the shell; returns its result."""
        result = self.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell",
                           "--object-path", "/org/gnome/Shell", "--method",
                           "org.gnome.Shell.Eval", script])
        text = result.stdout.decode().strip()
        if not text.startswith("(true,"):
            raise SessionError(f"GNOME Shell's Eval failed: {text}")
        value = ast.literal_eval(text[len("(true,"):-1].strip())
        return json.loads(value) if value else None

    def _start_desktop_portals(self, portal):
        if portal not in ("desktop", "desktop-allowed"):
            raise SessionError(f"unknown portal variant {portal!r}")
        self.spawn("permission-store", ["/usr/libexec/xdg-permission-store"])
        self.spawn("portal-gnome", ["/usr/libexec/xdg-desktop-portal-gnome"])
        self.spawn("portal-gtk", ["/usr/libexec/xdg-desktop-portal-gtk"])
        for name in ("org.freedesktop.impl.portal.PermissionStore",
                     "org.freedesktop.impl.portal.desktop.gnome",
                     "org.freedesktop.impl.portal.desktop.gtk"):
            wait_for(lambda: self.has_bus_name(name), name)
        if portal == "desktop-allowed":
            self.run(["gdbus", "call", "--session", "--dest",
                      "org.freedesktop.impl.portal.PermissionStore", "--object-path",
                      "/org/freedesktop/impl/portal/PermissionStore", "--method",
                      "org.freedesktop.impl.portal.PermissionStore.SetPermission",
                      "screenshot", "true", "screenshot", "", "['yes']"])
        self.spawn("portal", ["/usr/libexec/xdg-desktop-portal"])
        wait_for(lambda: b"org.freedesktop.portal.Screenshot" in self.run(
            ["gdbus", "introspect", "--session", "--dest", "org.freedesktop.portal.Desktop",
             "--object-path", "/org/freedesktop/portal/desktop"], check=False).stdout,
            "the Screenshot portal")

    def _start_input(self):
        script = os.path.join(self.dir, "gnome_input.py")
        shutil.copy(os.path.join(HERE, "gnome_input.py"), script)
        os.chown(script, self.uid, self.gid)
        return VirtualPointer(self, [SYSTEM_PYTHON, script])

    def pointer(self, tools):
        return self._input

    def windows(self):
        return self.eval(WINDOWS_SCRIPT)

    def move_window(self, window, x, y):
        self.eval(MOVE_SCRIPT.format(id=window["id"], x=x, y=y))

    def _capture(self):
        path = os.path.join(self.dir, "capture.png")
        result = self.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell.Screenshot",
                           "--object-path", "/org/gnome/Shell/Screenshot", "--method",
                           "org.gnome.Shell.Screenshot.Screenshot", "false", "false", path])
        if not result.stdout.startswith(b"(true"):
            raise SessionError(f"GNOME Shell took no picture: {result.stdout!r}")
        frame = Frame(self.run(["convert", path, "ppm:-"]).stdout)
        os.remove(path)
        return frame
