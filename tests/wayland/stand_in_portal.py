# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A Screenshot portal of the tests' own, owning org.freedesktop.portal.Desktop
on a private session bus: it refuses every Screenshot, as a desktop does that
will not give a frame without asking, and answers every PickColor with one
known colour, as the desktop's picker would after a click.

Arguments: the file each call's method name is appended to, then optionally
the colour as three numbers 0..1 (default 0.8 0.4 0.2) and the response code
given to Screenshot (default 2: the request ended another way).

Runs with Debian's own python3 (python3-gi)."""

import sys

from gi.repository import Gio, GLib

INTERFACE_XML = """
<node>
  <interface name="org.freedesktop.portal.Screenshot">
    <method name="Screenshot">
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
    <method name="PickColor">
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
    <property name="version" type="u" access="read"/>
  </interface>
</node>
"""
OBJECT_PATH = "/org/freedesktop/portal/desktop"
REQUEST_INTERFACE = "org.freedesktop.portal.Request"


def request_path(sender, options):
    """The request object a caller subscribes to before calling."""
    token = options.get("handle_token", "t")
    return f"{OBJECT_PATH}/request/{sender[1:].replace('.', '_')}/{token}"


def main():
    log_path = sys.argv[1]
    colour = tuple(float(v) for v in sys.argv[2:5]) if len(sys.argv) >= 5 else (0.8, 0.4, 0.2)
    screenshot_code = int(sys.argv[5]) if len(sys.argv) >= 6 else 2
    loop = GLib.MainLoop()
    connection = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    interface = Gio.DBusNodeInfo.new_for_xml(INTERFACE_XML).interfaces[0]

    def respond(sender, path, code, results):
        # After the method has returned its handle, as a real portal does.
        def send():
            connection.emit_signal(sender, path, REQUEST_INTERFACE, "Response",
                                   GLib.Variant("(ua{sv})", (code, results)))
            return GLib.SOURCE_REMOVE
        GLib.timeout_add(50, send)

    def method_call(_connection, sender, _path, _interface, method, parameters, invocation):
        options = parameters.unpack()[1]
        with open(log_path, "a") as log:
            log.write(method + "\n")
        path = request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (path,)))
        if method == "PickColor":
            respond(sender, path, 0, {"color": GLib.Variant("(ddd)", colour)})
        else:
            respond(sender, path, screenshot_code, {})

    def get_property(*_):
        return GLib.Variant("u", 2)

    connection.register_object(OBJECT_PATH, interface, method_call, get_property, None)
    Gio.bus_own_name_on_connection(connection, "org.freedesktop.portal.Desktop",
                                   Gio.BusNameOwnerFlags.NONE, None, lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
