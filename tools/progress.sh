#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a CMake, build or CTest command and shows only what matters: the
# progress lines ("[ 42%] Building CXX object ...", "-- Detecting ...",
# "Start 12: ...", "... Passed") are drawn in place on a terminal and left
# out elsewhere; everything else (compiler warnings and errors, a failing
# test's output, CTest's summary) passes through as it comes.
# usage: progress.sh build|test COMMAND [ARG...]
# Exit status: the command's.
set -u
mode=$1
shift

case $mode in
# Make's rule and target lines, CMake's status lines (the Windows tree is
# configured during the build), the dependency scanner's.
build) progress='^(\[ *[0-9]+%\] |-- |Scanning dependencies |Consolidate compiler generated dependencies )' ;;
# "      Start  12: name", " 12/501 Test  #12: name .....   Passed    0.02 sec",
# and the first lines naming the build tree.
test) progress='^( +Start +[0-9]+: | *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec$|Test project |Internal ctest changing into directory: )' ;;
*)
    echo "usage: progress.sh build|test COMMAND [ARG...]" >&2
    exit 2
    ;;
esac

tty=0
[ -t 1 ] && tty=1
width=$(tput cols 2>/dev/null || echo 80)
drawn=0 skipped=()
clear_line() { [ $drawn = 1 ] && printf '\r\033[K'; drawn=0; }

shopt -s lastpipe extglob
"$@" 2>&1 | while IFS= read -r line; do
    if [[ $line =~ $progress ]]; then
        if [ $tty = 1 ]; then
            # Without its colours (make colours its lines when it writes to
            # a terminal), which a cut line would leave switched on.
            line=${line//$'\e'\[*([0-9;])m/}
            line=${line#"${line%%[![:space:]]*}"}
            printf '\r\033[K%s' "${line:0:$((width - 1))}"
            drawn=1
        fi
        continue
    fi
    clear_line
    printf '%s\n' "$line"
    [[ $line =~ Test\ +#[0-9]+:\ ([^ ]+)\ .*\*\*\*Skipped ]] && skipped+=("${BASH_REMATCH[1]}")
done
status=${PIPESTATUS[0]}
clear_line

# CTest shows no output of a skipped test, and a test skips to say why it
# could not run: its first line of output, from CTest's log of the run.
if [ ${#skipped[@]} -gt 0 ]; then
    dir=.
    for ((i = 1; i < $#; i++)); do
        [ "${!i}" = --test-dir ] && j=$((i + 1)) && dir=${!j}
    done
    for name in "${skipped[@]}"; do
        why=$(awk -v test="$name" '$0 ~ /^[0-9]+\/[0-9]+ Test: / && $3 == test { found = 1 }
                                   found && /^Output:$/ { getline; getline; print; exit }' \
            "$dir/Testing/Temporary/LastTest.log" 2>/dev/null)
        [ -n "$why" ] && echo "$name: $why"
    done
fi
exit "$status"
