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
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PAGE, WORK = os.path.abspath(sys.argv[1]), sys.argv[2]
ACCESSIBILITY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility")
LOG = os.path.join(WORK, "orca-debug.txt")
CSN = "CSN: Consejo de Seguridad Nuclear."
CETRA = "CETRA: Centro de Transmisiones, situado en el CECOP."
NOT_FOUND = "Término no encontrado."
TERMS = ("CAT", "CECOP", "CETRA", "CSN", "Términos")
failures = []


def check(ok, what, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + (f" ({detail})" if detail else ""), flush=True)
    if not ok:
        failures.append(what)


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")


def spoken():
    try:
        with open(LOG, encoding="utf-8", errors="replace") as f:
            return [m.group(1).strip() for m in SPOKEN.finditer(f.read())]
    except FileNotFoundError:
        return []


def settle(quiet=0.8, limit=10.0):
    """Until Orca's log has not grown for `quiet` seconds."""
    start, size, since = time.monotonic(), -1, time.monotonic()
    while time.monotonic() - start < limit:
        now = os.path.getsize(LOG) if os.path.exists(LOG) else 0
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return
        time.sleep(0.05)


def wait_for(test, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if any(test(u) for u in spoken()):
            return True
        time.sleep(0.1)
    return False


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


orca_env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
orca_env.pop("LANGUAGE", None)
orca = subprocess.Popen(["/usr/bin/python3", os.path.join(ACCESSIBILITY, "run-orca.py"), LOG], env=orca_env,
                        stdout=subprocess.DEVNULL, stderr=open(os.path.join(WORK, "orca-stderr.txt"), "w"))
browser = None


def stop():
    if browser and browser.poll() is None:
        browser.terminate()
        try:
            browser.wait(10)
        except subprocess.TimeoutExpired:
            browser.kill()
    if browser:
        shutil.rmtree(browser_tmp, ignore_errors=True)
    if orca.poll() is None:
        orca.send_signal(signal.SIGTERM)
        try:
            orca.wait(15)
        except subprocess.TimeoutExpired:
            orca.kill()


def give_up(what, detail=""):
    check(False, what, detail)
    stop()
    sys.exit(1)


if not wait_for(lambda u: u == "Screen reader on.", 30):
    give_up("Orca started and spoke")

# Chromium as a user runs it, on the display, its accessibility on for the
# screen reader; the page in an app window of its own.
# Its temporary folder holds the profile's lock socket, whose path must stay
# under the 107 bytes of a Unix socket however deep the build tree lies.
browser_tmp = tempfile.mkdtemp(prefix="lexidor-web-", dir="/tmp")
browser = subprocess.Popen(
    ["/usr/bin/chromium", "--no-sandbox", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
     "--disable-background-networking", "--disable-component-update", "--disable-sync",
     "--force-renderer-accessibility", "--password-store=basic", "--user-data-dir=" + os.path.join(WORK, "chromium"),
     "--window-size=700,600", "--app=file://" + PAGE],
    env=dict(os.environ, TMPDIR=browser_tmp), stdout=subprocess.DEVNULL, stderr=open(os.path.join(WORK, "chromium-stderr.txt"), "w"))
window = subprocess.run(["xdotool", "search", "--sync", "--name", "Lexidor de Términos"], capture_output=True,
                        text=True, timeout=30).stdout.split()
if not window:
    give_up("Chromium's window with the page appeared")
xdotool("windowfocus", "--sync", window[-1])
if not wait_for(lambda u: "Palabra clave" in u, 20):
    give_up("Orca read the page and its search box on start", " / ".join(spoken()))
settle()

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
        settle(quiet=0.5)
    settle()
    said = spoken()[before:]
    print(f"{name} | " + " / ".join(said), flush=True)
    for text in (CSN, CETRA, NOT_FOUND):
        want = lookups.count(text)
        got = sum(1 for u in said if u.rstrip("\u00a0 ") == text)
        check(got == want, f"{name}: {text!r} said {want} time(s)", f"{got}")
    about_list = [u for u in said if u.rstrip(".") in TERMS or "list box" in u.lower() or "List with" in u]
    check(not about_list, f"{name}: nothing names the list or a row", " / ".join(about_list))

stop()
print(f"{len(failures)} failed", flush=True)
sys.exit(1 if failures else 0)
