#!/usr/bin/python3
"""Reads a program's windows as a screen reader does, through AT-SPI.

Usage: atspi_walk.py PID [--dialog]
Prints a JSON line for every showing object of process PID: its top-level
window, role, name, description, action keys and whether it is selected. With --dialog, waits for a
dialog or alert box and reads only that. Gives up after 20 s (exit status 1).
"""
import json
import sys
import time

import pyatspi


def walk(acc, window):
    if not acc.getState().contains(pyatspi.STATE_SHOWING):
        return
    keys = []
    try:
        action = acc.queryAction()
        keys = [action.getKeyBinding(i) for i in range(action.nActions) if action.getKeyBinding(i)]
    except NotImplementedError:
        pass
    print(json.dumps({"window": window, "role": acc.getRoleName(), "name": acc.name,
                      "description": acc.description, "keys": keys,
                      "selected": acc.getState().contains(pyatspi.STATE_SELECTED)},
                     ensure_ascii=False))
    for child in acc:
        if child is not None:
            walk(child, window)


def main():
    pid, dialog = int(sys.argv[1]), "--dialog" in sys.argv[2:]
    deadline = time.time() + 20
    while time.time() < deadline:
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid]
        windows = [w for a in apps for w in a if w is not None]
        if dialog:
            windows = [w for w in windows if w.getRoleName() in ("dialog", "alert")]
        if windows:
            for w in windows:
                walk(w, w.name)
            return
        time.sleep(0.1)
    sys.exit("nothing of process %d on the accessibility bus" % pid)


if __name__ == "__main__":
    main()
