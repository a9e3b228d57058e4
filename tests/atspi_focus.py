#!/usr/bin/python3
"""Tells, through AT-SPI, what a program shows to the keyboard.

Usage: atspi_focus.py PID          the focused object: window, role, name and
                                   text, tab-separated, on one line
       atspi_focus.py PID --tabs   each page tab: name, x, y, width and height
                                   on the screen, a line each
       atspi_focus.py PID --table  each row of the tables shown: its cells'
                                   names, tab-separated, a line each
Prints nothing when there is nothing of the kind (yet); gives up after 10 s
without the program on the accessibility bus (exit status 1).
"""
import sys
import time

import pyatspi


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def walk(acc):
    if acc is None or not showing(acc):
        return
    yield acc
    for child in acc:
        yield from walk(child)


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def main():
    pid, tabs, table = int(sys.argv[1]), "--tabs" in sys.argv[2:], "--table" in sys.argv[2:]
    deadline = time.time() + 10
    while True:
        windows = [w for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid
                   for w in a if w is not None]
        if windows or time.time() > deadline:
            break
        time.sleep(0.1)
    if not windows:
        sys.exit("nothing of process %d on the accessibility bus" % pid)
    for window in windows:
        for acc in walk(window):
            if tabs and acc.getRole() == pyatspi.ROLE_PAGE_TAB:
                e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(acc.name, e.x, e.y, e.width, e.height, sep="\t")
            elif table and acc.getRole() == pyatspi.ROLE_TABLE:
                t = acc.queryTable()
                for r in range(t.nRows):
                    print(*(t.getAccessibleAt(r, c).name for c in range(t.nColumns)), sep="\t")
            elif not tabs and not table and acc.getState().contains(pyatspi.STATE_FOCUSED):
                print(window.name, acc.getRoleName(), acc.name, text_of(acc), sep="\t")
                return


if __name__ == "__main__":
    main()
