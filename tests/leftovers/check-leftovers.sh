#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Nothing the test suite does stays outside its build tree. Before the first
# test (`before`) this notes the names of what the user owns in the places
# programs leave things behind; after the last (`after`) it looks again and
# fails on every name that is new:
#   - the home folder, two levels down (~/.cache/dconf, ~/.cache/at-spi), and
#     ~/.local/share/NAME, ~/.local/state/NAME; the source and build trees are
#     left out wherever they are;
#   - /tmp, /var/tmp and /dev/shm, and the sockets in /tmp/.X11-unix,
#     /tmp/.ICE-unix and /tmp/.wine-UID;
#   - the user's runtime directory (XDG_RUNTIME_DIR), two levels down.
# The scratch folders every test gets (its home, TMPDIR and private
# sessions inside the build tree, and its runtime directory, SCRATCH below)
# must be empty at the end as well: a test removes what it made. `before`
# empties them, in case an earlier run was cut short. A scratch folder
# outside the build tree (the runtime directory, short for the sockets in
# it, in /tmp) is made by `before`, mode 700, and must be the user's own;
# `after` removes it.
#
# Names that vanish within a few seconds of the end do not count (files of
# programs still at work), nor do names that only programs writing to
# TMPDIR make (tmp.XXXXXXXXXX from mktemp, ccXXXXXX from the compiler): the
# tests' TMPDIR is in the build tree, so those come from elsewhere. Shell
# patterns in LEXIDOR_LEFTOVERS_IGNORE (space-separated, matched against the
# full path) leave out more, on a machine where other work goes on.
#
# What it cannot see: anything made and removed again during the run; what
# changed inside files and folders that were already there, or deeper down
# than the levels above; other places (/var/cache, /run outside the runtime
# directory); anything owned by another user. And it cannot tell the suite's
# files from those another program of the same user made at the same time:
# it names them all, so that a run next to other work may need a second try.
#
# usage: check-leftovers.sh before|after STATE_DIR SOURCE_DIR BUILD_DIR [SCRATCH...]
set -u
action=$1 state=$2 source=$(realpath -m "$3") build=$(realpath -m "$4")
shift 4
uid=$(id -u)

# One name per line, sorted; what this user owns only.
names() {
    local dir depth
    {
        if [ -d "$HOME" ]; then
            find "$HOME" -mindepth 1 -maxdepth 2 \( -path "$source" -o -path "$build" \) -prune -o \
                -user "$uid" -print
            [ -d "$HOME/.local" ] && find "$HOME/.local" -mindepth 2 -maxdepth 2 -user "$uid" -print
        fi
        for dir in /tmp /var/tmp /dev/shm /tmp/.X11-unix /tmp/.ICE-unix "/tmp/.wine-$uid"; do
            [ -d "$dir" ] && find "$dir" -mindepth 1 -maxdepth 1 -user "$uid" -print
        done
        if [ -n "${XDG_RUNTIME_DIR:-}" ] && [ -d "$XDG_RUNTIME_DIR" ]; then
            case $(realpath "$XDG_RUNTIME_DIR")/ in
            "$build"/* | "$source"/*) ;;
            *) find "$XDG_RUNTIME_DIR" -mindepth 1 -maxdepth 2 -user "$uid" -print ;;
            esac
        fi
    } 2>/dev/null | keep | LC_ALL=C sort -u
}
# Drops the names the suite cannot have made (see above).
keep() {
    local name pattern patterns
    read -ra patterns <<<"${LEXIDOR_LEFTOVERS_IGNORE:-}"
    while IFS= read -r name; do
        case ${name##*/} in
        tmp.?????????? | cc??????*) [ "$(dirname "$name")" = /tmp ] && continue ;;
        esac
        for pattern in "${patterns[@]}"; do
            # shellcheck disable=SC2254
            case $name in $pattern) continue 2 ;; esac
        done
        printf '%s\n' "$name"
    done
}

case $action in
before)
    mkdir -p "$state"
    for scratch in "$@"; do
        case $(realpath -m "$scratch")/ in
        "$build"/*) mkdir -p "$scratch" ;;
        *)
            # A name anyone could have taken first: only a folder of this
            # user's own will do.
            mkdir -m 700 "$scratch" 2>/dev/null
            if [ -L "$scratch" ] || [ ! -d "$scratch" ] || [ ! -O "$scratch" ]; then
                echo "FAIL: $scratch, the tests' runtime directory, is not a folder of yours"
                exit 1
            fi
            chmod 700 "$scratch" || exit 1
            ;;
        esac
        find "$scratch" -mindepth 1 -maxdepth 1 -exec rm -rf {} + 2>/dev/null
    done
    names >"$state/before.txt"
    echo "noted $(wc -l <"$state/before.txt") names in $HOME, /tmp, /var/tmp, /dev/shm${XDG_RUNTIME_DIR:+ and $XDG_RUNTIME_DIR}"
    ;;
after)
    if [ ! -f "$state/before.txt" ]; then
        echo "FAIL: no list from before the tests ($state/before.txt)"
        exit 1
    fi
    status=0
    new=$(names | LC_ALL=C comm -13 "$state/before.txt" -)
    # Give what is still going away (a wineserver ends 3 s after its last
    # program; a compiler next door removes its files) a moment.
    for _ in $(seq 10); do
        [ -z "$new" ] && break
        sleep 0.5
        new=$(names | LC_ALL=C comm -13 "$state/before.txt" - | LC_ALL=C comm -12 - <(printf '%s\n' "$new"))
    done
    if [ -n "$new" ]; then
        echo "FAIL: new since the tests began (left by a test, or made meanwhile by another program of yours):"
        sed 's/^/  /' <<<"$new"
        status=1
    fi
    for scratch in "$@"; do
        left=$(find "$scratch" -mindepth 1 -maxdepth 1 2>/dev/null)
        if [ -n "$left" ]; then
            echo "FAIL: left in $scratch by a test:"
            sed 's/^/  /' <<<"$left"
            status=1
            find "$scratch" -mindepth 1 -maxdepth 1 -exec rm -rf {} + 2>/dev/null
        fi
        case $(realpath -m "$scratch")/ in
        "$build"/*) ;;
        *) [ -L "$scratch" ] || rmdir "$scratch" 2>/dev/null ;;
        esac
    done
    [ $status = 0 ] && echo "ok: nothing new in $HOME, /tmp, /var/tmp, /dev/shm${XDG_RUNTIME_DIR:+ or $XDG_RUNTIME_DIR}," \
        "and the tests' scratch folders are empty"
    rm -f "$state/before.txt"
    exit $status
    ;;
*)
    echo "usage: check-leftovers.sh before|after STATE_DIR SOURCE_DIR BUILD_DIR [SCRATCH...]" >&2
    exit 2
    ;;
esac
