#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark and writes the table to bench/results.md (and stdout).
# usage: run-bench.sh BUILD_DIR [RESULTS.md]     (on an X display: make bench
# runs it under xvfb-run)
#
# Start-up: the real lexidor against a bare Qt window (the floor) and against
# its widgets made by plain Qt code, interleaved, RUNS runs each (default
# 15). Key steps: Google Benchmark, REPS repetitions (default 10), median and
# range of the repetitions. Windows: the stripped size of lexidor.exe when
# WIN32_BUILD (default build/win32/, which `make windows` and `make test`
# build) holds one, and its start-up under Wine
# against a bare Win32 window when Wine and MinGW are there.
set -euo pipefail

build=$(cd "${1:?usage: run-bench.sh BUILD_DIR [RESULTS.md]}" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
results=${2:-$here/results.md}
runs=${RUNS:-15}
reps=${REPS:-10}
bench=$build/bench
lexidor=$build/src/qt/lexidor

for f in "$bench/lexidor-startup-bench" "$bench/bare-qt-window" "$bench/plain-widgets-window" \
         "$bench/lexidor-keystroke-bench" \
         "$bench/lexidor-qt-keystroke-bench" "$lexidor"; do
    [ -x "$f" ] || { echo "run-bench: $f is missing; build with -DLEXIDOR_BENCH=ON" >&2; exit 1; }
done
[ -n "${DISPLAY:-}" ] || { echo "run-bench: no X display (make bench runs this under xvfb-run)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

load() { cut -d' ' -f1-3 /proc/loadavg; }
load_before=$(load)

# --- Start-up ---------------------------------------------------------------
echo "run-bench: start-up, $runs runs each, interleaved" >&2
"$bench/lexidor-startup-bench" -n "$runs" -o "$work/startup.tsv" \
    "bare Qt window=$bench/bare-qt-window" "Lexidor's widgets, plain=$bench/plain-widgets-window" \
    "lexidor=$lexidor" > "$work/startup.md"

# --- Key steps ----------------------------------------------------------------
# Google Benchmark's CSV: one line per repetition, then _mean, _median, ...
# Prints "| name | median | min–max |" for each benchmark, in microseconds.
keytable() {
    awk -F, '
        NR == 1 || $1 !~ /^"/ { next }
        {
            name = $1; gsub(/"/, "", name)
            if ($9 == "true") { failed[name] = $10; next }
            if (name ~ /_(mean|median|stddev|cv)$/) {
                if (name ~ /_median$/) { sub(/_median$/, "", name); med[name] = $3 }
                next
            }
            if (!(name in lo) || $3 < lo[name]) lo[name] = $3
            if (!(name in hi) || $3 > hi[name]) hi[name] = $3
            if (!(name in seen)) { seen[name] = 1; order[++n] = name }
        }
        END {
            for (i = 1; i <= n; ++i) {
                k = order[i]
                printf "%s\t%.3f\t%.3f\t%.3f\n", k, med[k], lo[k], hi[k]
            }
            for (k in failed) printf "%s\tFAILED: %s\n", k, failed[k] > "/dev/stderr"
        }' "$1"
}
keyopts=(--benchmark_repetitions="$reps" --benchmark_min_time=0.2 --benchmark_format=csv)
echo "run-bench: key steps on the fake" >&2
"$bench/lexidor-keystroke-bench" "${keyopts[@]}" > "$work/fake.csv"
echo "run-bench: key steps through the Qt widgets (offscreen)" >&2
QT_QPA_PLATFORM=offscreen "$bench/lexidor-qt-keystroke-bench" "${keyopts[@]}" > "$work/qt.csv"
keytable "$work/fake.csv" > "$work/keys.tsv"
keytable "$work/qt.csv" >> "$work/keys.tsv"

# --- Windows program ------------------------------------------------------------
win32_build=${WIN32_BUILD:-build/win32}
case $win32_build in /*) ;; *) win32_build=$root/$win32_build ;; esac
exe=$win32_build/src/win32/lexidor.exe
exe_line="| \`lexidor.exe\` under 200 KB | not measured: no $exe | |"
wine_md=
if [ -f "$exe" ]; then
    strip_tool=$(command -v i686-w64-mingw32-strip || command -v x86_64-w64-mingw32-strip || command -v strip)
    cp "$exe" "$work/lexidor.exe"
    "$strip_tool" "$work/lexidor.exe" 2>/dev/null || true
    size=$(stat -c %s "$work/lexidor.exe")
    built=$(date -u -r "$exe" '+%Y-%m-%d %H:%M UTC')
    exe_line=$(awk -v s="$size" -v b="$built" -v d="$(basename "$win32_build")/" 'BEGIN { printf "| `lexidor.exe` (%s, built %s), stripped, under 200 KB | %.1f KB (%d bytes) | %s |", d, b, s / 1024, s, (s < 200 * 1024 ? "✓" : "✗") }')
    # Where this machine cannot execute 32-bit programs, the x86_64 build of
    # the same sources (the Windows test tree) runs in a 64-bit prefix.
    wine_cc=i686-w64-mingw32-gcc wine_loader=wine wine_arch=win32 wine_exe=$exe wine_note=""
    if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        wine_cc=x86_64-w64-mingw32-gcc wine_arch=win64 wine_exe=$(dirname "$win32_build")/win64/src/win32/lexidor.exe
        wine_loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
        wine_note="The x86_64 build of the same sources (\`build/win64/\`) in a 64-bit prefix: this machine cannot execute 32-bit programs, so the shipped 32-bit \`lexidor.exe\` is not run here."
    fi
    if command -v "$wine_loader" >/dev/null && command -v "$wine_cc" >/dev/null && [ -f "$wine_exe" ]; then
        echo "run-bench: lexidor.exe against a bare Win32 window, under Wine ($wine_arch)" >&2
        "$wine_cc" -O2 -s -mwindows -o "$work/bare-win32-window.exe" "$here/BareWin32Window.c"
        # A prefix of its own, and a home: nothing is written outside $work.
        export WINEPREFIX=${WINEPREFIX:-$work/wine} WINEARCH=$wine_arch WINEDEBUG=-all \
            WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" HOME=$work/home TMPDIR=$work/tmp
        mkdir -p "$HOME" "$TMPDIR"
        "$wine_loader" wineboot -i >/dev/null 2>&1 || true
        printf '#!/bin/sh\nexec "%s" "%s"\n' "$wine_loader" "$work/bare-win32-window.exe" > "$work/bare-win32"
        printf '#!/bin/sh\nexec "%s" "%s"\n' "$wine_loader" "$wine_exe" > "$work/lexidor-exe"
        chmod +x "$work/bare-win32" "$work/lexidor-exe"
        if "$bench/lexidor-startup-bench" -n "$runs" -t 60 \
               "bare Win32 window (Wine)=$work/bare-win32" "lexidor.exe (Wine)=$work/lexidor-exe" > "$work/wine.md"; then
            wine_md=$(cat "$work/wine.md")
            [ -n "$wine_note" ] && wine_md="$wine_md

$wine_note"
        else
            wine_md="(the Wine runs failed; see the messages above)"
        fi
        wineserver -k >/dev/null 2>&1 || true
    fi
fi

# --- The web edition ----------------------------------------------------------
# WEB_PAGE (default build-web/lexidor.html, which `make web` writes) in
# headless Chromium: its size, its first frame against a one-line page from
# disk, and its key steps.
web_page=${WEB_PAGE:-build-web/lexidor.html}
case $web_page in /*) ;; *) web_page=$root/$web_page ;; esac
web_tsv=
if [ -f "$web_page" ] && [ -x /usr/bin/chromedriver ]; then
    echo "run-bench: the web page in headless Chromium" >&2
    if /usr/bin/python3 "$here/web-bench.py" "$web_page" "$work" "$runs" "$reps" > "$work/web.tsv"; then
        web_tsv=$work/web.tsv
    fi
fi
load_after=$(load)

# --- The table ----------------------------------------------------------------
median_of() {
    awk -F'\t' -v p="$1" -v c="$2" '$1 == p { print $c }' "$work/startup.tsv" | sort -g |
        awk '{ v[++n] = $1 } END { if (n) print (n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2) }'
}
frame_floor=$(median_of "bare Qt window" 4)
frame_lex=$(median_of lexidor 4)
rss_floor=$(median_of "bare Qt window" 5)
rss_lex=$(median_of lexidor 5)
key() { awk -F'\t' -v k="$1" '$1 == k { print $2 }' "$work/keys.tsv"; }
range() { awk -F'\t' -v k="$1" '$1 == k { printf "%s–%s", $3, $4 }' "$work/keys.tsv"; }
verdict() { awk -v v="$1" -v lim="$2" 'BEGIN { print (v + 0 <= lim + 0 ? "✓" : "✗") }'; }

frame_ratio=$(awk -v a="$frame_lex" -v b="$frame_floor" 'BEGIN { printf "%.2f", a / b }')
rss_extra=$(awk -v a="$rss_lex" -v b="$rss_floor" 'BEGIN { printf "%.1f", (a - b) / 1024 }')

{
    echo "# Lexidor benchmarks"
    echo
    echo "Written by \`make bench\` ($(basename "$here")/run-bench.sh); do not edit by hand."
    echo
    echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "- Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo) RAM; $(uname -sr)"
    echo "- Software: Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'), Xvfb display $DISPLAY"
    echo "- Load average (1, 5, 15 min): $load_before before, $load_after after"
    echo
    echo "## Start-up (fork to window, fork to first frame; peak RSS from wait4)"
    echo
    cat "$work/startup.md"
    echo
    echo "Medians with (min–max) over $runs interleaved runs each, after one unmeasured run each."
    echo "The bare Qt window is an empty QWidget; \"Lexidor's widgets, plain\" is the same main window,"
    echo "menu, labels, box, list and button made by plain Qt code, without the picture or the logic."
    echo
    echo "## Key steps (microseconds: median of $reps repetitions, and their range)"
    echo
    echo "| step | median | range |"
    echo "|---|---|---|"
    awk -F'\t' '{ printf "| %s | %s µs | %s–%s |\n", $1, $2, $3, $4 }' "$work/keys.tsv"
    echo
    echo "- \`BM_Fake_*\`: FrmLexidor on the in-memory toolkit. \`BM_Qt_*\`: the real window on the"
    echo "  offscreen platform, key press and release through QApplication (QTest) and the repaint"
    echo "  into the backing store; \`EventsOnly\`: the events and the handler, without the repaint."
    echo "- Worst step: after \"a\", a \"9\" that matches no term, so the selection runs to row 60 and back."
    echo "  Lookup: the term with the longest definition (Buscar on the fake, Enter on Qt)."
    echo
    echo "## Targets"
    echo
    echo "| target | result | |"
    echo "|---|---|---|"
    echo "| first frame ≤ 1.3 × bare Qt window | ×$frame_ratio | $(verdict "$frame_ratio" 1.3) |"
    echo "| peak RSS ≤ bare Qt window + 4 MB | +$rss_extra MB | $(verdict "$rss_extra" 4) |"
    echo "| worst key step, real widgets, < 200 µs | $(key BM_Qt_WorstKeyStepEventsOnly) µs (events and handler); $(key BM_Qt_WorstKeyStep) µs with the repaint | $(verdict "$(key BM_Qt_WorstKeyStepEventsOnly)" 200) |"
    echo "| worst key step, fake, < 5 µs | $(key BM_Fake_WorstKeyStep) µs | $(verdict "$(key BM_Fake_WorstKeyStep)" 5) |"
    echo "$exe_line"
    if [ -n "$web_tsv" ]; then
        web() { awk -F'\t' -v k="$1" -v n="$2" '$1 == k && $2 == n { printf "%s", $3 }' "$web_tsv"; }
        webrange() { awk -F'\t' -v k="$1" -v n="$2" '$1 == k && $2 == n { printf "%s–%s", $4, $5 }' "$web_tsv"; }
        web_size=$(awk -F'\t' '$1 == "size" { print $2 }' "$web_tsv")
        echo "| \`lexidor.html\` (one file, everything inlined) under 400 KB | $(awk -v s="$web_size" 'BEGIN { printf "%.1f KB (%d bytes)", s / 1024, s }') | $(verdict "$web_size" $((400 * 1024))) |"
        web_ratio=$(awk -v a="$(web frame lexidor)" -v b="$(web frame floor)" 'BEGIN { printf "%.2f", a / b }')
        echo "| web page's first contentful paint ≤ 1.2 × a page of one line (same run, interleaved) | ×$web_ratio | $(verdict "$web_ratio" 1.2) |"
        echo
        echo "## The web edition beside the desktop (headless Chromium $(dpkg-query -W -f='${Version}' chromium 2>/dev/null || echo '?'))"
        echo
        echo "| first frame | floor | Lexidor, plain | Lexidor | Lexidor / floor |"
        echo "|---|---|---|---|---|"
        echo "| Qt: fork to first damage (floor: a bare Qt window; plain: its widgets by plain Qt code) | $frame_floor ms | $(median_of "Lexidor's widgets, plain" 4) ms | $frame_lex ms | ×$frame_ratio |"
        echo "| web: navigation to First Contentful Paint (floor: a page of one line; plain: Lexidor's page at start, saved without its program) | $(web frame floor) ms ($(webrange frame floor)) | $(web frame plain) ms ($(webrange frame plain)) | $(web frame lexidor) ms ($(webrange frame lexidor)) | ×$web_ratio |"
        echo
        echo "| key step | in-memory toolkit | Qt widgets (events and handler) | web page (key release to handled) |"
        echo "|---|---|---|---|"
        echo "| worst step (\"a\", then a key that matches nothing) | $(key BM_Fake_WorstKeyStep) µs | $(key BM_Qt_WorstKeyStepEventsOnly) µs | $(web step 'worst key step') µs ($(webrange step 'worst key step')) |"
        echo "| lookup (longest definition) | $(key BM_Fake_Lookup) µs | $(key BM_Qt_Lookup) µs, with the repaint | $(web step lookup) µs ($(webrange step lookup)) |"
        echo
        echo "First frames: medians (min–max) over $runs interleaved loads in a fresh tab each. Key steps: the"
        echo "mean of 50 real key releases (WebDriver) timed in the page from a capturing listener on the"
        echo "window to one on its way back, median (min–max) of $reps repetitions; the page's clock is"
        echo "coarse (0.1 ms) off a cross-origin-isolated page, so single steps are not timed."
    fi
    if [ -n "$wine_md" ]; then
        echo
        echo "## Windows program under Wine (same harness; Wine's own start-up included)"
        echo
        echo "$wine_md"
    fi
} > "$results"

cat "$results"
