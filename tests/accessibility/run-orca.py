#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Debian's Orca for a test, on the test's own session bus and display:
#   run-orca.py DEBUG_FILE
# Orca's launcher stops every other Orca of the same user when asked to
# replace one (a developer's own screen reader), and refuses to start while
# another runs; this one does neither, and its process keeps this script's
# name, so no Orca elsewhere takes it for itself. Its debug file (where the
# SPEECH OUTPUT lines are) is written a line at a time, so a test can read
# what Orca said while Orca runs. SIGTERM ends it as Orca ends itself.
import builtins
import runpy
import sys

launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"].__globals__
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: None
launcher["open"] = lambda name, mode="r": builtins.open(name, mode, buffering=1, encoding="utf-8")
sys.argv = ["orca", "--debug-file", sys.argv[1]]
sys.exit(launcher["main"]())
