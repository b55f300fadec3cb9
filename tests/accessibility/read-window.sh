#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a virtual X display, with a session bus and the
# accessibility registry of its own, read by read-window.py as a screen reader
# reads it. Everything is bounded: a bus or registry that cannot start ends
# the test with a message, never a hang.
# usage: read-window.sh LEXIDOR
set -u
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)

if [ "${2:-}" = --inside ]; then
    # Inside the private session bus, on the private display: the
    # accessibility bus, the program, then the reader.
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
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
    app=$!
    /usr/bin/python3 "$here/read-window.py" csn "CSN: Consejo de Seguridad Nuclear."
    status=$?
    kill "$app" "$launcher" 2>/dev/null
    wait "$app" 2>/dev/null
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
    bash "$here/read-window.sh" "$program" --inside
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "FAIL: the accessibility check did not finish in 90 seconds"
    exit 1
fi
exit $status
