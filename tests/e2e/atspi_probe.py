#!/usr/bin/python3
# Reads Huebit's accessibility tree over AT-SPI, as a screen reader does.
#   status                 the status line's text
#   wait-status TEXT SECS  waits until the status line reads TEXT; exit 1 if it never does
#   tabs                   the main page tabs' names, one a line
#   alert                  the texts of the program's message box, one a line
#   roles NAME...          each named control's role, and "checked" when it is, one a line
#   listen SECS [TEXT]     prints every announced change of the status line's text, for SECS
#                          seconds or until TEXT is heard
import sys
import time

import pyatspi
from gi.repository import GLib


def huebit():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Huebit":
            return app
    return None


def walk(obj, depth=0):
    yield obj, depth
    for child in obj:
        if child is not None:
            yield from walk(child, depth + 1)


def status_label(app):
    for obj, _ in walk(app):
        if obj.getRole() == pyatspi.ROLE_STATUS_BAR:
            for child, _ in walk(obj):
                if child.getRole() == pyatspi.ROLE_LABEL:
                    return child
    return None


def in_status_bar(obj):
    parent = obj.parent
    while parent is not None:
        if parent.getRole() == pyatspi.ROLE_STATUS_BAR:
            return True
        parent = parent.parent
    return False


def alert(app):
    for obj, _ in walk(app):
        if obj.getRole() == pyatspi.ROLE_ALERT:
            return obj
    return None


def wait_for_app(seconds, ready):
    end = time.time() + seconds
    while time.time() < end:
        app = huebit()
        if app is not None and ready(app):
            return app
        time.sleep(0.2)
    sys.exit("no Huebit application on the accessibility bus")


def main():
    command = sys.argv[1]
    if command == "alert":
        box = alert(wait_for_app(20, lambda app: alert(app) is not None))
        for obj, _ in walk(box):
            if obj.getRole() == pyatspi.ROLE_LABEL and obj.name:
                print(obj.name.replace("\r", ""))
        return
    app = wait_for_app(20, lambda app: status_label(app) is not None)
    if command == "status":
        print(status_label(app).name)
    elif command == "wait-status":
        want, end = sys.argv[2], time.time() + float(sys.argv[3])
        while True:
            got = status_label(app).name
            if got == want:
                print(got)
                return
            if time.time() > end:
                print(got)
                sys.exit(1)
            time.sleep(0.1)
    elif command == "tabs":
        lists = [(d, o) for o, d in walk(app) if o.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
        _, main_pages = min(lists, key=lambda pair: pair[0])
        for tab in main_pages:
            if tab is not None and tab.getRole() == pyatspi.ROLE_PAGE_TAB:
                print(tab.name)
    elif command == "roles":
        found = {}
        for obj, _ in walk(app):
            if obj.name in sys.argv[2:] and obj.name not in found:
                checked = obj.getState().contains(pyatspi.STATE_CHECKED)
                found[obj.name] = obj.getRoleName() + (" checked" if checked else "")
        for name in sys.argv[2:]:
            print(found.get(name, "missing"))
    elif command == "listen":
        until = sys.argv[3] if len(sys.argv) > 3 else None

        def heard(event):
            if event.source.getRole() == pyatspi.ROLE_LABEL and in_status_bar(event.source):
                print(event.source.name, flush=True)
                if event.source.name == until:
                    pyatspi.Registry.stop()
        pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
        print("listening", flush=True)
        GLib.timeout_add(int(float(sys.argv[2]) * 1000), pyatspi.Registry.stop)
        pyatspi.Registry.start()
    else:
        sys.exit("unknown command " + command)


main()
