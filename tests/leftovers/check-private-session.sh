#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tests/support/private-session.sh ends clean however its command ends: for
# each way out below, a session with a display and a bus runs a command
# that also leaves a daemon behind (a process that left its parent); then
# no process of the session is left, its folder and runtime directory are
# gone, the exit status is the one promised, and a Ctrl+C (INT to the whole
# process group, as a terminal sends it) reached the command itself. The
# sessions are made in a folder deeper than a Unix socket's path may be
# (107 bytes), as in a clone far down a home: the bus must start all the
# same, its socket in a runtime directory of its own.
# usage: check-private-session.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
session=$here/../support/private-session.sh
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
root=$top/$(printf 'deep%.0s' $(seq 30))
mkdir "$root" || exit 1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The command: notes how it ended, leaves a daemon, waits (or ends at once).
cat >"$root/command.sh" <<'EOF'
setsid sleep 300 </dev/null >/dev/null 2>&1 &
echo "$XDG_RUNTIME_DIR" >"$1/runtime"
echo "$SESSION_DIR" >"$1/folder"
[ -n "${DISPLAY:-}" ] && [ -n "${XAUTHORITY:-}" ] && echo display >>"$1/had"
case $DBUS_SESSION_BUS_ADDRESS in "unix:path=$XDG_RUNTIME_DIR/bus,"*)
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null &&
        echo bus >>"$1/had" ;;
esac
trap 'echo INT >"$1/ended"; exit 130' INT
trap 'echo TERM >"$1/ended"; exit 143' TERM
[ "$2" = exit ] && exit 3
while :; do sleep 0.1; done
EOF

marked() { # processes carrying the mark of session folder $1
    grep -lsxzF "LEXIDOR_SESSION=$1" /proc/[0-9]*/environ 2>/dev/null | sed -n 's|^/proc/\([0-9]*\)/environ$|\1|p'
}

# way out | what reaches whom | status wanted | how the command ended
while read -r way signal target want ended; do
    rm -f "$root/folder" "$root/runtime" "$root/had" "$root/ended"
    # (A background job of a script ignores INT: a terminal's would not.)
    env --default-signal=INT setsid bash "$session" --root "$root" --display=320x240x24 --bus -- \
        bash "$root/command.sh" "$root" "$way" </dev/null >"$root/out" 2>&1 &
    wrapper=$!
    for _ in $(seq 100); do [ -s "$root/folder" ] && break; sleep 0.1; done
    folder=$(cat "$root/folder" 2>/dev/null)
    runtime=$(cat "$root/runtime" 2>/dev/null)
    if [ -z "$folder" ]; then
        fail "$way: the command did not start: $(cat "$root/out")"
        kill -KILL -- "-$wrapper" 2>/dev/null
        continue
    fi
    sleep 0.3
    case $target in
    group) kill -s "$signal" -- "-$wrapper" ;;
    wrapper) kill -s "$signal" "$wrapper" ;;
    esac
    wait "$wrapper"
    status=$?
    [ "$status" = "$want" ] || fail "$way: status $status, not $want"
    [ "$(sort "$root/had" 2>/dev/null | tr '\n' ' ')" = "bus display " ] ||
        fail "$way: the command had not both the display and the bus (in $runtime): $(cat "$root/had" 2>/dev/null)"
    [ ${#runtime} -le 40 ] || fail "$way: the runtime directory $runtime is ${#runtime} bytes long"
    [ "$ended" = - ] || [ "$(cat "$root/ended" 2>/dev/null)" = "$ended" ] ||
        fail "$way: the command ended by '$(cat "$root/ended" 2>/dev/null)', not $ended"
    left=$(marked "$folder")
    if [ -n "$left" ]; then
        fail "$way: left running: $(ps -o args= -p "$(tr '\n' ',' <<<"$left" | sed 's/,$//')")"
        kill -KILL $left 2>/dev/null
    fi
    [ -e "$folder" ] && fail "$way: $folder is still there"
    [ -n "$runtime" ] && [ -e "$runtime" ] && fail "$way: $runtime is still there"
done <<'TABLE'
exit - none 3 -
ctrl-c INT group 130 INT
term TERM wrapper 143 TERM
hangup HUP wrapper 129 TERM
TABLE

leftover=$(find "$root" -mindepth 1 -maxdepth 1 -name 'session.*')
[ -z "$leftover" ] || fail "session folders left: $leftover"
[ $failures = 0 ] && echo "ok: 4 ways out, nothing left running, no folder left"
exit $((failures > 0))
