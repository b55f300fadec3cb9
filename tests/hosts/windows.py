# SPDX-License-Identifier: MIT
# lexidor.exe as tests/drive's host for the target windows: a second Windows
# program under Wine, lexidor-drive-host.exe (tests/win32/DriveHost.cpp),
# starts the program as a user does, performs each command with the
# system's own input (SendInput, the window in front: keys, the mouse on
# the box, the buttons, the rows, the scroll bar's arrows, the menu bar and
# the caption's close control) and reads what the window shows with window
# messages, the focus with GetGUIThreadInfo and what a screen reader is
# told with an out-of-context WinEvent hook. This side only speaks to it,
# one line each way.
#
# Environment: LEXIDOR_WINE_PREFIX, the Wine prefix made by
# tests/win32/wine-run.sh setup (default: wine-prefix in the build tree that
# holds PROGRAM); LEXIDOR_DRIVE_HOST, the host program (default: the one
# built beside PROGRAM, in tests/win32 of its tree).
import json
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
WINE_RUN = os.path.join(HERE, "..", "win32", "wine-run.sh")


class Unanswered(Exception):
    pass


class Servant:
    """lexidor-drive-host.exe under Wine: a line in, a line out."""

    def __init__(self, program):
        program = os.path.abspath(program)
        tree = os.path.dirname(os.path.dirname(os.path.dirname(program)))  # build/winNN
        prefix = os.environ.get("LEXIDOR_WINE_PREFIX", os.path.join(os.path.dirname(tree), "wine-prefix"))
        host = os.environ.get("LEXIDOR_DRIVE_HOST", os.path.join(tree, "tests", "win32", "lexidor-drive-host.exe"))
        try:
            with open(os.path.join(prefix, ".lexidor-ready")) as f:
                arch = f.read().split()[1]
        except (OSError, IndexError):
            raise Unanswered("no Wine prefix at %s (tests/win32/wine-run.sh PREFIX setup)" % prefix)
        self.process = subprocess.Popen(
            ["bash", WINE_RUN, prefix, "run", host, "Z:" + program], stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, env=dict(os.environ, WINEARCH=arch))

    def ask(self, line):
        self.process.stdin.write(line.encode("utf-8", "surrogateescape") + b"\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline().decode("utf-8").rstrip("\r\n")
        if not answer:
            raise Unanswered("the host program gave no answer to %r" % line)
        if answer.startswith("error "):
            raise Unanswered(answer[6:])
        return answer

    def quit(self):
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class WindowsProgram:
    def __init__(self, servant):
        self.servant = servant
        self.ended = False
        servant.ask("start")

    def answered(self, answer):
        self.ended = answer == "ended"

    def state(self):
        answer = self.servant.ask("state")
        return None if answer == "ended" else json.loads(answer)

    def type_text(self, text):
        self.answered(self.servant.ask("type " + text))

    def act(self, command):
        self.answered(self.servant.ask("act " + " ".join(str(part) for part in command)))


class Host:
    """tests/drive's host: one host program for the whole run, the program
    started afresh for each start."""
    # The type-ahead state lives inside the program: nothing outside sees it.
    # Nor the definition as drawn: Wine's display driver for the tests draws
    # into each program's own memory, which no second program can read (the
    # window test checks the drawing inside the program).
    unread = ("intIndice", "intLongitud", "cut")

    def __init__(self, target, program):
        self.program_path = program
        self.servant = None

    def start(self):
        if self.servant is None:
            self.servant = Servant(self.program_path)
        return WindowsProgram(self.servant)

    def stop(self):
        if self.servant is not None:
            self.servant.ask("stop")

    def quit(self):
        if self.servant is not None:
            self.servant.quit()
