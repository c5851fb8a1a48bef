#!/usr/bin/env python3
"""A stand-in for the desktop portal's Screenshot, for tests on a private session bus.

Run it under `dbus-run-session -- python3 fake_portal.py ...`. It prints "ready ADDRESS" once it
owns org.freedesktop.portal.Desktop, then one line per event:
  "call N token=T interactive=0|1 parent=P"   a Screenshot request
  "closed N"                                 the caller closed request N
It stops when its standard input closes, which ends the private bus with it.

--answers takes a comma-separated list, one per call, the last repeated:
  ok           Response 0 with a fresh copy of --image, a little after the call returns
  ok-early     Response 0 sent before the call's reply (an answer that overtakes it)
  ok-elsewhere the call returns a request path of its own choosing and answers there, as old
               portals did
  cancel       Response 1
  refuse       Response 2
  silent       no Response at all
  fifo         Response 0 naming a named pipe (FIFO) in --dir that nobody ever writes
--image is read at every call, so a caller may write it after the portal has started.

--pick-color answers PickColor: "R,G,B" (fractions 0-1) with that colour, "cancel" or "refuse";
"absent" (the default) has no PickColor at all, as older portals. A PickColor call reports
"pick N".
"""

import argparse
import os
import shutil
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
DESKTOP = "/org/freedesktop/portal/desktop"
REQUEST = "org.freedesktop.portal.Request"


def say(line):
    print(line, flush=True)


class Request(dbus.service.Object):
    def __init__(self, bus, path, number):
        super().__init__(bus, path)
        self.number = number

    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass

    @dbus.service.method(REQUEST, in_signature="", out_signature="")
    def Close(self):
        say(f"closed {self.number}")
        self.remove_from_connection()


class Screenshot(dbus.service.Object):
    def __init__(self, bus, options):
        super().__init__(bus, DESKTOP)
        self.bus = bus
        self.options = options
        self.calls = 0

    def answer_for(self, number):
        answers = self.options.answers
        return answers[min(number, len(answers)) - 1]

    def fresh_copy(self, number):
        target = os.path.join(self.options.dir, f"portal-shot-{os.getpid()}-{number}.png")
        shutil.copyfile(self.options.image, target)
        return "file://" + target

    def respond(self, request, answer, number):
        if answer == "fifo":
            target = os.path.join(self.options.dir, f"portal-fifo-{os.getpid()}-{number}.png")
            os.mkfifo(target)
            request.Response(dbus.UInt32(0),
                             dbus.Dictionary({"uri": "file://" + target}, signature="sv"))
        elif answer.startswith("ok"):
            uri = self.fresh_copy(number)
            request.Response(dbus.UInt32(0), dbus.Dictionary({"uri": uri}, signature="sv"))
        elif answer == "cancel":
            request.Response(dbus.UInt32(1), dbus.Dictionary({}, signature="sv"))
        elif answer == "refuse":
            request.Response(dbus.UInt32(2), dbus.Dictionary({}, signature="sv"))
        return False

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def Screenshot(self, parent_window, options, sender=None):
        self.calls += 1
        number = self.calls
        token = str(options.get("handle_token", f"t{number}"))
        interactive = int(bool(options.get("interactive", False)))
        say(f"call {number} token={token} interactive={interactive} parent={parent_window}")
        answer = self.answer_for(number)
        if answer == "ok-elsewhere":
            path = f"{DESKTOP}/request/elsewhere/r{number}"
        else:
            path = f"{DESKTOP}/request/{sender[1:].replace('.', '_')}/{token}"
        request = Request(self.bus, path, number)
        if answer == "ok-early":
            self.respond(request, answer, number)
        elif answer != "silent":
            delay = 300 if answer == "ok-elsewhere" else self.options.delay_ms
            GLib.timeout_add(delay, self.respond, request, answer, number)
        return dbus.ObjectPath(path)


    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def PickColor(self, parent_window, options, sender=None):
        answer = self.options.pick_color
        if answer == "absent":
            raise dbus.exceptions.DBusException(
                "No such method 'PickColor'", name="org.freedesktop.DBus.Error.UnknownMethod")
        self.calls += 1
        number = self.calls
        say(f"pick {number}")
        token = str(options.get("handle_token", f"t{number}"))
        path = f"{DESKTOP}/request/{sender[1:].replace('.', '_')}/{token}"
        request = Request(self.bus, path, number)
        GLib.timeout_add(self.options.delay_ms, self.respond_pick, request, answer)
        return dbus.ObjectPath(path)

    def respond_pick(self, request, answer):
        if answer == "cancel":
            request.Response(dbus.UInt32(1), dbus.Dictionary({}, signature="sv"))
        elif answer == "refuse":
            request.Response(dbus.UInt32(2), dbus.Dictionary({}, signature="sv"))
        else:
            rgb = dbus.Struct([float(v) for v in answer.split(",")], signature="ddd")
            request.Response(dbus.UInt32(0), dbus.Dictionary({"color": rgb}, signature="sv"))
        return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--answers", default="ok")
    parser.add_argument("--image", required=True)
    parser.add_argument("--dir", default="/tmp")
    parser.add_argument("--delay-ms", type=int, default=1)
    parser.add_argument("--pick-color", default="absent")
    options = parser.parse_args()
    options.answers = options.answers.split(",")

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(PORTAL, bus, do_not_queue=True)
    portal = Screenshot(bus, options)
    loop = GLib.MainLoop()

    def stdin_readable(fd, _condition):
        if os.read(fd, 4096):
            return True
        loop.quit()  # end of input: the test is over
        return False

    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP | GLib.IO_ERR, stdin_readable)
    say("ready " + os.environ["DBUS_SESSION_BUS_ADDRESS"])
    loop.run()
    del name, portal


if __name__ == "__main__":
    main()
