# SPDX-License-Identifier: MIT
# The page as tests/drive's host for the target firefox: Debian's Firefox
# ESR, headless, driven over WebDriver BiDi by a small node program
# (firefox-host.mjs beside this file, with puppeteer-core from npm: Debian
# has no geckodriver). One browser for the whole run, the page opened anew
# for each program start; each command is done with real browser input
# (keys, mouse clicks and double-clicks, the wheel to bring a row into view)
# and the state is read from the page's DOM, what was said from its live
# region, with the Chromium host's scripts. Text with no key event at all
# ("insert"): the editing command insertText from the page's script, as in
# WebKit (WebDriver has nothing else for it).
#
# Environment: LEXIDOR_WEB_PROFILES (where the fresh browser profile goes,
# removed at the end), LEXIDOR_NODE_MODULES (puppeteer-core as `make test`
# installs it from tests/hosts/package-lock.json; default
# build/firefox-host/node_modules).
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
from web import LISTEN_SCRIPT, STATE_SCRIPT  # noqa: E402

NODE = "/usr/bin/node"


class Program:
    def __init__(self, host):
        self.host = host
        self.ended = False

    def state(self):
        return self.host.ask("state")["state"]

    def type_text(self, text):
        self.act(("type", text))

    def insert_text(self, text):
        self.act(("insert", text))

    def act(self, command):
        self.ended = self.host.ask("act " + json.dumps(list(command)))["ended"]


class Host:
    """tests/drive's host: the node program and its browser for the whole
    run."""
    # Only the in-memory fake sees the type-ahead state.
    unread = ("intIndice", "intLongitud")

    def __init__(self, target, page):
        root = os.path.join(HERE, "..", "..")
        modules = os.environ.get("LEXIDOR_NODE_MODULES", os.path.join(root, "build", "firefox-host", "node_modules"))
        if not os.path.isdir(os.path.join(modules, "puppeteer-core")):
            raise RuntimeError("no puppeteer-core in %s (make test-deps installs it)" % modules)
        profiles = os.environ.get("LEXIDOR_WEB_PROFILES", os.path.join(os.path.dirname(os.path.abspath(page)), "firefox"))
        os.makedirs(profiles, exist_ok=True)
        self.profile = tempfile.mkdtemp(prefix="firefox-", dir=profiles)
        self.node = subprocess.Popen(
            [NODE, os.path.join(HERE, "firefox-host.mjs"), modules, self.profile, os.path.abspath(page),
             LISTEN_SCRIPT, STATE_SCRIPT],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, encoding="utf-8", cwd=self.profile)

    def ask(self, request):
        self.node.stdin.write(request + "\n")
        self.node.stdin.flush()
        line = self.node.stdout.readline()
        if not line:
            raise RuntimeError("the Firefox host ended (status %s)" % self.node.wait())
        reply = json.loads(line)
        if "error" in reply:
            raise RuntimeError("Firefox: " + reply["error"])
        return reply

    def start(self):
        self.ask("start")
        return Program(self)

    def stop(self):
        self.ask("stop")

    def quit(self):
        try:
            self.node.stdin.close()
            self.node.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.node.kill()
            self.node.wait()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
