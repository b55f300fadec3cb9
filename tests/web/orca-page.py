#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Orca over the web edition in Chromium, as a blind user meets the page
# (tests/accessibility/orca-session.sh sets up the display, the bus and the
# speech; ORCA_SESSION points it here): Chromium on the virtual display with
# its accessibility on, the page opened from disk, the user's keys typed
# with xdotool, each row checked against what Orca said (the SPEECH OUTPUT
# lines of its log): each lookup read out once, again when repeated, "not
# found" for a text that is no term, and nothing about the list while the
# user types in the box. Exits 1 on a failure.
#   orca-page.py lexidor.html WORKDIR
import atexit
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
from orca_tools import check, finish, focus_window, Orca, xdotool  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import form_texts  # noqa: E402

PAGE, WORK = os.path.abspath(sys.argv[1]), sys.argv[2]
TEXTS = form_texts.load()
CAPTION, BOX = TEXTS["caption"], TEXTS["controls"]["txtBuscar"]["name"]
DEFINITIONS = {r["term"]: r["definition"] for r in TEXTS["rows"]}
CSN, CETRA = DEFINITIONS["CSN"], DEFINITIONS["CETRA"]
NOT_FOUND = "Término no encontrado."
TERMS = ("CAT", "CECOP", "CETRA", "CSN", TEXTS["controls"]["lstLista"]["name"])

orca = Orca(WORK)
spoken, settle, give_up = orca.spoken, orca.settle, orca.give_up
if not orca.wait_for(lambda u: u == "Screen reader on.", 30):
    give_up("Orca started and spoke")

# Chromium as a user runs it, on the display, its accessibility on for the
# screen reader; the page in an app window of its own.
# Its temporary folder holds the profile's lock socket, whose path must stay
# under the 107 bytes of a Unix socket however deep the build tree lies.
browser_tmp = tempfile.mkdtemp(prefix="lexidor-web-", dir="/tmp")
atexit.register(shutil.rmtree, browser_tmp, True)
# A Spanish user's browser: Spanish among the languages it reads, so it
# offers no translation of the Spanish page (a bar that would take the
# reader's attention), and translation off altogether.
profile = os.path.join(WORK, "chromium")
os.makedirs(os.path.join(profile, "Default"), exist_ok=True)
with open(os.path.join(profile, "Default", "Preferences"), "w") as f:
    json.dump({"translate": {"enabled": False}, "intl": {"accept_languages": "es-ES,es"}}, f)
orca.program = browser = subprocess.Popen(
    ["/usr/bin/chromium", "--no-sandbox", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
     "--disable-background-networking", "--disable-component-update", "--disable-sync",
     "--force-renderer-accessibility", "--password-store=basic",
     "--lang=es-ES", "--disable-features=Translate", "--user-data-dir=" + profile,
     "--window-size=700,600", "--app=file://" + PAGE],
    env=dict(os.environ, TMPDIR=browser_tmp), stdout=subprocess.DEVNULL, stderr=open(os.path.join(WORK, "chromium-stderr.txt"), "w"))
if not focus_window(CAPTION):
    give_up("Chromium's window with the page appeared and took the focus")
if not orca.wait_for(lambda u: BOX in u, 8):
    # The box has the focus from the page's load, and Orca names it as it
    # reads the page. Where it has not yet (a slow start), the user hears it
    # on coming back to the window: the focus goes to the display's root
    # window and back, as when switching applications.
    root = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True, timeout=10).stdout
    root_id = next(line.split()[3] for line in root.splitlines() if "Window id:" in line)
    subprocess.run(["xdotool", "windowfocus", "--sync", root_id], capture_output=True, timeout=10)
    focus_window(CAPTION)
    if not orca.wait_for(lambda u: BOX in u, 20):
        give_up("Orca read the page and its search box on start", " / ".join(spoken()))
settle(at_least=0, quiet=0.8)

# Each row: the keys, what Orca must say among the rest (each lookup's text
# exactly once), and that nothing names the list or a row.
ROWS = [
    ("c, e, t, r, a, then Enter", [("type", "cetra"), ("key", "Return")], [CETRA]),
    ("Enter again: the same definition, read again", [("key", "Return")], [CETRA]),
    ("Backspace, then Enter on \"cetr\"", [("key", "BackSpace"), ("key", "Return")], [NOT_FOUND]),
    ("the box emptied, c, s, n, then Enter", [("key", "ctrl+a"), ("type", "csn"), ("key", "Return")], [CSN]),
]
print("row | what Orca said", flush=True)
for name, keys, lookups in ROWS:
    before = len(spoken())
    for kind, what in keys:
        xdotool(kind, "--delay", "150", what)
        settle(at_least=0, quiet=0.5)
    settle(at_least=0, quiet=0.8)
    said = spoken()[before:]
    print(f"{name} | " + " / ".join(said), flush=True)
    for text in (CSN, CETRA, NOT_FOUND):
        want = lookups.count(text)
        got = sum(1 for u in said if u.rstrip("\u00a0 ") == text)
        check(got == want, f"{name}: {text!r} said {want} time(s)", f"{got}")
    about_list = [u for u in said if u.rstrip(".") in TERMS or "list box" in u.lower() or "List with" in u]
    check(not about_list, f"{name}: nothing names the list or a row", " / ".join(about_list))

orca.stop()
finish()
