# SPDX-License-Identifier: MIT
# What the Orca tests share (orca-session.py over the Qt program,
# tests/web/orca-page.py over the web edition): Orca started on the test's
# display and bus (run-orca.py), what it has said so far (the SPEECH OUTPUT
# lines of its debug log), waiting until it has finished speaking, the
# checks' report, and the X keyboard and mouse.
import os
import re
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")
failures = []


def check(ok, what, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + (f" ({detail})" if detail else ""), flush=True)
    if not ok:
        failures.append(what)
    return ok


def finish():
    print(f"{len(failures)} failed", flush=True)
    sys.exit(1 if failures else 0)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


def focus_window(name, seconds=30):
    """Gives the input focus to the shown window named `name`, as a window
    manager would (none runs on the virtual display), once it has appeared;
    returns it, or None after `seconds`. A browser names more than one
    window so while it starts, and some go before they can take the focus."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True,
                               text=True, timeout=10).stdout.split()
        for window in reversed(found):
            try:
                if subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True,
                                  timeout=5).returncode == 0:
                    return window
            except subprocess.TimeoutExpired:
                pass
        time.sleep(0.2)
    return None


class Orca:
    """Orca running for one test; `stop` also ends the program under test
    (set `program` to its process)."""

    def __init__(self, work, idle=time.sleep):
        self.log = os.path.join(work, "orca-debug.txt")
        self.idle = idle  # how to pass a moment (a test with listeners pumps its bus)
        self.program = None
        # Orca's messages in English, whatever the machine's language.
        env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
        env.pop("LANGUAGE", None)
        self.process = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "run-orca.py"), self.log], env=env,
                                        stdout=subprocess.DEVNULL,
                                        stderr=open(os.path.join(work, "orca-stderr.txt"), "w"))

    def log_text(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def spoken(self):
        """Everything Orca has said so far, in order."""
        return [m.group(1).strip() for m in SPOKEN.finditer(self.log_text())]

    def wait_for(self, test, seconds):
        """Until Orca has said something that passes `test`."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(test(u) for u in self.spoken()):
                return True
            self.idle(0.1)
        return False

    def settle(self, at_least=0.4, quiet=0.6, limit=10.0):
        """Until Orca has handled what the program raised: its log (written
        a line at a time) has not grown for `quiet` seconds."""
        start = time.monotonic()
        self.idle(at_least)
        size, since = -1, time.monotonic()
        while time.monotonic() - start < limit:
            now = os.path.getsize(self.log) if os.path.exists(self.log) else 0
            if now != size:
                size, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return
            self.idle(0.05)

    def stop(self):
        if self.program and self.program.poll() is None:
            self.program.terminate()
            try:
                self.program.wait(10)
            except subprocess.TimeoutExpired:
                self.program.kill()
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)  # Orca says goodbye and closes its log
            try:
                self.process.wait(15)
            except subprocess.TimeoutExpired:
                self.process.kill()

    def give_up(self, what, detail=""):
        check(False, what, detail)
        self.stop()
        sys.exit(1)
