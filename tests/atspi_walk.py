#!/usr/bin/python3
"""Reads a program's windows as a screen reader does, through AT-SPI.

Usage: atspi_walk.py PID [--dialog]

Prints one JSON object per line for every showing object of the program with
process id PID: the top-level window it belongs to, its role, name,
description and the keys of its actions. With --dialog it first waits for a dialog or alert box and reads
only that box. Gives up after WALK_WAIT seconds (20) with exit status 1.
"""
import json
import os
import sys
import time

import pyatspi

WAIT_S = float(os.environ.get("WALK_WAIT", "20"))
BOXES = {"dialog", "alert", "file chooser"}


def find_app(pid, deadline):
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that just went away
                pass
        time.sleep(0.1)
    return None


def record(acc, window):
    keys = []
    try:
        action = acc.queryAction()
        keys = [action.getKeyBinding(i) for i in range(action.nActions) if action.getKeyBinding(i)]
    except NotImplementedError:
        pass
    return {
        "window": window,
        "role": acc.getRoleName(),
        "name": acc.name,
        "description": acc.description,
        "keys": keys,
    }


def walk(acc, window, out):
    if not acc.getState().contains(pyatspi.STATE_SHOWING):
        return
    out.append(record(acc, window))
    for child in acc:
        if child is not None:
            walk(child, window, out)


def main():
    pid = int(sys.argv[1])
    dialog = "--dialog" in sys.argv[2:]
    deadline = time.time() + WAIT_S
    app = find_app(pid, deadline)
    if app is None:
        sys.exit("no application with process id %d on the accessibility bus" % pid)
    while True:
        windows = [w for w in app if w is not None]
        if dialog:
            windows = [w for w in windows if w.getRoleName() in BOXES]
        if windows or time.time() >= deadline:
            break
        time.sleep(0.1)
    if not windows:
        sys.exit("no %s showing" % ("dialog" if dialog else "window"))
    out = []
    for w in windows:
        walk(w, w.name, out)
    for r in out:
        print(json.dumps(r, ensure_ascii=False))


if __name__ == "__main__":
    main()
