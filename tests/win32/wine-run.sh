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
#                          end the prefix's wineserver and remove what it
#                          left outside the prefix
#
# Everything Wine writes stays inside PREFIX: Wine gets a home, XDG folders
# and a temporary folder of its own there, and its menu builder (which would
# write desktop entries and menus into the home) is off. The prefix is a
# 32-bit one (WINEARCH=win32, the default): the programs are 32-bit, and a
# prefix without the 64-bit half is about half the size. WINEARCH=win64 in
# the environment makes a 64-bit prefix run by Wine's 64-bit loader, for the
# x86_64 build of the programs on a machine that cannot execute 32-bit
# programs (cmake/Windows.cmake).
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
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINELOADERNOEXEC
# Debian's wine and wineboot start the 32-bit loader whenever it is
# installed, even where it cannot run: a 64-bit prefix calls wine64 itself.
if [ "$WINEARCH" = win64 ]; then
    export WINELOADER=${WINELOADER:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
    wine() { "$WINELOADER" "$@"; }
    wineboot() { "$WINELOADER" wineboot "$@"; }
fi

home=$prefix/home
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/.run TMPDIR=$home/tmp
make_home() { mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR" &&
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"; }

ready=$prefix/.lexidor-ready

setup() {
    mode=${1:-headless}
    dpi=${2:-96}
    want="$mode $WINEARCH"
    [ "$dpi" = 96 ] || want="$want $dpi"
    if [ -f "$ready" ] && [ "$(cat "$ready")" = "$want" ]; then
        return 0
    fi
    rm -rf "$prefix"
    make_home
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
    make_home
    if [ "$(cut -d' ' -f1 "$ready")" = x11 ] && [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1024x768x24" "${WINELOADER:-wine}" "$@" 2>/dev/null
    fi
    exec "${WINELOADER:-wine}" "$@" 2>/dev/null
}

case $action in
setup) setup "$@" ;;
run) run "$@" ;;
stop)
    # The server's socket folder (TMPDIR/wine-XXXXXX) goes with the server.
    wineserver -k 2>/dev/null || true
    rm -rf "$TMPDIR"/wine-*
    ;;
*)
    echo "usage: wine-run.sh PREFIX setup [headless|x11 [DPI]] | run PROGRAM [ARG...] | stop" >&2
    exit 2
    ;;
esac
