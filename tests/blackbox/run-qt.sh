#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shipped program on a virtual X display, with a session bus and the
# accessibility bus of its own (tests/support/private-session.sh), driven by
# drive-qt.py through every row of the case table. Everything is bounded: a bus or registry that cannot
# start ends the test with a message, never a hang.
# usage: run-qt.sh LEXIDOR CASES
set -u
program=$(readlink -f "$1")
cases=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)
export PYTHONDONTWRITEBYTECODE=1

for tool in dbus-daemon Xvfb xdotool /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (make test installs at-spi2-core, python3-pyatspi, xvfb, xdotool)"
        exit 1
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "FAIL: python3-pyatspi is missing"
    exit 1
fi

# A desktop session of its own (display, session and accessibility buses,
# home and temporary folders), inside the build tree and gone afterwards.
# The whole run ends after 90 seconds, whatever hangs.
timeout -k 5 90 bash "$here/../support/private-session.sh" --display --a11y -- \
    /usr/bin/python3 "$here/drive-qt.py" "$program" "$cases"
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "FAIL: the black-box run did not finish in 90 seconds"
    exit 1
fi
exit $status
