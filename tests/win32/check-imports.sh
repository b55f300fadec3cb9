#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A Windows program of Lexidor must run with nothing installed beside it: it
# may import only DLLs that every Windows has.
# usage: check-imports.sh OBJDUMP PROGRAM.exe...
set -u
objdump=$1
shift
# (oleacc.dll, Active Accessibility, is part of every Windows since 2000.)
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll ole32.dll oleaut32.dll oleacc.dll msvcrt.dll advapi32.dll shell32.dll "
status=0
for exe in "$@"; do
    dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
    if [ -z "$dlls" ]; then
        echo "FAIL: $(basename "$exe"): no import table found"
        status=1
        continue
    fi
    for dll in $dlls; do
        lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
        if [[ "$system_dlls" != *" $lower "* ]]; then
            echo "FAIL: $(basename "$exe") imports $dll, which is not a system DLL"
            status=1
        fi
    done
    echo "$(basename "$exe"):" $dlls
done
exit $status
