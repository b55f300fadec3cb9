#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The shipped Qt program driven from outside, as a user drives it: each row
# of the case table (cases.txt) starts the program afresh, types and clicks
# with the X keyboard and mouse (xdotool), reads what the window shows
# through the desktop accessibility bus and ends the program with Alt+C.
# (What Orca makes of it is tests/accessibility/.) Prints what it found;
# exits 1 on a failure. Every wait has a deadline.
# usage: drive-qt.py LEXIDOR CASES
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, CASES = sys.argv[1], sys.argv[2]
failures = []


def check(ok, what, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + (f" ({detail})" if detail else ""))
    if not ok:
        failures.append(what)


def read_cases(path):
    rows = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            name, steps, text, row, top, definition, focus = (f.strip() for f in line.split("|"))
            rows.append({"name": name, "steps": [s.strip() for s in steps.split(";") if s.strip()],
                         "text": text, "row": int(row), "top": int(top), "definition": definition,
                         "focus": focus})
    return rows


def pump(seconds, until=lambda: False):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)
    return until()


def find_app(program, seconds):
    # The bus's news (an application added) arrives through the main loop.
    # A program that has ended will not come: no point waiting for it.
    found = []

    def look():
        found[:] = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == program.pid]
        return bool(found) or program.poll() is not None

    pump(seconds, look)
    return found[0] if found else None


def walk(node, depth=0):
    yield node
    if depth > 12:
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


def centre(node):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return str(x + width // 2), str(y + height // 2)


class Window:
    """The controls of one running program, found as a screen reader finds them."""

    def __init__(self, app):
        nodes = list(walk(app))
        self.box = next((n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT and n.name == "Palabra clave"), None)
        self.list = next((n for n in nodes if n.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX)
                          and n.name == "Términos"), None)
        self.button = next((n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Buscar"),
                           None)
        self.definition = next((n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL
                                and n.description == "Definición"), None)
        self.named = {"txtBuscar": self.box, "lstLista": self.list, "cmdBuscar": self.button}

    def complete(self):
        return None not in (self.box, self.list, self.button, self.definition)

    def state(self):
        text = self.box.queryText()
        rows = [self.list.getChildAtIndex(i) for i in range(self.list.childCount)]
        list_top = self.list.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[1]
        selected = [i for i, r in enumerate(rows) if r.getState().contains(pyatspi.STATE_SELECTED)]
        # The first row shown whole at the top of the list.
        shown = [i for i, r in enumerate(rows) if r.getState().contains(pyatspi.STATE_SHOWING)
                 and r.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[1] >= list_top]
        focus = [name for name, node in self.named.items() if node.getState().contains(pyatspi.STATE_FOCUSED)]
        return {"text": text.getText(0, text.characterCount), "row": selected[0] if len(selected) == 1 else -1,
                "top": shown[0] if shown else -1, "definition": self.definition.name,
                "focus": focus[0] if len(focus) == 1 else ",".join(focus)}


def do(window, step):
    verb, _, argument = step.partition(" ")
    if verb == "type":
        xdotool("type", "--delay", "60", argument)
    elif verb == "key":
        xdotool("key", argument)
    elif verb == "dblclick":
        xdotool("mousemove", *centre(window.list.getChildAtIndex(int(argument))), "click", "--repeat", "2",
                "--delay", "60", "1")
    elif verb == "click" and argument == "Buscar":
        xdotool("mousemove", *centre(window.button), "click", "1")
    else:
        raise ValueError(f"cannot read the step {step!r}")


def run(case):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([PROGRAM], env=env)
    try:
        app = find_app(program, 30)
        ended = "" if program.poll() is None else f"it ended with status {program.returncode}"
        check(app is not None, f"{case['name']}: the program is on the accessibility bus", ended)
        if app is None:
            return
        window = Window(app)
        if not window.complete():
            check(False, f"{case['name']}: the window's controls are there")
            return
        # No window manager runs on the virtual display: give the window the
        # input focus as one would.
        xdotool("search", "--sync", "--all", "--pid", str(program.pid), "--name", "Lexidor de Términos",
                "windowfocus", "--sync")
        pump(0.3)
        for step in case["steps"]:
            do(window, step)
            pump(0.2)
        want = {k: case[k] for k in ("text", "row", "top", "definition", "focus")}
        pump(10, lambda: window.state() == want)
        got = window.state()
        for key, value in want.items():
            check(got[key] == value, f"{case['name']}: {key}", f"{got[key]!r}, want {value!r}")

        xdotool("key", "alt+c")
        try:
            status = program.wait(10)
            check(status == 0, f"{case['name']}: Alt+C ends the program", f"status {status}")
        except subprocess.TimeoutExpired:
            check(False, f"{case['name']}: Alt+C ends the program", "still running after 10 s")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


for case in read_cases(CASES):
    run(case)
print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
