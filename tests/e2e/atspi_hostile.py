#!/usr/bin/python3
"""Plays a careless or hostile assistive-technology client against one
process over AT-SPI: every method of the Table, TableCell, Component, Text
and Action interfaces (and the plain Accessible one) of its objects, called
straight over D-Bus with the extreme numbers INT_MIN, -1, 8, 64 and INT_MAX.
An error reply is a fine answer. After every call the program must still
live; after each group of calls it must still answer on its user-interface
thread within 2 s. Prints a summary and "N passed, N failed".

    atspi_hostile.py PID
"""
import os
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

INT_MIN, INT_MAX = -(2**31), 2**31 - 1
INTS = [INT_MIN, -1, 8, 64, INT_MAX]
# Coordinate, boundary, granularity and scroll types: the real ones and junk.
UINTS = [0, 1, 2, 0x80000000, 0xFFFFFFFF]
STRINGS = ["", "x" * 4096]

# Interface: (method, argument signature); methods that act are left out
# where the numbers above could name a real action (none do: no object of
# the game has more than a few actions, so DoAction(8) acts on nothing).
METHODS = {
    "org.a11y.atspi.Accessible": [
        ("GetChildAtIndex", "i"), ("GetChildren", ""), ("GetIndexInParent", ""), ("GetRelationSet", ""),
        ("GetRole", ""), ("GetRoleName", ""), ("GetLocalizedRoleName", ""), ("GetState", ""),
        ("GetAttributes", ""), ("GetApplication", ""), ("GetInterfaces", ""),
    ],
    "org.a11y.atspi.Table": [
        ("GetAccessibleAt", "ii"), ("GetIndexAt", "ii"), ("GetRowAtIndex", "i"), ("GetColumnAtIndex", "i"),
        ("GetRowDescription", "i"), ("GetColumnDescription", "i"), ("GetRowExtentAt", "ii"),
        ("GetColumnExtentAt", "ii"), ("GetRowHeader", "i"), ("GetColumnHeader", "i"), ("GetSelectedRows", ""),
        ("GetSelectedColumns", ""), ("IsRowSelected", "i"), ("IsColumnSelected", "i"), ("IsSelected", "ii"),
        ("AddRowSelection", "i"), ("AddColumnSelection", "i"), ("RemoveRowSelection", "i"),
        ("RemoveColumnSelection", "i"), ("GetRowColumnExtentsAtIndex", "i"),
    ],
    "org.a11y.atspi.TableCell": [
        ("GetRowHeaderCells", ""), ("GetColumnHeaderCells", ""), ("GetRowColumnSpan", ""),
    ],
    "org.a11y.atspi.Component": [
        ("Contains", "iiu"), ("GetAccessibleAtPoint", "iiu"), ("GetExtents", "u"), ("GetPosition", "u"),
        ("GetSize", ""), ("GetLayer", ""), ("GetMDIZOrder", ""), ("GetAlpha", ""), ("SetExtents", "iiiiu"),
        ("SetPosition", "iiu"), ("SetSize", "ii"), ("ScrollTo", "u"), ("ScrollToPoint", "uii"),
    ],
    "org.a11y.atspi.Text": [
        ("GetStringAtOffset", "iu"), ("GetText", "ii"), ("SetCaretOffset", "i"), ("GetTextBeforeOffset", "iu"),
        ("GetTextAtOffset", "iu"), ("GetTextAfterOffset", "iu"), ("GetCharacterAtOffset", "i"),
        ("GetAttributeValue", "is"), ("GetAttributes", "i"), ("GetDefaultAttributes", ""),
        ("GetCharacterExtents", "iu"), ("GetOffsetAtPoint", "iiu"), ("GetNSelections", ""), ("GetSelection", "i"),
        ("AddSelection", "ii"), ("RemoveSelection", "i"), ("SetSelection", "iii"), ("GetRangeExtents", "iiu"),
        ("GetBoundedRanges", "iiiiuuu"), ("GetAttributeRun", "ib"), ("GetDefaultAttributeSet", ""),
        ("ScrollSubstringTo", "iiu"), ("ScrollSubstringToPoint", "iiuii"),
    ],
    "org.a11y.atspi.Action": [
        ("GetDescription", "i"), ("GetName", "i"), ("GetLocalizedName", "i"), ("GetKeyBinding", "i"),
        ("GetActions", ""), ("DoAction", "i"),
    ],
}
PROPERTIES = {
    "org.a11y.atspi.Accessible": ["Name", "Description", "Parent", "ChildCount", "Locale", "AccessibleId"],
    "org.a11y.atspi.Table": ["NRows", "NColumns", "Caption", "Summary", "NSelectedRows", "NSelectedColumns"],
    "org.a11y.atspi.TableCell": ["ColumnSpan", "Position", "RowSpan", "Table"],
    "org.a11y.atspi.Text": ["CharacterCount", "CaretOffset"],
    "org.a11y.atspi.Action": ["NActions"],
}


def values_for(kind):
    return {"i": INTS, "u": UINTS, "s": STRINGS, "b": [True, False]}[kind]


def argument_sets(signature):
    """Every pair for one or two arguments; for more, each argument through
    its values with the others at their first, and all at once."""
    if not signature:
        return [()]
    if len(signature) <= 2:
        sets = [()]
        for kind in signature:
            sets = [s + (v,) for s in sets for v in values_for(kind)]
        return sets
    sets = []
    for at, kind in enumerate(signature):
        for v in values_for(kind):
            sets.append(tuple(v if k == at else values_for(signature[k])[0] for k in range(len(signature))))
    width = min(len(values_for(k)) for k in signature)
    for n in range(width):
        sets.append(tuple(values_for(k)[n] for k in signature))
    return sets


def alive(pid):
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().split(") ", 1)[1][0] not in "ZX"
    except OSError:
        return False


def collect(node, depth, out, seen):
    try:
        key = node.path
        if key in seen:
            return
        seen.add(key)
        out.append(node)
        count = node.get_child_count()
        # Of the 64 cells the first, one in the middle and the last will do:
        # they are all one kind.
        picks = range(count) if count < 64 else [0, 27, count - 1]
    except Exception:  # an object that went away while being read
        return
    if depth < 12:
        for i in picks:
            child = node.get_child_at_index(i)
            if child is not None:
                collect(child, depth + 1, out, seen)


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    app = None
    for i in range(desktop.get_child_count()):
        candidate = desktop.get_child_at_index(i)
        if candidate is not None and candidate.get_process_id() == pid:
            app = candidate
    if app is None:
        print("no accessible application of process %d" % pid)
        print("0 passed, 1 failed")
        return 1
    objects = []
    collect(app, 0, objects, set())
    bus = app.app.bus_name
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    a11y = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)

    def call(path, interface, method, signature, args, timeout=5000):
        parameters = GLib.Variant("(%s)" % signature, args) if signature else None
        try:
            a11y.call_sync(bus, path, interface, method, parameters, None, Gio.DBusCallFlags.NO_AUTO_START,
                           timeout, None)
            return True
        except GLib.Error:
            return False

    paths = [o.path for o in objects]
    # The stand-in for cells off the board, as a client finds it.
    for o in objects:
        if "org.a11y.atspi.Table" in (o.get_interfaces() or []):
            try:
                reply = a11y.call_sync(bus, o.path, "org.a11y.atspi.Table", "GetAccessibleAt",
                                       GLib.Variant("(ii)", (-1, -1)), None, Gio.DBusCallFlags.NONE, 5000, None)
                off = reply.unpack()[0][1]
                if off not in paths and off != "/org/a11y/atspi/null":
                    paths.append(off)
            except GLib.Error:
                pass
    root = app.path
    calls = 0
    failures = []
    started = time.monotonic()
    for path in paths:
        interfaces = ["org.a11y.atspi.Accessible"]
        try:
            reply = a11y.call_sync(bus, path, "org.a11y.atspi.Accessible", "GetInterfaces", None, None,
                                   Gio.DBusCallFlags.NONE, 5000, None)
            interfaces = [i for i in reply.unpack()[0] if i in METHODS]
        except GLib.Error:
            pass
        for interface in interfaces:
            for method, signature in METHODS[interface]:
                for args in argument_sets(signature):
                    call(path, interface, method, signature, args)
                    calls += 1
                    if not alive(pid):
                        failures.append("%s %s.%s%s: the program died" % (path, interface, method, args))
                        break
                if failures:
                    break
            for prop in PROPERTIES.get(interface, []):
                call(path, "org.freedesktop.DBus.Properties", "Get", "ss", (interface, prop))
                calls += 1
            if failures:
                break
            # The group is done: the user-interface thread still answers.
            if not call(root, "org.a11y.atspi.Accessible", "GetRole", "", (), timeout=2000):
                failures.append("%s %s: no answer within 2 s after these calls" % (path, interface))
            if failures:
                break
        if failures:
            break
    print("%d objects, %d calls in %.1f s" % (len(paths), calls, time.monotonic() - started))
    for f in failures:
        print("FAILED: " + f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


sys.exit(main())
