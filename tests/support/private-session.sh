#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a desktop session of its own, inside one folder that is
# made for it (and a short runtime directory for its sockets) and removed
# afterwards, so that nothing the command or the services it talks to write
# stays in the user's home, runtime directory or /tmp, and nothing they
# start outlives it.
#
# usage: private-session.sh [OPTION...] [--] COMMAND [ARG...]
#   --root DIR         make the session folder in DIR (default:
#                      $LEXIDOR_SESSION_ROOT, else the current directory)
#   --display[=WxHxD]  a virtual X display (Xvfb, default 1024x768x24) with
#                      an access cookie of its own; DISPLAY and XAUTHORITY
#                      name it
#   --bus              a D-Bus session bus; DBUS_SESSION_BUS_ADDRESS names it
#   --a11y             the accessibility bus and its registry, as a desktop
#                      starts them for a screen reader (implies --bus)
#   --keep             leave the session folder and the runtime directory
#                      in place (to look into them after a failure); the
#                      processes still end
#
# The command gets HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME,
# XDG_CACHE_HOME and TMPDIR in the session folder, and SESSION_DIR naming
# the folder. XDG_RUNTIME_DIR (mode 700), where the buses, the screen
# reader's speech service and the browsers put their sockets, is a short
# folder of its own in /tmp (/tmp/lexidor-run.XXXXXX), whatever the depth
# of the session folder: a Unix socket's path has at most 107 bytes, which
# a folder inside a build tree inside a clone can pass on its own. It goes
# with the session folder. The user's display, Wayland socket and session
# bus are not passed on; without --bus the bus address names a socket
# where nothing listens, so that no program reaches the user's bus or
# launches one of its own.
#
# On the way out (the command ended, failed, Ctrl+C, TERM or HUP) every
# process started in the session ends, wherever it went (daemons that left
# their parent included: they are found by the session's mark in their
# environment): first the command's, then the display and the buses, which
# Ctrl+C does not reach (they run in a process group of their own), so that
# the program never sees its display go first. Then the folder and the
# runtime directory go. Xvfb listens on an abstract socket only and writes
# no lock file, so /tmp keeps nothing either.
#
# Exit status: the command's; 130, 143 or 129 when ended by INT, TERM or
# HUP; 1 (with a message) when a service could not start.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=${LEXIDOR_SESSION_ROOT:-$PWD}
display= bus=0 a11y=0 keep=0
usage() {
    sed -n '9,20p' "$here/private-session.sh" | sed 's/^# \{0,1\}//' >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case $1 in
    --root) root=${2:?--root needs a folder}; shift 2 ;;
    --root=*) root=${1#*=}; shift ;;
    --display) display=1024x768x24; shift ;;
    --display=*) display=${1#*=}; shift ;;
    --bus) bus=1; shift ;;
    --a11y) a11y=1; bus=1; shift ;;
    --keep) keep=1; shift ;;
    --) shift; break ;;
    -*) usage ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || usage

say() { echo "private-session: $*" >&2; }
need() { # need PROGRAM PACKAGE
    command -v "$1" >/dev/null || { say "$1 is missing (Debian package $2)"; exit 1; }
}
[ -n "$display" ] && need Xvfb xvfb
[ "$bus" = 1 ] && need dbus-daemon dbus-daemon
[ "$bus" = 1 ] && need dbus-send dbus-bin
a11y_launcher=/usr/libexec/at-spi-bus-launcher
[ "$a11y" = 1 ] && [ ! -x "$a11y_launcher" ] && { say "$a11y_launcher is missing (Debian package at-spi2-core)"; exit 1; }

mkdir -p "$root" || exit 1
dir=$(mktemp -d "$(cd "$root" && pwd)/session.XXXXXX") || exit 1
export SESSION_DIR=$dir
# The mark every process started in the session carries (see end_session);
# not this script's own helpers (grep, sleep...), which would find
# themselves.
unset LEXIDOR_SESSION
mark=(env "LEXIDOR_SESSION=$dir")

services="" command_pid="" runtime=""
end_session() {
    trap - EXIT INT TERM HUP
    local round signal pids _
    # After Ctrl+C the command has its INT too: a moment to end by it.
    if [ "${1:-}" = INT ] && [ -n "$command_pid" ]; then
        for _ in $(seq 30); do
            session_processes | grep -qx "$command_pid" || break
            sleep 0.1
        done
    fi
    for round in command TERM KILL; do
        signal=$round
        if [ "$round" = command ]; then
            signal=TERM
            pids=$(session_processes | grep -vxF -f <(service_processes))
        else
            pids=$(session_processes)
        fi
        [ -z "$pids" ] && continue
        # shellcheck disable=SC2086
        kill -s "$signal" $pids 2>/dev/null
        # Alive is still marked: a child of this script that has ended is
        # a zombie, without an environment, until the wait below.
        for _ in $(seq 30); do
            session_processes | grep -qxF -f <(printf '%s\n' $pids) || break
            sleep 0.1
        done
    done
    wait 2>/dev/null
    if [ "$keep" = 1 ]; then
        say "kept $dir${runtime:+ and $runtime}"
    else
        rm -rf "$dir" ${runtime:+"$runtime"}
    fi
}
# Processes whose environment carries this session's mark.
session_processes() {
    grep -lsxzF "LEXIDOR_SESSION=$dir" /proc/[0-9]*/environ 2>/dev/null |
        sed -n 's|^/proc/\([0-9]*\)/environ$|\1|p'
}
# The display, the buses and what they started.
service_processes() {
    [ -z "$services" ] && return
    ps -e -o pid=,ppid= | awk -v roots="$services" '
        { parent[$1] = $2 }
        END { n = split(roots, r, " "); for (i = 1; i <= n; i++) keep[r[i]] = 1
              do { more = 0; for (p in parent) if (!(p in keep) && (parent[p] in keep)) { keep[p] = 1; more = 1 } } while (more)
              for (p in keep) print p }'
}
trap end_session EXIT
trap 'end_session INT; exit 130' INT
trap 'end_session; exit 143' TERM
trap 'end_session; exit 129' HUP

# The sockets' folder: in /tmp, named by mktemp (mode 700), never in the
# session folder, however short that may be, so that a deep clone behaves
# as a shallow one. /tmp/lexidor-run.XXXXXX/speech-dispatcher/speechd.sock,
# the longest path a service here makes, has 54 bytes.
runtime=$(mktemp -d /tmp/lexidor-run.XXXXXX) || exit 1
export HOME=$dir/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_STATE_HOME=$HOME/.local/state
export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$runtime TMPDIR=$dir/tmp
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" "$XDG_CACHE_HOME" "$TMPDIR" &&
    chmod 700 "$XDG_RUNTIME_DIR" || exit 1
unset DISPLAY XAUTHORITY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER \
    XDG_SESSION_ID XDG_SEAT XDG_VTNR
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/no-bus

# Waits up to 10 s for a file to have content while PROCESS is alive.
wait_for_file() { # wait_for_file FILE PID
    local _
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        kill -0 "$2" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

if [ -n "$display" ]; then
    # An MIT cookie for any display number (family "wild", no number), so
    # that it can be written before Xvfb picks a free number. The server
    # reads every cookie in its file; clients find it through XAUTHORITY.
    export XAUTHORITY=$dir/Xauthority
    {
        printf '\377\377\000\000\000\000\000\022MIT-MAGIC-COOKIE-1\000\020'
        head -c 16 /dev/urandom
    } >"$XAUTHORITY"
    # -noreset: an X server resets when its last client leaves and drops
    # whoever is connecting at that moment; a probe that opens and closes
    # the display (libatspi looks for the bus there) would race the program.
    "${mark[@]}" setsid Xvfb -displayfd 3 -noreset -screen 0 "$display" -nolisten tcp -nolisten unix -auth "$XAUTHORITY" \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 </dev/null &
    xvfb=$!
    services="$services $xvfb"
    if ! wait_for_file "$dir/display" "$xvfb"; then
        say "the virtual display (Xvfb) did not start:"
        cat "$dir/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=:$(head -n 1 "$dir/display")
fi

if [ "$bus" = 1 ]; then
    # The standard session configuration (so that services are started on
    # demand, as on a desktop) at an address in the session folder.
    "${mark[@]}" setsid dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" \
        --print-address=3 3>"$dir/bus" >"$dir/bus.log" 2>&1 </dev/null &
    services="$services $!"
    if ! wait_for_file "$dir/bus" $!; then
        say "the session bus (dbus-daemon) did not start:"
        cat "$dir/bus.log" >&2
        exit 1
    fi
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$dir/bus")
    export DBUS_SESSION_BUS_ADDRESS
fi

if [ "$a11y" = 1 ]; then
    "${mark[@]}" setsid "$a11y_launcher" --launch-immediately >"$dir/a11y.log" 2>&1 </dev/null &
    launcher=$!
    services="$services $launcher"
    a11y_up() {
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1
    }
    for _ in $(seq 100); do
        a11y_up && break
        kill -0 "$launcher" 2>/dev/null || break
        sleep 0.1
    done
    if ! a11y_up; then
        say "the accessibility bus (at-spi-bus-launcher) did not start:"
        cat "$dir/a11y.log" >&2
        exit 1
    fi
fi

# In the background, so that a signal reaches the traps above at once. A
# background job would get /dev/null for input and ignore Ctrl+C: the
# command keeps this script's input and the default handling of INT and
# QUIT.
env --default-signal=INT,QUIT "LEXIDOR_SESSION=$dir" "$@" <&0 &
command_pid=$!
wait "$command_pid"
status=$?
exit $status
