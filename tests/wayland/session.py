#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A headless desktop for tests, started and stopped by the test itself:
sway here, GNOME Shell (gnome_session.py) or KWin (kwin_session.py).

sway refuses to run as root, so as root every process of the session runs as
an unprivileged user, with a private HOME and XDG_RUNTIME_DIR (0700), its own
D-Bus session bus without service activation (nothing starts behind the
test's back), the compositor with XWayland on one 1280 x 800 output, and, as
asked, the desktop portals (on sway pipewire, xdg-desktop-portal-wlr, the
Access backend of xdg-desktop-portal-gtk, xdg-desktop-portal), a stand-in
portal of the tests' own, or none. Every process is stopped by its id at the
end, also on failure.

As root the test first enters its own mount and process namespaces
(enter_private_namespaces): each session gets a /tmp of its own, in which
only the host's folders stay visible (a build tree under /tmp still runs), so
XWayland's display and the files a portal leaves behind belong to that session,
and nothing it started can outlive the test. Screenshots are kept in
TINCTORA_E2E_SHOTS (default /var/tmp/tinctora-wayland), not under /tmp.

By hand, a command runs inside a fresh session as its user:

    tests/wayland/session.py [--compositor sway|gnome|kwin] [--scale 2]
                             [--portal desktop|none|stand-in] -- COMMAND...

with WAYLAND_DISPLAY, DISPLAY (SWAYSOCK on sway) and DBUS_SESSION_BUS_ADDRESS
set. On sway, build/tests/wayland/wayland_virtual_pointer 1280 800 takes
the lines "move X Y", "down 1" and "up 1" on stdin, grim takes screenshots,
wtype types and swaymsg -t get_tree lists the windows; on KWin
kwin_fake_input takes the same lines. wayland_colour_window LEFT RIGHT opens
a native window of known colours.
"""

import argparse
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

WIDTH, HEIGHT = 1280, 800
SESSION_USER = 65534          # nobody / nogroup
# The niceness of the desktop's own processes (see Session.spawn).
DESKTOP_NICENESS = -10
HERE = os.path.dirname(os.path.abspath(__file__))
SYSTEM_PYTHON = "/usr/bin/python3"   # the one Debian's python3-gi belongs to
NAMESPACE_MARK = "TINCTORA_WAYLAND_NAMESPACE"

# Linux input key codes of the keys the tests type (US layout).
KEY_CODES = {"Escape": 1, "Tab": 15, "ctrl": 29, "alt": 56, "shift": 42, "Return": 28,
             "Left": 105, "Right": 106, "Up": 103, "Down": 108,
             **{str(d): 2 + (d - 1) % 10 for d in range(10)},
             **dict(zip("qwertyuiop", range(16, 26))), **dict(zip("asdfghjkl", range(30, 39))),
             **dict(zip("zxcvbnm", range(44, 51)))}

SWAY_CONFIG = """\
xwayland force
output HEADLESS-1 resolution {width}x{height} scale {scale} position 0 0 bg #202020 solid_color
default_border none
default_floating_border none
focus_follows_mouse no
exec env > {env_file}
"""

BUS_CONFIG = """\
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


class SessionError(Exception):
    pass


def enter_private_namespaces():
    """As root, runs this program again in its own mount and process
    namespaces; returns only inside them (or at once when not root)."""
    if os.geteuid() != 0 or os.environ.get(NAMESPACE_MARK) == "1":
        return
    env = dict(os.environ, **{NAMESPACE_MARK: "1"})
    os.execvpe("unshare", ["unshare", "--mount", "--pid", "--fork", "--kill-child", "--mount-proc",
                           "--propagation", "private", sys.executable, *sys.argv], env)


def _run_ahead():
    os.setpriority(os.PRIO_PROCESS, 0, DESKTOP_NICENESS)


def _namespaced():
    return os.geteuid() == 0 and os.environ.get(NAMESPACE_MARK) == "1"


def wait_for(condition, what, timeout=10.0, interval=0.05):
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise SessionError(f"timed out waiting for {what}")
        time.sleep(interval)


class Frame:
    """One screenshot: rows of RGB bytes."""

    def __init__(self, ppm):
        header = []
        position = 0
        while len(header) < 4:
            end = position
            while ppm[end:end + 1] not in (b" ", b"\n", b"\t", b"\r"):
                end += 1
            if end > position:
                header.append(ppm[position:end])
            position = end + 1
        if header[0] != b"P6" or header[3] != b"255":
            raise SessionError("grim gave no 8-bit PPM")
        self.width, self.height = int(header[1]), int(header[2])
        self.data = ppm[position:position + 3 * self.width * self.height]

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise SessionError(f"pixel {x},{y} outside the {self.width}x{self.height} frame")
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def save_png(self, path):
        rows = b"".join(b"\0" + self.data[3 * self.width * y:3 * self.width * (y + 1)]
                        for y in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff))

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n"
                      + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
                      + chunk(b"IDAT", zlib.compress(rows, 3)) + chunk(b"IEND", b""))


class VirtualPointer:
    """The seat's pointer, and on compositors whose input client has one the
    keyboard; each call returns once the compositor has it. command: the
    input client, which is given the logical screen size and speaks the line
    protocol of virtual_pointer.c."""

    def __init__(self, session, command):
        width, height = session.logical_size
        self.process = session.spawn("pointer", [*command, str(width), str(height)],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self._expect("ready")

    def _expect(self, answer):
        line = self.process.stdout.readline().decode().strip()
        if line != answer:
            raise SessionError(f"virtual pointer answered {line!r} instead of {answer!r}")

    def _send(self, command):
        self.process.stdin.write(command.encode() + b"\n")
        self.process.stdin.flush()
        self._expect("ok")

    def move(self, x, y):
        self._send(f"move {x} {y}")

    def down(self, button=1):
        self._send(f"down {button}")

    def up(self, button=1):
        self._send(f"up {button}")

    def click(self, x, y, button=1):
        self.move(x, y)
        self.down(button)
        self.up(button)

    def key(self, code, down):
        self._send(f"key {code} {'down' if down else 'up'}")


class Session:
    """One headless desktop; the compositor comes from the subclass. portal:
    "desktop" (the real portals), "desktop-allowed" (the same with
    screenshots already allowed, which differs only where the desktop asks
    first: GNOME), "stand-in" (stand_in_portal.py with its arguments in
    stand_in) or "none".
    The output has WIDTH x HEIGHT physical pixels at the given integer scale;
    window rectangles and pointer positions are logical, screenshots physical."""

    desktop_name = None     # XDG_CURRENT_DESKTOP
    desktop_ahead = False   # whether the desktop's own processes run ahead (see spawn)

    def __init__(self, name, portal="desktop", stand_in=(), shots=None, scale=1):
        self.name = name
        self.scale = scale
        self.logical_size = (WIDTH // scale, HEIGHT // scale)
        # Not under /tmp: each session has its own, gone at its end.
        self.shots = shots or os.environ.get("TINCTORA_E2E_SHOTS", "/var/tmp/tinctora-wayland")
        self.processes = []
        self.started = time.time()
        self._tmpfs = False
        self.root_run = os.geteuid() == 0
        try:
            self._make_private_dirs()
            self._start_bus()
            self._start_compositor()
            if portal == "stand-in":
                self._start_stand_in_portal(stand_in)
            elif portal != "none":
                self._start_desktop_portals(portal)
        except BaseException:
            self.close()
            raise

    # --- setting up ---
    def _make_private_dirs(self):
        if _namespaced():
            self._private_tmp()
        if self.root_run and not os.path.isdir("/tmp/.X11-unix"):
            # XWayland's sockets live here; wlroots wants it owned by root and sticky.
            os.mkdir("/tmp/.X11-unix")
            os.chmod("/tmp/.X11-unix", 0o1777)
        self.dir = tempfile.mkdtemp(prefix=f"wayland-{self.name}-")
        self.home = os.path.join(self.dir, "home")
        self.runtime = os.path.join(self.dir, "run")
        self.logs = os.path.join(self.dir, "logs")
        for path in (self.home, self.runtime, self.logs):
            os.mkdir(path, 0o700)
        self.uid = SESSION_USER if self.root_run else os.getuid()
        self.gid = SESSION_USER if self.root_run else os.getgid()
        for path in (self.dir, self.home, self.runtime, self.logs):
            os.chown(path, self.uid, self.gid)
            os.chmod(path, 0o700)
        self.env = {
            "PATH": "/usr/local/bin:/usr/bin:/bin",
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "LANG": "C.UTF-8",
            "XDG_CURRENT_DESKTOP": self.desktop_name,
            "XDG_SESSION_TYPE": "wayland",
        }

    def _private_tmp(self):
        """An empty /tmp of the session's own, in which the folders of the
        host's /tmp (a build tree there, say) stay where they were: only X
        servers' sockets and lock files and loose files are the session's."""
        host = tempfile.mkdtemp(prefix="tinctora-host-tmp-", dir="/var/tmp")
        try:
            subprocess.run(["mount", "--bind", "/tmp", host], check=True)
            subprocess.run(["mount", "-t", "tmpfs", "-o", "mode=1777,size=256m", "tmpfs", "/tmp"],
                           check=True)
            self._tmpfs = True
            for name in os.listdir(host):
                folder = os.path.join(host, name)
                if name.startswith(".X") or os.path.islink(folder) or not os.path.isdir(folder):
                    continue
                os.mkdir(os.path.join("/tmp", name))
                subprocess.run(["mount", "--bind", folder, os.path.join("/tmp", name)], check=True)
        finally:
            subprocess.run(["umount", "--lazy", host], check=False, stderr=subprocess.DEVNULL)
            os.rmdir(host)

    def _as_user(self, args):
        if not self.root_run:
            return list(args)
        return ["setpriv", f"--reuid={self.uid}", f"--regid={self.gid}", "--clear-groups",
                "--", *args]

    def spawn(self, name, args, env=None, stdin=subprocess.DEVNULL, stdout=None, desktop=False):
        """Starts a process of the session as its user; its output goes to
        logs/<name>.log unless stdout is given. Stopped at close().
        desktop: one of the desktop's own processes (the buses, the
        compositor with its XWayland, the portals), which run ahead of the
        machine's other work where the desktop asks for it (desktop_ahead).
        The program and the tests' own clients keep the normal share."""
        log = open(os.path.join(self.logs, f"{name}.log"), "ab")
        raise_priority = desktop and self.desktop_ahead and self.root_run
        process = subprocess.Popen(self._as_user(args), env=dict(self.env, **(env or {})),
                                   stdin=stdin, stdout=stdout or log, stderr=log,
                                   preexec_fn=_run_ahead if raise_priority else None)
        log.close()
        self.processes.append((name, process))
        return process

    def run(self, args, env=None, input=None, check=True, timeout=30):
        """Runs a command of the session as its user and waits for it."""
        result = subprocess.run(self._as_user(args), env=dict(self.env, **(env or {})),
                                input=input, capture_output=True, timeout=timeout)
        if check and result.returncode != 0:
            raise SessionError(f"{' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace').strip()}")
        return result

    def reachable(self, path, beside=()):
        """The path of a file the session's user may execute: the file itself
        when it can, else a copy in the session's private folder, together
        with the files of its folder named in beside (programs it starts)."""
        if self.run(["test", "-x", path], check=False).returncode == 0:
            return path
        folder = os.path.join(self.dir, "bin")
        os.makedirs(folder, exist_ok=True)
        os.chown(folder, self.uid, self.gid)
        for name in (os.path.basename(path), *beside):
            copy = os.path.join(folder, name)
            # A program started earlier from the copy may still run (a
            # clipboard keeper): a new copy goes in beside it under a new
            # name and then takes the old one's name, which a running file
            # allows where writing over it does not.
            fresh = copy + ".new"
            shutil.copy2(os.path.join(os.path.dirname(path), name), fresh)
            os.chown(fresh, self.uid, self.gid)
            os.replace(fresh, copy)
        return os.path.join(folder, os.path.basename(path))

    def _start_bus(self, name="bus", variable="DBUS_SESSION_BUS_ADDRESS"):
        """A bus of the session's own, without service activation."""
        socket = os.path.join(self.runtime, name)
        config = os.path.join(self.dir, f"{name}.conf")
        with open(config, "w") as out:
            out.write(BUS_CONFIG.format(socket=socket))
        self.spawn(name, ["dbus-daemon", f"--config-file={config}", "--nofork", "--nopidfile"],
                   desktop=True)
        wait_for(lambda: os.path.exists(socket), f"the bus {name}")
        self.env[variable] = f"unix:path={socket}"

    def has_bus_name(self, name):
        result = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                           "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                           f"string:{name}"], check=False)
        return b"boolean true" in result.stdout

    def _start_stand_in_portal(self, arguments):
        self.stand_in_log = os.path.join(self.dir, "stand-in-calls.log")
        # A copy the session's user can read, wherever the source tree lies.
        script = os.path.join(self.dir, "stand_in_portal.py")
        shutil.copy(os.path.join(HERE, "stand_in_portal.py"), script)
        os.chown(script, self.uid, self.gid)
        self.spawn("stand-in-portal", [SYSTEM_PYTHON, script, self.stand_in_log, *arguments])
        wait_for(lambda: self.has_bus_name("org.freedesktop.portal.Desktop"), "the stand-in portal")

    def stand_in_calls(self):
        """The methods the stand-in portal was called with, in order."""
        if not os.path.exists(self.stand_in_log):
            return []
        with open(self.stand_in_log) as calls:
            return [line.strip() for line in calls if line.strip()]

    # --- what a test does ---
    def pointer(self, tools):
        """The seat's pointer (and keyboard, where the compositor's input
        client has one); tools: the folder of the built test clients."""
        raise NotImplementedError

    def windows(self):
        """Every window on the desktop: name, app_id, shell ("xwayland" or
        "xdg_shell"), pid and the rectangle (x, y, width, height) it takes
        on the screen, with its frame, be it drawn by the compositor or by the
        client itself."""
        raise NotImplementedError

    def move_window(self, window, x, y):
        """Moves a window (one of windows()) so that its rectangle starts at x, y."""
        raise NotImplementedError

    def _capture(self):
        raise NotImplementedError

    def type_text(self, text):
        """Types digits and lower-case letters."""
        for character in text:
            self.chord(character)

    def chord(self, *names):
        """Presses the keys in order and releases them in reverse: e.g.
        chord("ctrl", "a"), chord("Escape")."""
        for name in names:
            self._input.key(KEY_CODES[name], True)
        for name in reversed(names):
            self._input.key(KEY_CODES[name], False)
        time.sleep(0.1)

    def window(self, matches, timeout=10.0):
        """The first window for which matches(window) holds, waiting for it."""
        return wait_for(lambda: next((w for w in self.windows() if matches(w)), None),
                        "a window", timeout)

    def shot(self, label=None):
        """A screenshot of the whole output; kept as a PNG when labelled."""
        frame = self._capture()
        if label:
            os.makedirs(self.shots, exist_ok=True)
            frame.save_png(os.path.join(self.shots, f"{self.name}-{label}.png"))
        return frame

    def screenshot(self, label):
        """Keeps a screenshot as a PNG; returns its path."""
        self.shot(label)
        return os.path.join(self.shots, f"{self.name}-{label}.png")

    def files_left(self, *folders, suffixes=(".png", ".jpg", ".jpeg", ".ppm")):
        """Image files the session's user made under the given folders."""
        found = []
        for folder in folders:
            for root, _, names in os.walk(folder):
                for name in names:
                    path = os.path.join(root, name)
                    try:
                        status = os.lstat(path)
                    except FileNotFoundError:
                        continue
                    if (name.lower().endswith(suffixes) and status.st_uid == self.uid
                            and status.st_mtime >= self.started - 1):
                        found.append(path)
        return found

    def log_tail(self, name, lines=20):
        path = os.path.join(self.logs, f"{name}.log")
        if not os.path.exists(path):
            return ""
        with open(path, errors="replace") as log:
            return "".join(log.readlines()[-lines:])

    def close(self):
        for _, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        for _, process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(timeout=5)
            for stream in (process.stdin, process.stdout):
                if stream:
                    stream.close()
        self.processes = []
        if self._tmpfs:
            subprocess.run(["umount", "--lazy", "/tmp"], check=False)
            self._tmpfs = False
        elif getattr(self, "dir", None):
            shutil.rmtree(self.dir, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


class SwaySession(Session):
    """sway with XWayland; input through a wlroots virtual pointer and wtype,
    pictures through grim, windows from sway's tree."""

    desktop_name = "sway"

    def _start_compositor(self):
        env_file = os.path.join(self.dir, "sway.env")
        config = os.path.join(self.dir, "sway.conf")
        with open(config, "w") as out:
            out.write(SWAY_CONFIG.format(width=WIDTH, height=HEIGHT, scale=self.scale,
                                         env_file=env_file))
        self.spawn("sway", ["sway", "-c", config],
                   env={"WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman",
                        "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_HEADLESS_OUTPUTS": "1"})

        def session_env():
            if not os.path.exists(env_file):
                return None
            with open(env_file) as source:
                values = dict(line.rstrip("\n").split("=", 1) for line in source if "=" in line)
            keys = ("WAYLAND_DISPLAY", "DISPLAY", "SWAYSOCK")
            return {key: values[key] for key in keys} if all(k in values for k in keys) else None

        self.env.update(wait_for(session_env, "sway to start (see its log)"))
        # XWayland's window manager is up once the root window names it.
        wait_for(lambda: b"window id" in self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False).stdout,
            "XWayland's window manager")

    def _start_desktop_portals(self, portal):
        if portal not in ("desktop", "desktop-allowed"):
            raise SessionError(f"unknown portal variant {portal!r}")
        self.spawn("pipewire", ["pipewire"])
        wait_for(lambda: os.path.exists(os.path.join(self.runtime, "pipewire-0")), "pipewire")
        self.spawn("permission-store", ["/usr/libexec/xdg-permission-store"])
        self.spawn("portal-wlr", ["/usr/libexec/xdg-desktop-portal-wlr"])
        self.spawn("portal-gtk", ["/usr/libexec/xdg-desktop-portal-gtk"])
        for name in ("org.freedesktop.impl.portal.PermissionStore",
                     "org.freedesktop.impl.portal.desktop.wlr",
                     "org.freedesktop.impl.portal.desktop.gtk"):
            wait_for(lambda: self.has_bus_name(name), name)
        self.spawn("portal", ["/usr/libexec/xdg-desktop-portal"])
        wait_for(lambda: b"org.freedesktop.portal.Screenshot" in self.run(
            ["gdbus", "introspect", "--session", "--dest", "org.freedesktop.portal.Desktop",
             "--object-path", "/org/freedesktop/portal/desktop"], check=False).stdout,
            "the Screenshot portal")

    def pointer(self, tools):
        return VirtualPointer(self, [self.reachable(os.path.join(tools, "wayland_virtual_pointer"))])

    def type_text(self, text):
        """Keys through wtype. Keys sent at once after wtype's new keymap
        went missing under load ("204" arrived as "4"): it pauses first."""
        self.run(["wtype", "-s", "100", "-d", "40", text])
        time.sleep(0.15)

    def chord(self, *names):
        modifiers = [name for name in names if name in ("ctrl", "alt", "shift")]
        keys = [name for name in names if name not in modifiers]
        arguments = [a for m in modifiers for a in ("-M", m)]
        arguments += [a for k in keys for a in (("-k", k) if len(k) > 1 else (k,))]
        arguments += [a for m in reversed(modifiers) for a in ("-m", m)]
        self.run(["wtype", "-s", "100", *arguments])
        time.sleep(0.15)

    def move_window(self, window, x, y):
        self.run(["swaymsg", f"[pid={window['pid']}]", "move", "position", str(x), str(y)])

    def _capture(self):
        return Frame(self.run(["grim", "-t", "ppm", "-"]).stdout)

    def tree(self):
        return json.loads(self.run(["swaymsg", "-t", "get_tree", "-r"]).stdout)

    def windows(self):
        found = []

        def visit(node):
            if node.get("pid") is not None:
                rect, inner = node["rect"], node.get("window_rect", {"x": 0, "y": 0})
                found.append({
                    "name": node.get("name"), "app_id": node.get("app_id"),
                    "shell": node.get("shell"), "pid": node.get("pid"),
                    "rect": (rect["x"] + inner["x"], rect["y"] + inner["y"],
                             inner.get("width", rect["width"]), inner.get("height", rect["height"]))})
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                visit(child)

        visit(self.tree())
        return found


COMPOSITORS = ("sway", "gnome", "kwin")


def open_session(compositor, name, portal="desktop", stand_in=(), shots=None, scale=1):
    """A fresh desktop of the given compositor (one of COMPOSITORS)."""
    if compositor == "gnome":
        from gnome_session import GnomeSession as kind
    elif compositor == "kwin":
        from kwin_session import KWinSession as kind
    elif compositor == "sway":
        kind = SwaySession
    else:
        raise SessionError(f"unknown compositor {compositor!r}")
    return kind(f"{compositor}-{name}", portal, stand_in, shots, scale)


def _main():
    parser = argparse.ArgumentParser(description="Runs a command inside a headless desktop.")
    parser.add_argument("--compositor", choices=COMPOSITORS, default="sway")
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--portal", default="desktop",
                        help="desktop, none or stand-in; on GNOME also desktop-allowed")
    parser.add_argument("--stand-in", nargs="*", default=[],
                        help="arguments of the stand-in portal (see stand_in_portal.py)")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    options = parser.parse_args()
    command = options.command[1:] if options.command[:1] == ["--"] else options.command
    if not command:
        parser.error("no command given")
    enter_private_namespaces()
    with open_session(options.compositor, "by-hand", options.portal, options.stand_in,
                      scale=options.scale) as session:
        print(" ".join(f"{k}={v}" for k, v in session.env.items() if k in
                       ("WAYLAND_DISPLAY", "DISPLAY", "SWAYSOCK", "XDG_RUNTIME_DIR")), flush=True)
        result = subprocess.run(session._as_user(command), env=session.env)
        return result.returncode


if __name__ == "__main__":
    sys.exit(_main())
