#!/usr/bin/python3
"""Clicks along a program's tab strip, left to right, and tells after each
click which exercise window shows: one process on one X connection, which
waits for the program instead of for a time.

Usage: e2e_tabs.py PID STRIP X0 Y STEP WIDTH PANEL_X PANEL_Y WAIT
Clicks at X0+x, Y for x = STEP/2, STEP/2+STEP, ... below WIDTH and prints a
line "x window ms" per click: the exercise window then showing (the one
visible window of process PID with a title, other than the strip STRIP) and
how long after the click it showed, 0 when the click changed nothing.
Prints "x none" and stops when no single exercise window shows within WAIT
seconds.

Whether a click changed nothing is known without waiting a while: the
program writes the time of every button press it reads into the strip's
_NET_WM_USER_TIME (Qt does, on the window or on the one that
_NET_WM_USER_TIME_WINDOW names). Once the time of a second click, on the
strip's bare panel at PANEL_X, PANEL_Y, is there, the program has handled the
first one, and the X server has what it did: a window it hid is no longer
viewable; one it showed is, or will be once the window manager has mapped it.
"""
import sys
import time

from Xlib import X, Xatom, display
from Xlib.ext import xtest


def main():
    pid, strip, x0, y, step, width, panel_x, panel_y = (int(a, 0) for a in sys.argv[1:9])
    wait = float(sys.argv[9])
    d = display.Display()
    atom = lambda name: d.intern_atom(name)
    NET_WM_PID, NET_WM_NAME, UTF8 = atom("_NET_WM_PID"), atom("_NET_WM_NAME"), atom("UTF8_STRING")
    USER_TIME, USER_TIME_WINDOW = atom("_NET_WM_USER_TIME"), atom("_NET_WM_USER_TIME_WINDOW")
    root = d.screen().root

    def prop(w, name, kind=X.AnyPropertyType):
        try:
            p = w.get_full_property(name, kind)
        except Exception:  # a window gone meanwhile
            return None
        return p.value if p else None

    def user_time():
        s = d.create_resource_object("window", strip)
        other = prop(s, USER_TIME_WINDOW, Xatom.WINDOW)
        w = d.create_resource_object("window", other[0]) if other else s
        t = prop(w, USER_TIME, Xatom.CARDINAL)
        return t[0] if t else None

    # The program's windows with a title, found walking the tree; walked again
    # whenever none of them shows.
    def program_windows():
        found, todo = [], [root]
        while todo:
            w = todo.pop()
            try:
                todo += w.query_tree().children
            except Exception:
                continue
            p = prop(w, NET_WM_PID, Xatom.CARDINAL)
            if p and p[0] == pid and w.id != strip:
                name = prop(w, NET_WM_NAME, UTF8) or prop(w, Xatom.WM_NAME, Xatom.STRING)
                if name:
                    found.append(w)
        return found

    windows = program_windows()

    def showing():
        shown = []
        for w in windows:
            try:
                if w.get_attributes().map_state == X.IsViewable:
                    shown.append(w.id)
            except Exception:
                pass
        return shown

    def exercise():
        """The one exercise window showing, None while there is not one."""
        nonlocal windows
        shown = showing()
        if not shown:
            windows = program_windows()
            shown = showing()
        return shown[0] if len(shown) == 1 else None

    def click(cx, cy):
        """Clicks at cx, cy and waits until the program has read the press;
        clicks again after each second without (a click lost on the way is
        seen here at times under load; a second one at the same place does
        nothing more)."""
        before = user_time()
        deadline = time.monotonic() + wait
        while True:
            xtest.fake_input(d, X.MotionNotify, x=cx, y=cy)
            xtest.fake_input(d, X.ButtonPress, 1)
            xtest.fake_input(d, X.ButtonRelease, 1)
            d.sync()
            again = time.monotonic() + 1
            while user_time() == before and time.monotonic() < again:
                time.sleep(0.002)
            if user_time() != before:
                return
            if time.monotonic() > deadline:
                sys.exit("FAIL: the program read no click at %d,%d in %g s" % (cx, cy, wait))
            print("clicking again at %d,%d" % (cx, cy), file=sys.stderr)

    current = exercise()
    for x in range(step // 2, width, step):
        t0 = time.monotonic()
        click(x0 + x, y)
        click(panel_x, panel_y)
        w = exercise()
        deadline = t0 + wait
        while w is None and time.monotonic() < deadline:
            time.sleep(0.005)
            w = exercise()
        if w is None:
            print(x, "none", flush=True)
            return 0
        print(x, w, 0 if w == current else round((time.monotonic() - t0) * 1000),
              flush=True)
        current = w
    return 0


if __name__ == "__main__":
    sys.exit(main())
