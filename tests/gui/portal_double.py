#!/usr/bin/env python3
"""A stand-in for the desktop portal's GlobalShortcuts interface on the session bus, for tests where no
real portal backend can run headless. It writes one line per call into the log given as its argument
("CreateSession", "BindShortcuts <trigger>", "Close <session>") and emits Activated for the last bound
session when it receives SIGUSR1."""
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"


def record(line):
    with open(sys.argv[1], "a") as log:
        log.write(line + "\n")


def sender_part(sender):
    return sender[1:].replace(".", "_")


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
    def Close(self):
        record("Close " + self._object_path)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.bound = None

    def answer(self, path, results):
        request = Request(self.bus, path)

        def send():
            request.Response(dbus.UInt32(0), dbus.Dictionary(results, signature="sv"))
            request.remove_from_connection()
            return False

        GLib.idle_add(send)
        return dbus.ObjectPath(path)

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SHORTCUTS and name == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException("no such property", name="org.freedesktop.DBus.Error.InvalidArgs")

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        record("CreateSession")
        who = sender_part(sender)
        session = "%s/session/%s/%s" % (PATH, who, options["session_handle_token"])
        Session(self.bus, session)
        return self.answer("%s/request/%s/%s" % (PATH, who, options["handle_token"]),
                           {"session_handle": dbus.String(session)})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender):
        for shortcut_id, properties in shortcuts:
            record("BindShortcuts %s %s" % (shortcut_id, properties.get("preferred_trigger", "")))
        self.bound = session
        return self.answer("%s/request/%s/%s" % (PATH, sender_part(sender), options["handle_token"]),
                           {"shortcuts": dbus.Array(shortcuts, signature="(sa{sv})")})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    def press(self):
        if self.bound is not None:
            self.Activated(self.bound, "optimize", dbus.UInt64(0), dbus.Dictionary({}, signature="sv"))
        return True


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = Portal(bus)
name = dbus.service.BusName(PORTAL, bus)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, portal.press)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: GLib.MainLoop.quit(loop) or False)
loop = GLib.MainLoop()
loop.run()
