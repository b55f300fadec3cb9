#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shipped program on a virtual X display, with a session bus and the
# accessibility registry of its own, driven by drive-qt.py through every row
# of the case table. Everything is bounded: a bus or registry that cannot
# start ends the test with a message, never a hang.
# usage: run-qt.sh LEXIDOR CASES
set -u
program=$(readlink -f "$1")
cases=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)

if [ "${3:-}" = --inside ]; then
    # Inside the private session bus, on the private display: the
    # accessibility bus, then the driver, which starts the program.
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1; then
        echo "FAIL: the accessibility bus did not start"
        kill "$launcher" 2>/dev/null
        exit 1
    fi
    /usr/bin/python3 "$here/drive-qt.py" "$program" "$cases"
    status=$?
    kill "$launcher" 2>/dev/null
    exit $status
fi

for tool in dbus-run-session xvfb-run xdotool /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (make test installs at-spi2-core, python3-pyatspi, xvfb, xdotool)"
        exit 1
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "FAIL: python3-pyatspi is missing"
    exit 1
fi

# The whole run ends after 90 seconds, whatever hangs.
timeout -k 5 90 dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$here/run-qt.sh" "$program" "$cases" --inside
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "FAIL: the black-box run did not finish in 90 seconds"
    exit 1
fi
exit $status
