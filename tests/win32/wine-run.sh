#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Windows programs under Wine in a prefix of their own.
#
#   wine-run.sh PREFIX setup [headless|x11 [DPI]]
#                          make the prefix, once (about 20 s); later calls
#                          find it ready and return at once. DPI (default
#                          96) is the display's resolution, Wine's LogPixels
#   wine-run.sh PREFIX run PROGRAM [ARG...]
#                          run PROGRAM in it; standard input and output pass
#                          through, Wine's own messages are dropped
#   wine-run.sh PREFIX stop
#                          end the prefix's wineserver
#
# A headless prefix (the default, for the tests) uses Wine's null display
# driver: windows, controls, messages, focus, activation and GDI text
# measurement all work, nothing is shown, no X server is needed, and several
# programs can run at once. An x11 prefix shows the windows on $DISPLAY (or
# on a virtual display of their own when none is set); it is set up for
# running without a window manager: Wine manages and decorates its own
# windows. Both get Tahoma and Marlett so captions, caption buttons and
# accents render properly.
#
# Wine's exit status says little (it is 0 when the program could not even
# start): callers check the program's output.
set -u

prefix=$1
action=$2
shift 2

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINELOADERNOEXEC

ready=$prefix/.lexidor-ready

setup() {
    mode=${1:-headless}
    dpi=${2:-96}
    want=$mode
    [ "$dpi" = 96 ] || want="$mode $dpi"
    if [ -f "$ready" ] && [ "$(cat "$ready")" = "$want" ]; then
        return 0
    fi
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    # Wine draws the frames of windows itself and does not wait for a
    # window manager on every close.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    if [ "$mode" = headless ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
    fi
    if [ "$dpi" != 96 ]; then
        # The resolution Wine reports for the screen and the windows.
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    fi
    wineserver -w
    fonts=$prefix/drive_c/windows/Fonts
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf; do
        [ -f "$font" ] && cp "$font" "$fonts/"
    done
    if [ ! -f "$prefix/system.reg" ]; then
        echo "wine-run.sh: could not create the Wine prefix $prefix" >&2
        return 1
    fi
    echo "$want" >"$ready"
}

run() {
    if [ ! -f "$ready" ]; then
        echo "wine-run.sh: no prefix at $prefix (run setup first)" >&2
        return 1
    fi
    if [ "$(cut -d' ' -f1 "$ready")" = x11 ] && [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@" 2>/dev/null
    fi
    exec wine "$@" 2>/dev/null
}

case $action in
setup) setup "$@" ;;
run) run "$@" ;;
stop) wineserver -k 2>/dev/null || true ;;
*)
    echo "usage: wine-run.sh PREFIX setup [headless|x11 [DPI]] | run PROGRAM [ARG...] | stop" >&2
    exit 2
    ;;
esac
