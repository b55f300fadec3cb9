#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Orca, Debian's screen reader, over the real program, as a blind user meets
# it: a virtual X display, a session bus of its own, speech through
# speech-dispatcher and espeak-ng into a null audio output. orca-session.py
# drives the window with xdotool and reads what Orca said.
#
#   orca-session.sh LEXIDOR WORKDIR
#
# ORCA_SESSION names another session script to run the same way (the web
# edition's, tests/web/orca-page.py, with the page in place of LEXIDOR).
#
# Everything the run writes (a home, runtime, cache and temporary folder for
# Orca, speech-dispatcher, the bus and the program) lives in WORKDIR, which
# is removed at the end; Orca's log is kept beside it when a check fails.
# Nothing is read from or left in the real home or /tmp. Bounded: the whole
# run ends after 100 seconds, whatever hangs.
set -u
here=$(cd "$(dirname "$0")" && pwd)

if [ "${3:-}" = --inside ]; then
    # On the private display and bus, with the private home: speech without
    # a sound card (espeak-ng through libao's null driver), the checks, then
    # speech-dispatcher, which outlives its clients for a while, is stopped.
    echo "default_driver=null" >"$HOME/.libao"
    mkdir -p "${XDG_CONFIG_HOME:-$HOME/.config}/speech-dispatcher"
    cat >"${XDG_CONFIG_HOME:-$HOME/.config}/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
Timeout 5
EOF
    /usr/bin/python3 "${ORCA_SESSION:-$here/orca-session.py}" "$1" "$2"
    status=$?
    pidfile=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
    if [ -f "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null
        for _ in $(seq 20); do [ -f "$pidfile" ] || break; sleep 0.1; done
    fi
    exit $status
fi

program=$(readlink -f "$1")
work=$(readlink -m "$2")

missing=""
command -v orca >/dev/null && /usr/bin/python3 -c 'import orca.orca_platform' 2>/dev/null ||
    missing="$missing orca"
command -v speech-dispatcher >/dev/null || missing="$missing speech-dispatcher"
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || missing="$missing speech-dispatcher-espeak-ng"
for tool in dbus-daemon Xvfb xdotool; do
    command -v $tool >/dev/null || missing="$missing $tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
    echo "FAIL: the screen-reader test cannot run, missing:$missing (make test installs them: TEST_PACKAGES)"
    exit 1
fi
if [ ! -x "$program" ] && [ -z "${ORCA_SESSION:-}" ]; then
    echo "FAIL: no program at $1"
    exit 1
fi

rm -rf "$work" "$work.orca-debug.txt"
mkdir -p "$work" || exit 1
trap 'rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON SPEECHD_ADDRESS
# A desktop session of its own (home, runtime and temporary folders, display,
# session and accessibility buses), all inside WORKDIR and gone afterwards.
timeout -k 5 100 bash "$here/../support/private-session.sh" --root "$work" --display --a11y -- \
    bash "$here/orca-session.sh" "$program" "$work" --inside 2>"$work/stderr.txt"
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "FAIL: the screen-reader session did not finish in 100 seconds"
    status=1
fi
if [ $status -ne 0 ]; then
    grep -v -e 'dbus-daemon' -e 'SpiRegistry daemon' "$work/stderr.txt" | tail -20
    [ -f "$work/orca-debug.txt" ] && cp "$work/orca-debug.txt" "$work.orca-debug.txt" &&
        echo "Orca's log: $work.orca-debug.txt"
fi
exit $status
