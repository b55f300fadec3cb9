#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Windows programs under Wine in a prefix of their own.
#
#   wine-run.sh PREFIX setup [headless|x11]
#                          make the prefix, once (about 20 s); later calls
#                          find it ready and return at once
#   wine-run.sh PREFIX run [--dpi DPI] PROGRAM [ARG...]
#                          run PROGRAM in it on a display of DPI dots per
#                          inch (default 96; 144 is 150 per cent); standard
#                          input and output pass through, Wine's own
#                          messages are dropped
#   wine-run.sh PREFIX stop
#                          end the prefix's wineserver and remove what it
#                          left outside the prefix
#
# Everything Wine writes stays inside PREFIX: Wine gets a home, XDG folders
# and a temporary folder of its own there (the wineserver's socket folder
# included), and its menu builder (which would write desktop entries and
# menus into the home) is off. However deep PREFIX lies: the server and its
# programs enter the socket's folder and name the socket by its bare name,
# so the 107 bytes a Unix socket's path may have never count its folder. The prefix is a 32-bit one (WINEARCH=win32,
# the default): the programs are 32-bit, and a prefix without the 64-bit
# half is about half the size. WINEARCH=win64 in the environment makes a
# 64-bit prefix run by Wine's 64-bit loader, for the x86_64 build of the
# programs on a machine that cannot execute 32-bit programs
# (cmake/Windows.cmake).
#
# One prefix serves every resolution. Wine reads the resolution (LogPixels
# in HKCU\Control Panel\Desktop) when a program starts, so a run at another
# DPI sets it just before the program and back to 96 after. Runs in one
# prefix must therefore not overlap (ctest: RESOURCE_LOCK); a run cut short
# leaves PREFIX/.lexidor-dpi behind, and the next run puts 96 back first.
#
# A headless prefix (the default, for the tests) uses Wine's null display
# driver: windows, controls, messages, focus, activation and GDI text
# measurement all work, nothing is shown, no X server is needed. An x11
# prefix shows the windows on $DISPLAY (or on a private virtual display
# when none is set); it is set up for running without a window manager:
# Wine manages and decorates its own windows. Wine chooses its display
# driver once per prefix (the desktop process loads it), so the screenshot's
# x11 prefix is a second one, made only by `make screenshot-windows`. Both
# get Tahoma and Marlett so captions, caption buttons and accents render
# properly.
#
# Wine's exit status says little (it is 0 when the program could not even
# start): callers check the program's output.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

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

# Wine fills a new prefix with copies of its own programs and libraries
# (about 630 MB for a 64-bit one). Each copy that is the same as Wine's file
# becomes a link to it: Wine loads them as before and the prefix keeps only
# what is its own (a few MB).
link_builtins() {
    local file name lib
    find "$prefix/drive_c" -type f -size +0 \( -name '*.dll' -o -name '*.exe' -o -name '*.drv' -o -name '*.sys' \
        -o -name '*.ocx' -o -name '*.cpl' -o -name '*.acm' -o -name '*.ax' -o -name '*.tlb' -o -name '*.ds' \) |
        while IFS= read -r file; do
            name=${file##*/}
            for lib in /usr/lib/*/wine/*-windows/"$name"; do
                if [ -f "$lib" ] && cmp -s "$file" "$lib"; then
                    ln -sf "$lib" "$file"
                    break
                fi
            done
        done
}

setup() {
    mode=${1:-headless}
    want="$mode $WINEARCH"
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
    wineserver -w
    link_builtins
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

# The resolution programs started from now on see.
dpi_state=$prefix/.lexidor-dpi
set_dpi() { # set_dpi DPI
    [ "$1" != 96 ] && echo "$1" >"$dpi_state"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
        { echo "wine-run.sh: could not set the resolution to $1 dpi" >&2; return 1; }
    [ "$1" != 96 ] || rm -f "$dpi_state"
}

run() {
    dpi=96
    if [ "${1:-}" = --dpi ]; then
        dpi=$2
        shift 2
    fi
    if [ ! -f "$ready" ]; then
        echo "wine-run.sh: no prefix at $prefix (run setup first)" >&2
        return 1
    fi
    make_home
    if [ "$dpi" != 96 ] || [ -f "$dpi_state" ]; then
        set_dpi "$dpi" || return 1
    fi
    wine=("${WINELOADER:-wine}")
    if [ "$(cut -d' ' -f1 "$ready")" = x11 ] && [ -z "${DISPLAY:-}" ]; then
        # A private display, cleaned up afterwards; Wine keeps its own home
        # and temporary folder in the prefix.
        wine=(bash "$here/../support/private-session.sh" --root "$home" --display=1024x768x24 --
              env HOME="$HOME" TMPDIR="$TMPDIR" XDG_CONFIG_HOME="$XDG_CONFIG_HOME"
              XDG_DATA_HOME="$XDG_DATA_HOME" XDG_CACHE_HOME="$XDG_CACHE_HOME"
              XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" "${WINELOADER:-wine}")
    fi
    [ "$dpi" = 96 ] && exec "${wine[@]}" "$@" 2>/dev/null
    # At another resolution: 96 again afterwards, even after Ctrl+C or TERM
    # (a KILL leaves .lexidor-dpi for the next run to see).
    trap 'set_dpi 96' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    "${wine[@]}" "$@" 2>/dev/null
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
    echo "usage: wine-run.sh PREFIX setup [headless|x11] | run [--dpi DPI] PROGRAM [ARG...] | stop" >&2
    exit 2
    ;;
esac
