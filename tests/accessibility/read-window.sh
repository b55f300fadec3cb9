#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a virtual X display, with a session bus and the
# accessibility registry of its own (a private session,
# tests/support/private-session.sh: its home, runtime directory and
# temporary folder are in the build tree and go afterwards), read by
# read-window.py as a screen reader reads it. Everything is bounded: a bus
# or registry that cannot start ends the test with a message, never a hang.
# usage: read-window.sh LEXIDOR
set -u
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)

if [ "${2:-}" = --inside ]; then
    # Inside the private session, with its display and its accessibility
    # bus: the program, then the reader.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
    app=$!
    /usr/bin/python3 "$here/read-window.py" csn "CSN: Consejo de Seguridad Nuclear."
    status=$?
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    exit $status
fi

for tool in xdotool /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (make test installs at-spi2-core, python3-pyatspi, xvfb, xdotool)"
        exit 1
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "FAIL: python3-pyatspi is missing"
    exit 1
fi

# The window's name is "Lexidor de Términos": xdotool finds it by name only
# in a UTF-8 locale, and a machine without one configured (su, containers)
# runs in plain C.
export LC_ALL=C.UTF-8
# The whole run ends after 90 seconds, whatever hangs.
timeout -k 5 90 bash "$here/../support/private-session.sh" --display=1024x768x24 --a11y -- \
    bash "$here/read-window.sh" "$program" --inside
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "FAIL: the accessibility check did not finish in 90 seconds"
    exit 1
fi
exit $status
