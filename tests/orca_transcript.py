#!/usr/bin/python3
"""Works each exercise window with real keys while Orca runs, then reads the
learning record (F7) through, writes what Orca spoke after each key (from its
debug log) to OUTDIR/<window>.txt and judges it against what AT-SPI shows.
Usage: orca_transcript.py PID LOG OUTDIR
(ORCA_DEBUG=1 names the processes watched for a step's end on stderr)."""
import os
import re
import subprocess
import sys
import time

import pyatspi

# The exercise windows in the strip's tab order, and the strip's title.
WINDOWS = ["fmSchaetzen", "fmRabatt", "fmDiagramm", "fmFlaechen", "fmSteigung", "fmWuerfeln",
           "fmZins", "fmWachstum", "fmGeldanlage", "fmPauken", "fmBoerse"]
STRIP = "Prozentrechnung"
RECORD = "Lernverlauf"
MOST_UTTERANCES = 6
WAIT = float(os.environ.get("ORCA_WAIT", "30"))
NUMBER = re.compile(r"\d+(?:[.,]\d+)*")
# An utterance, its further lines joined by \r; a key's echo ends in a space and
# has one before the voice (a single character only the latter).
SPEECH = re.compile(r"^\S+ - SPEECH OUTPUT: '(.*)'(?: voice=\S+)?( ?)(?:\{.*\}|\[.*\]|None)?$", re.M)
PID, LOG = 0, ""
# Quiet for this long (s), with nothing of the desktop running, ends a step
# once Orca has spoken (SILENCE where it has not). Shorter quiet lost
# utterances to the next step on a busy machine.
QUIET, SILENCE = 0.5, 0.5
WATCHED = []


def until(what, get, interval=0.05):
    deadline = time.time() + WAIT
    while not (value := get()):
        if time.time() > deadline:
            sys.exit("FAIL: timed out waiting for " + what)
        time.sleep(interval)
    return value


def watch():
    """What takes part in what a key brings: the X server (XVFB_PID), all
    that runs under this run's session bus (the parent of orca_check.sh): the
    program, Orca, the window manager, and the accessibility bus with its
    registry, which leave that tree (found by their socket in this run's
    XDG_RUNTIME_DIR); not the speech synthesis, which Orca has handed the text
    to when it logs it."""
    session = os.getpid()
    for _ in range(2):
        session = int(open("/proc/%d/stat" % session).read().rsplit(")", 1)[1].split()[1])
    children, roots = {}, [session]
    for p in filter(str.isdigit, os.listdir("/proc")):
        try:
            fields = open("/proc/%s/stat" % p).read()
        except OSError:
            continue
        name, rest = fields[fields.index("(") + 1:fields.rindex(")")], fields.rsplit(")", 1)[1]
        children.setdefault(int(rest.split()[1]), []).append((int(p), name))
        try:
            if os.environ["XDG_RUNTIME_DIR"] + "/at-spi/" in open("/proc/%s/cmdline" % p).read():
                roots.append(int(p))
        except (OSError, KeyError):
            pass
    found, todo = roots[1:], list(roots)
    while todo:
        for pid, name in children.get(todo.pop(), []):
            if not name.startswith(("speech-dispatch", "sd_")) and pid not in (os.getpid(), *found):
                todo.append(pid)
                found.append(pid)
    return found + [int(os.environ["XVFB_PID"])]


def activity():
    """The watched processes' CPU time, None while a thread of theirs runs or
    waits to run."""
    ticks = 0
    for pid in WATCHED:
        try:
            tasks = os.listdir("/proc/%d/task" % pid)
        except OSError:
            continue
        for tid in tasks:
            try:
                stat = open("/proc/%d/task/%s/stat" % (pid, tid)).read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if stat[0] == "R":
                return None
            ticks += int(stat[11]) + int(stat[12])
    return ticks


def settled(mark):
    """Waits until Orca's log has not grown for QUIET s (SILENCE s while
    nothing was spoken since `mark`), in which the program, Orca and the
    buses neither ran nor used CPU time: all a key brought is then spoken (a
    silence alone also ends where the program is still busy)."""
    seen = []

    def quiet():
        seen.append((os.path.getsize(LOG), activity()))
        polls = round((QUIET if SPEECH.search(since(mark)) else SILENCE) / 0.02)
        return len(seen) > polls and seen[-1][1] is not None and \
            seen[-polls - 1:] == [seen[-1]] * (polls + 1)
    until("Orca and the program to be quiet", quiet, 0.02)


def since(mark):
    """Orca's debug log after size `mark`, an entry's further lines joined by \r."""
    with open(LOG, "rb") as f:
        f.seek(mark)
        return f.read().decode("utf-8", "replace").replace("\n" + " " * 18, "\r")


def spoken(mark):
    """Utterances since `mark` as (text, whether a key's echo)."""
    return [(m[1].replace("\r", "\n"), m[1][-1:] + m[2] == "  ")
            for m in SPEECH.finditer(since(mark))]


def showing(acc):
    if acc is not None and acc.getState().contains(pyatspi.STATE_SHOWING):
        yield acc
        for child in acc:
            yield from showing(child)


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def active():
    return next((w for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.get_process_id() == PID for w in app
                 if w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)), None)


def snapshot():
    """The active window: what has the keyboard (name, text, whether a pick list,
    place) and the texts shown but a drawing's parts, whose numbers are the task's."""
    window = active()
    objects, texts = list(showing(window)), []
    for a in (a for a in objects if a.parent.getRole() != pyatspi.ROLE_IMAGE):
        role, editable = a.getRole(), a.getState().contains(pyatspi.STATE_EDITABLE)
        texts += [a.description, a.name if role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE) else
                  text_of(a) if role == pyatspi.ROLE_TEXT and not editable else None]
        if role == pyatspi.ROLE_TABLE:  # of a table, the row that asks for a value
            t = a.queryTable()
            rows = [[t.getAccessibleAt(r, c).name for c in range(t.nColumns)]
                    for r in range(t.nRows)]
            texts += [" ".join(row) for row in rows if "gesucht" in row]
    texts = [t for t in texts if t]
    s = dict(window=window and window.name, name="", text=None, combo=False, at=None, texts=texts,
             numbers=sorted(set(NUMBER.findall(" ".join(texts)))), description="", row=[], rows=0)
    for a in [a for a in objects if a.getState().contains(pyatspi.STATE_FOCUSED)][-1:]:
        combo = a.getRole() == pyatspi.ROLE_COMBO_BOX
        s.update(name=a.name, combo=combo, text=text_of(a) if combo or a.getState().contains(
            pyatspi.STATE_EDITABLE) else None, description=a.description,
            at=(a.getRole(), *a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)))
        if a.getRole() == pyatspi.ROLE_TABLE_CELL:  # the cells of its row
            t = a.parent.queryTable()
            r = t.getRowAtIndex(a.getIndexInParent())
            s.update(rows=t.nRows, row=[t.getAccessibleAt(r, c).name for c in range(t.nColumns)])
    return s


def press(steps, key, kind, ready=lambda: True, echoed=True):
    """Presses `key`, waits until `ready` and Orca has seen the key (not the
    strip's shortcuts, which the program takes before Orca is told: `echoed`
    False) and all is quiet, and adds what was spoken and what has the
    keyboard as a step to `steps`."""
    mark = os.path.getsize(LOG)
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True, timeout=WAIT)
    until("the program after " + key, ready)
    if echoed:
        until("Orca to see the key", lambda: "PROCESS ATSPI_KEY" in since(mark))
    settled(mark)
    utterances = spoken(mark)
    s = dict(key=key, kind=kind, spoken=[u for u, _ in utterances],
             heard=[u for u, echo in utterances if not echo], **snapshot())
    s["moved"] = not steps or s["at"] != steps[-1]["at"]
    steps.append(s)
    return s


def work(previous):
    """Arrives at the next window with Ctrl+Tab; Tabs through its fields and
    back (a pick list gets one Down), evaluates, closes the verdict, asks anew."""
    steps, picked = [], set()

    def step(key, kind, ready=lambda: True):
        s = press(steps, key, kind, ready)
        if s["combo"] and s["at"] not in picked:
            picked.add(s["at"])
            step("Down", "pick")
        return s

    step("ctrl+Tab", "arrive", lambda: (w := active()) and w.name not in (previous, STRIP))
    title = steps[0]["window"]
    seen = set()
    while len(seen) < 12 and steps[-1]["at"] not in seen:
        seen.add(steps[-1]["at"])
        step("Tab", "tab")
    for _ in seen:
        step("shift+Tab", "back")
    box = lambda _: (w := active()) is not None and w.getRole() in (pyatspi.ROLE_ALERT,
                                                                     pyatspi.ROLE_DIALOG)
    # F9 is held back while a task is still being shown (growth animates it).
    until("a box after F9", lambda: box(step("F9", "early")) or time.sleep(2))
    steps[-1]["kind"] = "verdict"
    step("Return", "close", lambda: (w := active()) and w.name == title)
    step("F2", "new")
    return title, steps


def record(title):
    """F7 in exercise window `title` shows the learning record; Tab goes into
    its table and Down through every row, Tab on to the chart and the
    buttons up to OK, whose Return closes it."""
    steps = []
    press(steps, "F7", "record", lambda: (w := active()) and w.name == RECORD, echoed=False)
    press(steps, "Tab", "row")
    for _ in range(steps[-1]["rows"] - 1):
        press(steps, "Down", "row")
    press(steps, "Tab", "chart")
    while steps[-1]["name"] != "OK" and len(steps) < 20:
        press(steps, "Tab", "tab")
    press(steps, "Return", "close", lambda: (w := active()) and w.name == title)
    return steps


def said(text, heard):
    """Whether `text` was spoken whole, not as a part of a number or word."""
    return bool(text) and re.search(r"(?<![\w,.])" + re.escape(text) + r"(?![\d]|[.,]\d)",
                                    "\n".join(heard)) is not None


def need(texts, heard):
    missing = [t for t in texts if not said(t, heard)]
    return "%s not in %s" % (missing, heard) if missing else ""


def field_name(s):
    if s["moved"]:
        return need([s["name"]], s["heard"]) if s["name"] else "a field without a name"


def field_text(s):
    """The whole text once the field is named (an echo of a change before is no reading)."""
    named = [i for i, u in enumerate(s["heard"]) if s["name"] and s["name"] in u] + [0]
    return need([s["text"]], s["heard"][named[0]:]) if s["moved"] and s["text"] else None


# What must have been spoken: a check's name, the kinds of step it judges and,
# for a step s after the step p in window t, "" when it passed, else the
# failure; None: nothing to judge. The box tells the verdict and its texts;
# after it the keyboard is back in the exercise and its field named.
CHECKS = [
    ("window", {"arrive"}, lambda s, p, t: need([t], s["heard"])),
    ("name", {"arrive", "tab", "back"}, lambda s, p, t: field_name(s)),
    ("text", {"arrive", "tab", "back"}, lambda s, p, t: field_text(s)),
    ("picked", {"pick"}, lambda s, p, t: need([s["text"]], s["heard"]) if s["text"]
     else "no value over AT-SPI, heard %s" % s["heard"]),
    ("verdict", {"verdict"}, lambda s, p, t: need(s["texts"], s["heard"]) if any(
        w in x for x in s["texts"] for w in ("Richtig!", "Leider falsch."))
     else "no verdict in %s" % s["texts"]),
    ("back", {"close"}, lambda s, p, t: field_name(s) if s["window"] == t
     else "the keyboard in %s" % s["window"]),
    ("F2 new", {"new"},
     lambda s, p, t: "" if set(s["heard"]) - set(p["heard"]) else "nothing new"),
    ("numbers", {"arrive", "new"},
     lambda s, p, t: need(s["numbers"], s["heard"]) if s["numbers"] else "no numbers shown"),
    ("record", {"record"}, lambda s, p, t: need([RECORD, s["name"]], s["heard"])),
    ("rows", {"row"}, lambda s, p, t: need(s["row"], s["heard"]) if s["row"]
     else "not in the table: %s" % s["name"]),
    ("chart", {"chart"}, lambda s, p, t: need([s["name"], s["description"]], s["heard"])
     if s["description"] else "no description on %s" % s["name"]),
    ("<= %d" % MOST_UTTERANCES, None, lambda s, p, t: "" if len(
        s["spoken"]) <= MOST_UTTERANCES else "%d utterances: %s" % (len(s["spoken"]), s["spoken"])),
]


def judge(steps, title):
    """Per check: None (nothing judged), "" (passed) or the first failure."""
    for name, kinds, check in CHECKS:
        result = None
        for i, s in enumerate(steps):
            if kinds is None or s["kind"] in kinds:
                r = check(s, steps[i - 1] if i else {"heard": []}, title)
                if r is not None and not result:
                    result = r and "%s: %s" % (s["key"], r)
        yield result


def main():
    global PID, LOG, WATCHED
    PID, LOG, out = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    table = []
    title = until("the first exercise", lambda: (w := active()) and w.name != STRIP and w.name)
    until("Orca to speak it", lambda: said(title, [u for u, _ in spoken(0)]))
    WATCHED = watch()
    if os.environ.get("ORCA_DEBUG"):
        print("watched:", [(p, open("/proc/%d/comm" % p).read().strip()) for p in WATCHED],
              file=sys.stderr)
    settled(os.path.getsize(LOG))
    def transcript(name, steps):
        with open(os.path.join(out, name + ".txt"), "w", encoding="utf-8") as f:
            for s in steps:
                f.write("[%s] %s: %r = %r\n" % (s["key"], s["window"], s["name"], s["text"]))
                f.writelines("    %s\n" % u.replace("\n", "\n    ") for u in s["spoken"])

    for name in WINDOWS[1:] + WINDOWS[:1]:
        title, steps = work(title)
        transcript(name[2:], steps)
        table.append((name, list(judge(steps, title))))
    # The record's close is judged in the exercise window it came from.
    steps = record(title)
    transcript(RECORD, steps)
    table.append(("fm" + RECORD, list(judge(steps, title))))
    if os.environ.get("ORCA_TRANSCRIPTS_ONLY"):
        return 0
    print("%-13s" % "" + "".join(" %-8s" % c[0] for c in CHECKS))
    for name, results in table:
        print("%-13s" % name + "".join(" %-8s" % ("--" if r is None else "FAIL" if r else "ok")
                                       for r in results))
    failures = [(n, c[0], r) for n, results in table for c, r in zip(CHECKS, results) if r]
    print("".join("\n%s, %s: %s" % f for f in failures))
    print("%d passed, %d failed" % (sum(r == "" for _, rs in table for r in rs), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
