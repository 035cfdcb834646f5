#!/usr/bin/python3
"""Prints the accessibility tree of one process as AT-SPI shows it, one
object a line, indented by depth: "role|name|child count".

    atspi_tree.py PID
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth, out):
    try:
        count = node.get_child_count()
        out.append("%s%s|%s|%d" % ("  " * depth, node.get_role_name(), node.get_name(), count))
    except Exception:  # an object that went away while being read
        return
    if depth < 12:
        for i in range(count):
            child = node.get_child_at_index(i)
            if child is not None:
                walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    out = []
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            walk(app, 0, out)
    print("\n".join(out))
    return 0 if out else 1


sys.exit(main())
