#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make run`: starts the built program on the desktop, or, where there is
# none (no DISPLAY, no WAYLAND_DISPLAY), on a private virtual display
# (tests/support/private-session.sh, in the build tree) where its window is
# invisible. Either way Ctrl+C ends it; the virtual display and its folder
# go with it, and the last line says "Lexidor closed" (exit status 0 for a
# program closed by Alt+C, its menu, the window manager or Ctrl+C).
# usage: run-lexidor.sh LEXIDOR BUILD_DIR
set -u
program=$(readlink -f "$1")
build=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Ctrl+C reaches the program (and the virtual display) too; this script
# stays to say so.
trap : INT TERM HUP

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No desktop found: Lexidor runs on a virtual X display, so its window is invisible."
    echo "Press Ctrl+C to end it."
    bash "$here/../tests/support/private-session.sh" --root "$build" --display=1024x768x24 -- "$program"
    status=$?
else
    # A desktop reached without a login session (su, ssh -X) has no
    # runtime directory; Qt would make one in /tmp and leave it. One of its
    # own, short as a runtime directory must be for the sockets in it,
    # gone afterwards.
    runtime=
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        runtime=$(mktemp -d /tmp/lexidor-run.XXXXXX) && export XDG_RUNTIME_DIR=$runtime
    fi
    "$program"
    status=$?
    [ -n "$runtime" ] && rm -rf "$runtime"
fi
# 130, 143, 129: ended by Ctrl+C, TERM or HUP, as asked.
case $status in
0 | 129 | 130 | 143) echo "Lexidor closed" ;;
*)
    echo "Lexidor ended with status $status"
    exit "$status"
    ;;
esac
