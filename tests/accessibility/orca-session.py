#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# One Orca session over the running program (orca-session.sh sets up the
# display, the bus and the speech): the user's gestures, typed with xdotool,
# as the rows of one table, each checked against what Orca said (the SPEECH
# OUTPUT lines of its log), plus what a screen reader reads of the window
# through the accessibility bus (names, the definition as the label's name,
# the focus). Prints one line per row and per check; exits 1 on a failure.
#   orca-session.py LEXIDOR WORKDIR
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

from orca_tools import check, failures, finish, focus_window, Orca, xdotool
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import form_texts  # noqa: E402

PROGRAM, WORK = sys.argv[1], sys.argv[2]
NOT_FOUND = "Término no encontrado."


def pump_bus(seconds):
    """Hands this script's own accessibility listeners their events."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


orca = Orca(WORK, idle=pump_bus)
spoken, settle, give_up = orca.spoken, orca.settle, orca.give_up

if not orca.wait_for(lambda u: u == "Screen reader on.", 30):
    give_up("Orca started and spoke (its log: " + orca.log + ")")

# As `make run` starts it: the real program, nothing set for accessibility;
# Qt turns it on because a screen reader runs.
app_env = dict(os.environ, QT_QPA_PLATFORM="xcb")
orca.program = subprocess.Popen([PROGRAM], env=app_env, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(WORK, "lexidor-stderr.txt"), "w"))
# The window gets the input focus as a window manager would give it, and
# Orca finds it active.
TEXTS = form_texts.load()
CAPTION, CONTROLS = TEXTS["caption"], TEXTS["controls"]
if not focus_window(CAPTION):
    give_up("the window appeared and took the focus")
if not orca.wait_for(lambda u: u == CONTROLS["lblBuscar"]["text"] + " text.", 20):
    give_up("Orca read the window and the search box on start", "; ".join(spoken()))
settle()


# --- The window as the accessibility bus shows it -------------------------------

def find_app():
    for _ in range(100):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name and a.name.lower() == "lexidor":
                return a
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    yield node
    if depth < 12:
        for child in node:
            if child is not None:
                yield from walk(child, depth + 1)


accessible = find_app()
if accessible is None:
    give_up("the program is on the accessibility bus")
nodes = list(walk(accessible))


def named(role, name):
    return [n for n in nodes if n.getRole() == role and n.name == name]


check(len(named(pyatspi.ROLE_FRAME, CAPTION)) == 1, "the window is named by its caption")
box = named(pyatspi.ROLE_TEXT, CONTROLS["txtBuscar"]["name"])
check(len(box) == 1, "the search box is named by the form")
LIST_NAME = CONTROLS["lstLista"]["name"]
lists = [n for n in nodes if n.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX) and n.name == LIST_NAME]
check(len(lists) == 1, "the list is named by the form")
check(len(named(pyatspi.ROLE_PUSH_BUTTON, CONTROLS["cmdBuscar"]["name"])) == 1, "the button is named by the form")
label = [n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.description == CONTROLS["lblDescripcion"]["description"]]
check(len(label) == 1 and label[0].name == "", "the definition area has the form's description, empty at start",
      "; ".join(f"{n.name!r}/{n.description!r}" for n in nodes if n.getRole() == pyatspi.ROLE_LABEL))
if failures:
    give_up("the window's controls are all there")
box, term_list, label = box[0], lists[0], label[0]
TERMS = {child.name for child in term_list if child is not None}
check(len(TERMS) == 61, "the list holds the 61 terms", str(len(TERMS)))

# Besides what Orca says: every focus report the program raises for the list
# or a row, as any screen reader receives it.
list_focus = []


def on_focus(event):
    try:
        source = event.source
        role = source.getRole()
        if role in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_LIST_ITEM):
            if event.type.startswith("object:state-changed:focused") and not event.detail1:
                return
            list_focus.append(f"{event.type.rstrip(':')} {source.name}")
        elif event.type.startswith("object:active-descendant-changed") and source == term_list:
            list_focus.append(f"{event.type} {event.any_data.name if event.any_data else ''}")
    except Exception:  # an object already gone
        pass


for kind in ("focus:", "object:state-changed:focused", "object:active-descendant-changed"):
    pyatspi.Registry.registerEventListener(on_focus, kind)


# --- The gestures, one row each ----------------------------------------------------

def about_the_list(utterance):
    """An utterance that names the list or one of its rows."""
    text = utterance.rstrip(".")
    return text in TERMS or text == LIST_NAME or utterance.startswith("List with")


def notification(text):
    return "notification " + text


def showing_row_other_than(selected):
    """A row in sight in the list, other than `selected`, and its centre."""
    top = term_list.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for child in term_list:
        if child is None or child.name == selected:
            continue
        e = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if e.height > 0 and e.y >= top.y and e.y + e.height <= top.y + top.height:
            return child.name, e.x + e.width // 2, e.y + e.height // 2
    return None, 0, 0


state = {}


def double_click_a_row():
    name, x, y = showing_row_other_than("CSN")
    if not name:
        give_up("a row other than CSN is in sight in the list")
    state["picked"] = name
    xdotool("mousemove", "--sync", str(x), str(y))
    xdotool("click", "--repeat", "2", "--delay", "80", "1")


def definition_spoken(term_key):
    """The notification expected for the definition of a term (known only
    once the label shows it)."""
    return lambda: notification(state["definitions"].get(term_key() if callable(term_key) else term_key, "?"))


# The definitions, as the program shows them, are read from its label (its
# accessible name) after each lookup; the row checks that Orca said exactly
# that text.
state["definitions"] = {}


def remember_definition(term):
    def step():
        settle()
        name = term() if callable(term) else term
        # Every definition begins with its term and a colon.
        check(label.name.startswith(f"{name}: "), f"the definition of {name} is shown", label.name)
        state["definitions"][name] = label.name
    return step


def key(*names):
    return lambda: xdotool("key", "--delay", "120", *names)


def type_text(text):
    return lambda: xdotool("type", "--delay", "120", text)


def picked():
    return state.get("picked")


def row_below(term):
    names = [child.name for child in term_list if child is not None]
    return names[names.index(term) + 1] if term in names[:-1] else "?"


def reads_rows(said):
    """Tab into the list reads the list and the row the user lands on; Down
    and Up read the row below and that row again."""
    if "List with 61 items." not in said:
        return False, "the list was not read"
    rows = [u.rstrip(".") for u in said[said.index("List with 61 items.") + 1:] if u.rstrip(".") in TERMS]
    if len(rows) != 3:
        return False, "rows read: " + " / ".join(rows)
    landed = rows[0]
    return rows == [landed, row_below(landed), landed], " / ".join(rows)


# Each row: what the user does, what Orca must say in that order, the
# announcements Orca must make (exactly these, each once), whether nothing
# may name the list or a row (the focus is not in the list), and a check of
# its own.
ROWS = [
    dict(name="Enter in the box", steps=[type_text("cetra"), key("Return"), remember_definition("CETRA")],
         notes=[definition_spoken("CETRA")], quiet_list=True),
    dict(name="Backspace in the box: the list moves back silently", steps=[key("BackSpace")], quiet_list=True),
    dict(name="a term that finds nothing: Enter on \"cetr\"", steps=[key("Return")],
         notes=[lambda: notification(NOT_FOUND)], quiet_list=True),
    dict(name="Buscar from the keyboard: csn, Shift+Tab, Space",
         steps=[key("ctrl+a"), type_text("csn"), key("shift+Tab"), key("space"), remember_definition("CSN")],
         say=["Buscar push button."], notes=[definition_spoken("CSN")], quiet_list=True),
    dict(name="double-click a row, then Enter in the list",
         # Whether Orca reads the row the click lands on depends on how fast
         # the click reaches it (it merges the focus events of a double-click);
         # the Tab row checks that rows are read.
         steps=[double_click_a_row, key("Return"), remember_definition(picked)], say=[],
         notes=[definition_spoken(picked)]),
    dict(name="Tab round into the list, then Down and Up",
         steps=[key("Tab"), key("Tab"), key("Tab"), key("Down"), key("Up")], say=[LIST_NAME + "."],
         own=reads_rows),
]


def in_order(expected, said):
    at = 0
    for utterance in said:
        if at < len(expected) and utterance == expected[at]:
            at += 1
    return at == len(expected)


print("row | what Orca said", flush=True)
for row in ROWS:
    name = row["name"]
    before = len(spoken())
    list_focus.clear()
    for step in row["steps"]:
        step()
        settle()
    said = spoken()[before:]
    print(f"{name} | " + " / ".join(said), flush=True)
    expected = [e() if callable(e) else e for e in row.get("say", [])]
    notes = [n() if callable(n) else n for n in row.get("notes", [])]
    heard = [u for u in said if u.startswith("notification ")]
    if expected:
        check(in_order(expected, said), f"{name}: Orca said " + " / ".join(expected))
    check(heard == notes, f"{name}: " + (f"Orca spoke {' / '.join(notes)} once" if notes else "no announcement"),
          " / ".join(heard))
    if row.get("quiet_list"):
        talk = [u for u in said if about_the_list(u)]
        check(not talk, f"{name}: nothing names the list or a row", " / ".join(talk))
        check(not list_focus, f"{name}: no focus reported for the list or a row", " / ".join(list_focus))
    else:
        check(bool(list_focus), f"{name}: the list and its row report the focus", " / ".join(list_focus))
    if "own" in row:
        ok, detail = row["own"](said)
        check(ok, f"{name}: each row is read", detail)
    if name == "Enter in the box":
        check(box.getState().contains(pyatspi.STATE_FOCUSED), "the lookup left the focus in the search box")

check(any("SPEECH DISPATCHER: Speaking" in line for line in orca.log_text().splitlines()),
      "Orca's speech went through speech-dispatcher")
orca.stop()
finish()
