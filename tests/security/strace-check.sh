#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Nothing is loaded from the working directory or from the program's own
# directory. A copy of the program runs from a writable directory full of
# decoys (Qt libraries, plugins, qt.conf) under strace, until its window is up
# and it has gone quiet; then it is ended. The test fails on any path opened
# relative to the current directory and on any path under the planted
# directory other than the program itself. It runs on the offscreen platform
# and, when there is an X display (ctest gives it a private one,
# tests/support/private-session.sh), on X11 as well.
#
# Bounded whether or not a session bus runs: the program gets a bus address
# where nothing listens, so D-Bus never autolaunches a bus daemon (which
# strace -f would follow and wait for), and each run is a process group of
# its own that is ended as a whole.
# usage: strace-check.sh LEXIDOR
set -u
program=$(readlink -f "$1")

if ! command -v strace >/dev/null || ! strace -f -qq -o /dev/null true 2>/dev/null; then
    echo "SKIP: strace is missing or cannot trace here"
    exit 77
fi

work=$(mktemp -d)
tracer=
cleanup() {
    [ -n "$tracer" ] && kill -KILL -- "-$tracer" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

plant=$work/planted
mkdir -p "$plant" "$work/cwd"
cp "$program" "$plant/lexidor"
for decoy in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6DBus.so.6 libc.so.6 libstdc++.so.6 \
    platforms/libqoffscreen.so platforms/libqxcb.so imageformats/libqjpeg.so imageformats/libqico.so \
    platformthemes/libqgtk3.so platformthemes/libqxdgdesktopportal.so styles/libqwindowsstyle.so \
    platforminputcontexts/libcomposeplatforminputcontextplugin.so xcbglintegrations/libqxcb-glx-integration.so \
    iconengines/libqsvgicon.so accessiblebridge/libqspiatkbridge.so; do
    mkdir -p "$(dirname "$plant/$decoy")"
    echo "planted decoy" > "$plant/$decoy"
done
for conf in qt.conf qt6.conf; do
    printf '[Paths]\nPrefix=%s\nPlugins=%s\nLibraries=%s\n' "$plant" "$plant" "$plant" > "$plant/$conf"
done
printf '[Rules]\n*=true\n' > "$plant/qtlogging.ini"

status=0

# Waits up to 5 seconds for the traced run to end, then ends its whole
# process group (strace, the program and anything they started).
end_group() {
    for _ in $(seq 50); do
        kill -0 "$tracer" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL -- "-$tracer" 2>/dev/null
    wait "$tracer" 2>/dev/null
    tracer=
}

# Runs the program on one platform and checks what it opened.
check() {
    local platform=$1 trace=$work/trace-$1.txt
    (cd "$work/cwd" && QT_QPA_PLATFORM=$platform DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus \
        exec setsid strace -f -qq -y -e trace=openat,open,execve \
        -o "$trace" "$plant/lexidor" >"$work/out-$platform.txt" 2>&1) &
    tracer=$!
    local pid= size=-1 quiet=0
    # Up and quiet: the trace has not grown for 1.5 seconds (at most 30 s).
    for _ in $(seq 300); do
        sleep 0.1
        [ -z "$pid" ] && pid=$(head -n 1 "$trace" 2>/dev/null | awk '{print $1}')
        local now
        now=$(wc -c < "$trace" 2>/dev/null || echo 0)
        if [ "$now" = "$size" ]; then quiet=$((quiet + 1)); else quiet=0; size=$now; fi
        [ "$quiet" -ge 15 ] && break
    done
    if [ -z "$pid" ] || ! kill -TERM "$pid" 2>/dev/null; then
        echo "FAIL ($platform): the program did not stay up; its output:"
        cat "$work/out-$platform.txt"
        status=1
        end_group
        return
    fi
    end_group

    if ! grep -q 'background\|\.ttf\|fonts' "$trace"; then
        echo "FAIL ($platform): the trace shows no start-up (no fonts opened)"
        status=1
    fi
    # Calls with a path relative to the current directory.
    local relative
    relative=$(grep -E '(open|execve)\("[^/]|openat\(AT_FDCWD(<[^>]*>)?, "[^/]' "$trace")
    # Anything under the planted directory, by path, through a directory
    # descriptor or as the file opened, except starting the program itself.
    # (strace -y shows the current directory beside AT_FDCWD; after the
    # program's change into its own directory that is the planted one.)
    local planted
    planted=$(sed -E 's/AT_FDCWD<[^>]*>/AT_FDCWD/' "$trace" | grep -F "$plant" |
        grep -vE "^[0-9]+ +execve\(\"$plant/lexidor\"")
    if [ -n "$relative" ]; then
        echo "FAIL ($platform): opened relative to the current directory:"
        echo "$relative"
        status=1
    fi
    if [ -n "$planted" ]; then
        echo "FAIL ($platform): opened in the program's writable directory:"
        echo "$planted"
        status=1
    fi
    [ -z "$relative" ] && [ -z "$planted" ] &&
        echo "ok ($platform): $(grep -c 'open' "$trace") opens, none relative, none in the program's directory"
}

check offscreen

if [ -n "${DISPLAY:-}" ]; then
    check xcb
fi
exit $status
