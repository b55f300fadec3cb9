#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one scenario file through a driver and compares with its golden output.
# usage: run-scenario.sh DRIVER NAME.scenario NAME.expected [wrapper...]
set -u
driver=$1 scenario=$2 expected=$3
shift 3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$@" "$driver" < "$scenario" > "$actual" 2>/dev/null
status=$?
# A command this toolkit cannot produce: the lines before it must match,
# and the file is skipped (77, the tests' SKIP_RETURN_CODE).
if [ "$status" -eq 77 ] && tail -n 1 "$actual" | grep -q '^{"unsupported"'; then
    lines=$(($(wc -l < "$actual") - 1))
    if ! diff -u --label expected --label actual <(head -n "$lines" "$expected") <(head -n "$lines" "$actual"); then
        echo "FAIL: $(basename "$scenario") differs from its golden output"
        exit 1
    fi
    echo "skipped: $(basename "$scenario"): $(tail -n 1 "$actual")"
    exit 77
fi
if ! diff -u --label expected --label actual "$expected" "$actual"; then
    echo "FAIL: $(basename "$scenario") differs from its golden output"
    exit 1
fi
want=0
tail -n 1 "$expected" | grep -q '^{"error"' && want=2
if [ "$status" -ne "$want" ]; then
    echo "FAIL: driver exited with $status, expected $want"
    exit 1
fi
echo "ok: $(basename "$scenario")"
