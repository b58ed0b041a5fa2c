# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the tests ask of KWin beyond input: the windows, moving one, and a
picture of the whole desktop. Runs as the session's user for the whole
session and takes one command a line on stdin, answering one line:
    windows          a JSON list of the windows (see session.Session.windows)
    move ID X Y      moves the window with that id to X, Y; answers "ok"
    shot PATH        writes the desktop's picture to PATH as a PPM; "ok"
    portal-shot      takes one frame through the desktop portal and deletes
                     it; "ok" once the portal answered with a picture
KWin's scripts answer through a D-Bus call back to this program, which owns
a name on the session bus for that. KWin hands out pictures only to programs
it trusts, or to all when started with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1."""

import json
import os
import sys
import tempfile

from gi.repository import Gio, GLib

NAME = "org.tinctora.TestDesk"
INTERFACE = """
<node><interface name="org.tinctora.TestDesk">
  <method name="Answer"><arg type="s" name="text" direction="in"/></method>
</interface></node>"""

# Rectangles in logical pixels, with the frame KWin draws. KWin 6 lists its
# windows with windowList(), KWin 5 with clientList().
WINDOWS = "(workspace.windowList ? workspace.windowList() : workspace.clientList())"
WINDOWS_SCRIPT = """\
const found = %(windows)s.map(w => ({
    name: w.caption, app_id: String(w.resourceClass), pid: w.pid,
    shell: w.windowId ? 'xwayland' : 'xdg_shell', id: String(w.internalId),
    rect: [w.frameGeometry.x, w.frameGeometry.y, w.frameGeometry.width,
           w.frameGeometry.height]}));
answer(JSON.stringify(found));
"""

MOVE_SCRIPT = """\
for (const w of %(windows)s) {
    if (String(w.internalId) === '%(id)s') {
        w.frameGeometry = {x: %(x)d, y: %(y)d, width: w.frameGeometry.width,
                           height: w.frameGeometry.height};
    }
}
answer('ok');
"""

# Every script answers, with what went wrong if it fails.
SCRIPT_FRAME = """\
function answer(text) { callDBus('%(name)s', '/', '%(name)s', 'Answer', text); }
try {
%(body)s
} catch (error) {
    answer('error ' + error);
}
"""


class Desk:
    def __init__(self):
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        self.answers = []
        info = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
        self.bus.register_object("/", info.interfaces[0], self._called, None, None)
        Gio.bus_own_name_on_connection(self.bus, NAME, Gio.BusNameOwnerFlags.NONE, None, None)
        self.loop = GLib.MainContext.default()
        self.scripts = 0

    def _called(self, connection, sender, path, interface, method, parameters, invocation):
        self.answers.append(parameters.unpack()[0])
        invocation.return_value(None)

    def _kwin(self, path, interface, method, parameters, fds=None):
        if fds is None:
            return self.bus.call_sync("org.kde.KWin", path, interface, method, parameters, None,
                                      Gio.DBusCallFlags.NONE, 10000, None).unpack()
        reply, _ = self.bus.call_with_unix_fd_list_sync(
            "org.kde.KWin", path, interface, method, parameters, None, Gio.DBusCallFlags.NONE,
            10000, fds, None)
        return reply.unpack()

    def script(self, source):
        """Runs a KWin script and returns what it answers."""
        self.scripts += 1
        plugin = f"tinctora-test-{os.getpid()}-{self.scripts}"
        with tempfile.NamedTemporaryFile("w", suffix=".js", delete=False) as out:
            out.write(SCRIPT_FRAME % {"name": NAME, "body": source})
        try:
            number = self._kwin("/Scripting", "org.kde.kwin.Scripting", "loadScript",
                                GLib.Variant("(ss)", (out.name, plugin)))[0]
            self.answers.clear()
            self._kwin(f"/{number}", "org.kde.kwin.Script", "run", None)
            timeout = []
            source = GLib.timeout_add(10000, lambda: timeout.append(True))
            while not self.answers and not timeout:
                self.loop.iteration(True)
            if not timeout:
                GLib.source_remove(source)
            self._kwin("/Scripting", "org.kde.kwin.Scripting", "unloadScript",
                       GLib.Variant("(s)", (plugin,)))
        finally:
            os.remove(out.name)
        if not self.answers:
            raise RuntimeError("KWin's script gave no answer")
        return self.answers[0]

    def shot(self, path):
        read_end, write_end = os.pipe()
        fds = Gio.UnixFDList.new()
        fds.append(write_end)
        os.close(write_end)
        options = {"include-cursor": GLib.Variant("b", False),
                   "native-resolution": GLib.Variant("b", True)}
        # KWin answers with the picture's size, then writes it into the pipe.
        result = self._kwin("/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
                            "CaptureWorkspace", GLib.Variant("(a{sv}h)", (options, 0)), fds)[0]
        del fds
        width, height, stride = result["width"], result["height"], result["stride"]
        data = bytearray()
        with os.fdopen(read_end, "rb") as pipe:
            while len(data) < stride * height:
                chunk = pipe.read(stride * height - len(data))
                if not chunk:
                    raise RuntimeError("KWin's picture ended early")
                data += chunk
        rgb = bytearray(3 * width * height)
        # QImage formats 4-6 (32-bit 0xAARRGGBB, stored B, G, R, A), else R, G, B, A.
        order = (2, 1, 0) if result["format"] in (4, 5, 6) else (0, 1, 2)
        for y in range(height):
            row = data[y * stride:y * stride + 4 * width]
            for channel, source in enumerate(order):
                rgb[3 * width * y + channel:3 * width * (y + 1):3] = row[source::4]
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (width, height) + rgb)


    def portal_shot(self):
        sender = self.bus.get_unique_name()[1:].replace(".", "_")
        self.scripts += 1
        token = f"tinctora_test_{self.scripts}"
        answers = []
        subscription = self.bus.signal_subscribe(
            None, "org.freedesktop.portal.Request", "Response",
            f"/org/freedesktop/portal/desktop/request/{sender}/{token}", None,
            Gio.DBusSignalFlags.NONE, lambda *signal: answers.append(signal[5].unpack()))
        try:
            self.bus.call_sync(
                "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                "org.freedesktop.portal.Screenshot", "Screenshot",
                GLib.Variant("(sa{sv})", ("", {"interactive": GLib.Variant("b", False),
                                               "handle_token": GLib.Variant("s", token)})),
                None, Gio.DBusCallFlags.NONE, 30000, None)
            timeout = []
            source = GLib.timeout_add(30000, lambda: timeout.append(True))
            while not answers and not timeout:
                self.loop.iteration(True)
            if not timeout:
                GLib.source_remove(source)
        finally:
            self.bus.signal_unsubscribe(subscription)
        if not answers or answers[0][0] != 0:
            raise RuntimeError(f"the portal's screenshot answered {answers}")
        os.remove(Gio.File.new_for_uri(answers[0][1]["uri"]).get_path())


def main():
    desk = Desk()
    print("ready", flush=True)
    for line in sys.stdin:
        words = line.split()
        try:
            if words == ["windows"]:
                print(desk.script(WINDOWS_SCRIPT % {"windows": WINDOWS}), flush=True)
            elif words[0] == "move" and len(words) == 4:
                print(desk.script(MOVE_SCRIPT % {"windows": WINDOWS, "id": words[1],
                                                 "x": int(words[2]),
                                                 "y": int(words[3])}), flush=True)
            elif words == ["portal-shot"]:
                desk.portal_shot()
                print("ok", flush=True)
            elif words[0] == "shot" and len(words) == 2:
                desk.shot(words[1])
                print("ok", flush=True)
            else:
                print(f"error {line.strip()}", flush=True)
        except (GLib.Error, RuntimeError, ValueError) as error:
            print(f"error {error}", flush=True)


if __name__ == "__main__":
    main()
