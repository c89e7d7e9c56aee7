#!/usr/bin/python3
"""A stand-in for the desktop portal's global shortcuts, for the end-to-end checks.

Owns org.freedesktop.portal.Desktop on the session bus, records every call it gets as one
JSON line in the log, answers each request with a Response signal on the request object
the caller named, and sends Activated when asked through its control interface:

  dbus-send --session --dest=org.freedesktop.portal.Desktop /io/github/kelo/PortalControl \
            io.github.kelo.PortalControl.Activate        (from the portal: believed)
            io.github.kelo.PortalControl.ActivateForged  (from another connection: not)

Usage: portal_standin.py LOG [--bind-answer N] [--silent] [--bound listed|empty|unsaid]
                         [--trigger-description TEXT]

--bound says what BindShortcuts' answer lists: the shortcut asked for, described as TEXT
(listed, the default), no shortcut at all (empty), or no list, so that only ListShortcuts
tells (unsaid). CreateSession's answer never lists any.
"""
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SERVICE = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
REQUEST = "org.freedesktop.portal.Request"
CONTROL = "io.github.kelo.PortalControl"

log_path = sys.argv[1]
bind_answer = int(sys.argv[sys.argv.index("--bind-answer") + 1]) if "--bind-answer" in sys.argv else 0
silent = "--silent" in sys.argv


def option(name, default):
    return sys.argv[sys.argv.index(name) + 1] if name in sys.argv else default


bound = option("--bound", "listed")
trigger_description = option("--trigger-description", "Ctrl+Alt+Z")


def record(**entry):
    with open(log_path, "a", encoding="utf-8") as log:
        log.write(json.dumps(entry, ensure_ascii=False) + "\n")


def object_path(kind, sender, token):
    return "%s/%s/%s/%s" % (PATH, kind, sender[1:].replace(".", "_"), token)


class Request(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
    def Close(self):
        record(call="Close")
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.session = None
        self.shortcut = None
        self.session_object = None

    def answer(self, sender, token, response, results):
        """The Response comes a moment after the call's own reply, as from a real portal."""
        if silent:
            return
        request = Request(self.bus, object_path("request", sender, token))

        def send():
            request.Response(dbus.UInt32(response), dbus.Dictionary(results, signature="sv"))
            request.remove_from_connection()
            return False

        GLib.timeout_add(50, send)

    @dbus.service.method("org.freedesktop.host.portal.Registry", in_signature="sa{sv}", out_signature="")
    def Register(self, app_id, options):
        record(call="Register", app_id=app_id)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SHORTCUTS and name == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException("no such property", name="org.freedesktop.DBus.Error.InvalidArgs")

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        record(call="CreateSession", options=options)
        token = str(options.get("handle_token", "t"))
        self.session = object_path("session", sender, str(options.get("session_handle_token", "s")))
        self.session_object = Session(self.bus, self.session)
        self.answer(sender, token, 0, {"session_handle": dbus.String(self.session)})
        return dbus.ObjectPath(object_path("request", sender, token))

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender):
        record(call="BindShortcuts", session=session, shortcuts=shortcuts, parent_window=parent_window)
        self.shortcut = str(shortcuts[0][0]) if shortcuts else None
        token = str(options.get("handle_token", "t"))
        results = {} if bound == "unsaid" else {"shortcuts": self.bound_list()}
        self.answer(sender, token, bind_answer, results)
        return dbus.ObjectPath(object_path("request", sender, token))

    @dbus.service.method(SHORTCUTS, in_signature="oa{sv}", out_signature="o", sender_keyword="sender")
    def ListShortcuts(self, session, options, sender):
        record(call="ListShortcuts", session=session)
        token = str(options.get("handle_token", "t"))
        self.answer(sender, token, 0, {"shortcuts": self.bound_list()})
        return dbus.ObjectPath(object_path("request", sender, token))

    def bound_list(self):
        shortcuts = []
        if bound != "empty" and self.shortcut:
            properties = dbus.Dictionary({"trigger_description": trigger_description}, signature="sv")
            shortcuts.append(dbus.Struct((self.shortcut, properties)))
        return dbus.Array(shortcuts, signature="(sa{sv})")

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass


class Control(dbus.service.Object):
    """What the checks ask of the stand-in, on a path of its own."""

    def __init__(self, bus, portal):
        super().__init__(bus, "/io/github/kelo/PortalControl")
        self.portal = portal

    @dbus.service.method(CONTROL, in_signature="", out_signature="")
    def Activate(self):
        self.portal.Activated(dbus.ObjectPath(self.portal.session), self.portal.shortcut, dbus.UInt64(0),
                              dbus.Dictionary({}, signature="sv"))

    @dbus.service.method(CONTROL, in_signature="", out_signature="")
    def ActivateForged(self):
        """The same signal, but sent by another connection than the portal's."""
        other = dbus.bus.BusConnection(dbus.bus.BUS_SESSION)
        message = dbus.lowlevel.SignalMessage(PATH, SHORTCUTS, "Activated")
        message.append(dbus.ObjectPath(self.portal.session), self.portal.shortcut, dbus.UInt64(0),
                       dbus.Dictionary({}, signature="sv"), signature="osta{sv}")
        other.send_message(message)
        other.flush()
        other.close()


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = Portal(bus)
control = Control(bus, portal)
name = dbus.service.BusName(SERVICE, bus)
record(call="ready")
GLib.MainLoop().run()
