# SPDX-License-Identifier: MIT
# The window logic on the in-memory fake toolkit as tests/drive's host for
# the target fake: PROGRAM is lexidor-fake-host (tests/core/FakeHost.cpp),
# one process for the whole run. The fake is the one target that sees the
# type-ahead state; it draws nothing and tells no screen reader anything.
import servant


class Program(servant.Program):
    def insert_text(self, text):
        self.answered(self.servant.ask("insert " + text))


class Host(servant.Host):
    unread = ("current", "cut")
    program = Program

    @staticmethod
    def servant_for(program):
        return servant.Servant([program])
