#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads the running Lexidor window through the desktop accessibility bus, as
# a screen reader does, types a term and presses Enter (xdotool), and checks
# that the definition can be read and that its change was announced while
# the focus stayed in the search box. Prints what it found; exits 1 on a
# failure. Bounded: every wait has a deadline.
# usage: read-window.py TERM DEFINITION
import sys
import time

import pyatspi
from gi.repository import GLib

TERM, DEFINITION = sys.argv[1], sys.argv[2]
failures = []


def check(ok, what, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + (f" ({detail})" if detail else ""))
    if not ok:
        failures.append(what)


def pump(seconds, until=lambda: False):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)
    return until()


def find_app(seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower() == "lexidor":
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node
    if depth > 12:
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def by_role(app, role):
    return [n for n in walk(app) if n.getRole() == role]


app = find_app(20)
check(app is not None, "the program is on the accessibility bus")
if app is None:
    sys.exit(1)

frames = by_role(app, pyatspi.ROLE_FRAME)
check(any(f.name == "Lexidor de Términos" for f in frames), "the window is named by its caption",
      ", ".join(f.name for f in frames))

boxes = [n for n in by_role(app, pyatspi.ROLE_TEXT) if n.name == "Palabra clave"]
check(len(boxes) == 1, "the search box is named Palabra clave")
lists = [n for n in walk(app) if n.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX) and n.name == "Términos"]
check(len(lists) == 1, "the list is named Términos")
buttons = [n for n in by_role(app, pyatspi.ROLE_PUSH_BUTTON) if n.name == "Buscar"]
check(len(buttons) == 1, "the button is named Buscar")
labels = by_role(app, pyatspi.ROLE_LABEL)
definition = [n for n in labels if n.description == "Definición"]
check(len(definition) == 1, "the definition area is described as Definición",
      "; ".join(f"{n.name!r}/{n.description!r}" for n in labels))
if failures:
    sys.exit(1)
definition = definition[0]
box = boxes[0]


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


announced = []


def on_event(event):
    try:
        if event.source == definition:
            announced.append((event.type, str(event.any_data)))
    except Exception:  # an object already gone
        pass


for kind in ("object:property-change:accessible-name", "object:text-changed", "object:visible-data-changed"):
    pyatspi.Registry.registerEventListener(on_event, kind)

check(definition.name == "", "the definition area starts empty", repr(definition.name))

import subprocess  # noqa: E402

# No window manager runs on the virtual display: give the window the input
# focus as one would.
subprocess.run(["xdotool", "search", "--sync", "--name", "Lexidor de Términos", "windowfocus", "--sync"],
               check=True, timeout=30)
pump(0.5)
subprocess.run(["xdotool", "type", "--delay", "50", TERM], check=True, timeout=30)
subprocess.run(["xdotool", "key", "Return"], check=True, timeout=30)

pump(10, lambda: definition.name == DEFINITION and announced)
check(definition.name == DEFINITION, "the definition is read as the label's name", repr(definition.name))
spoken = text_of(definition)
check(spoken is None or spoken == DEFINITION, "its text, where a text interface is offered, is the definition",
      repr(spoken))
check(bool(announced), "the change was announced", "; ".join(t for t, _ in announced))
check(box.getState().contains(pyatspi.STATE_FOCUSED), "the focus stayed in the search box")

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
