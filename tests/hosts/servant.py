# SPDX-License-Identifier: MIT
# A host program that speaks one line each way (the Windows host's
# lexidor-drive-host.exe under Wine, the fake's lexidor-fake-host): start,
# stop, state, type TEXT, act COMMAND, and insert TEXT where it can; each
# answered by "ok", "ended", a state as JSON, or "error WHY".
import json
import subprocess


class Unanswered(Exception):
    pass


class Servant:
    def __init__(self, argv, env=None):
        self.process = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env)

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


class Program:
    """One program start, as the servant runs it."""

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
    """tests/drive's host: one servant for the whole run, the program started
    afresh for each start. A subclass says how to start the servant."""
    program = Program

    def __init__(self, target, program):
        self.program_path = program
        self.servant = None

    def start(self):
        if self.servant is None:
            self.servant = self.servant_for(self.program_path)
        return self.program(self.servant)

    def stop(self):
        if self.servant is not None:
            self.servant.ask("stop")

    def quit(self):
        if self.servant is not None:
            self.servant.quit()
