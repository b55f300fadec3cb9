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
import os

import servant

HERE = os.path.dirname(os.path.abspath(__file__))
WINE_RUN = os.path.join(HERE, "..", "win32", "wine-run.sh")


class Host(servant.Host):
    # The type-ahead state lives inside the program: nothing outside sees it.
    # Nor the definition as drawn: Wine's display driver for the tests draws
    # into each program's own memory, which no second program can read (the
    # window test checks the drawing inside the program).
    unread = ("intIndice", "intLongitud", "cut")

    @staticmethod
    def servant_for(program):
        """lexidor-drive-host.exe under Wine, for PROGRAM."""
        program = os.path.abspath(program)
        tree = os.path.dirname(os.path.dirname(os.path.dirname(program)))  # build/winNN
        prefix = os.environ.get("LEXIDOR_WINE_PREFIX", os.path.join(os.path.dirname(tree), "wine-prefix"))
        host = os.environ.get("LEXIDOR_DRIVE_HOST", os.path.join(tree, "tests", "win32", "lexidor-drive-host.exe"))
        try:
            with open(os.path.join(prefix, ".lexidor-ready")) as f:
                arch = f.read().split()[1]
        except (OSError, IndexError):
            raise servant.Unanswered("no Wine prefix at %s (tests/win32/wine-run.sh PREFIX setup)" % prefix)
        return servant.Servant(["bash", WINE_RUN, prefix, "run", host, "Z:" + program],
                               env=dict(os.environ, WINEARCH=arch))
