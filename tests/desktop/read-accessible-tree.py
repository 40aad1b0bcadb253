#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader reads of one process: every object on show, one to a line, indented
by its depth, as role, a tab and the name. Objects not on show and everything below them are left
out, as a reader leaves them out. Usage: read-accessible-tree.py PID [WINDOW-NAME-PART]"""
import sys

import pyatspi


def walk(node, depth, out):
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        role = node.getRoleName()
        name = node.name or ""
    except Exception as error:  # an object that went away while it was read
        out.append("%s? %s" % ("  " * depth, error))
        return
    if depth > 0 and not showing:
        return
    out.append("%s%s\t%s" % ("  " * depth, role, name.replace("\n", " ")))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    window_part = sys.argv[2] if len(sys.argv) > 2 else None
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.get_process_id() != pid:
            continue
        out = []
        for window in app:
            if window is None:
                continue
            if window_part and window_part not in (window.name or ""):
                continue
            walk(window, 0, out)
        print("\n".join(out))
        return 0
    print("no application with process id %d on the accessibility bus" % pid, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
