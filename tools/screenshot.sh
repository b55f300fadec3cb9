#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a screenshot of the real window on a virtual X display after a lookup.
# The display is a private session's (tests/support/private-session.sh, in
# $LEXIDOR_SESSION_ROOT or here), gone afterwards.
# With THEME (dark or light) the session is a KDE one whose colour scheme
# (kdeglobals, which Qt reads on a KDE desktop) is a contrast theme with the
# colours of the Windows contrast theme of that name.
# usage: screenshot.sh LEXIDOR OUT.png [THEME]   (QT_SCALE_FACTOR=2 for a scaled display)
set -euo pipefail
program=$(readlink -f "$1") out=$(realpath -m "$2") theme=${3:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
if [ "${4:-}" != --inside ]; then
    exec bash "$here/../tests/support/private-session.sh" --display=1280x1024x24 -- \
        bash "$0" "$program" "$out" "$theme" --inside
fi
if [ -n "$theme" ]; then
    case $theme in
    dark) window=0,0,0 text=255,255,255 highlight=26,235,255 highlighted=0,0,0 ;;
    light) window=255,255,255 text=0,0,0 highlight=55,0,110 highlighted=255,255,255 ;;
    *) echo "screenshot: no theme $theme (dark or light)" >&2; exit 1 ;;
    esac
    mkdir -p "$XDG_CONFIG_HOME"
    for group in Window View Button; do
        printf '[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=%s\n' "$group" "$window" "$text"
    done >"$XDG_CONFIG_HOME/kdeglobals"
    printf '[Colors:Selection]\nBackgroundNormal=%s\nForegroundNormal=%s\n' "$highlight" "$highlighted" \
        >>"$XDG_CONFIG_HOME/kdeglobals"
    export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
fi
trap 'kill $lexidor 2>/dev/null || true' EXIT
"$program" >/dev/null 2>&1 &
lexidor=$!
window=
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Lexidor de' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool type --delay 30 'planes de actuación municipal'
sleep 0.3
xdotool key Return
sleep 0.5
import -window "$window" "$out"
echo "screenshot: $out"
