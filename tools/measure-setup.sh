#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a newcomer's first `make run` and `make test` download and install on
# a fresh Debian 12 (minbase, plus git, make and sudo), as apt reckons it
# from this machine's package lists, and what the build tree takes on disk
# after `make test`. Needs no root and installs nothing: apt simulates the
# installs onto the package set of such a system (dpkg's status file written
# for it in build/measure/). The package lists must know the i386
# architecture (`make test` adds it).
#
# usage: measure-setup.sh [--readme]
#   --readme  also writes the figures into README.md, between the lines
#             <!-- measure-setup: begin --> and <!-- measure-setup: end -->
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C.UTF-8
build=${BUILD:-build}
work=$build/measure
mkdir -p "$work"
packages() { bash tools/packages.sh size --status "$work/status" "$@"; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "measure-setup: the package lists have no i386 part (run make test first)" >&2
    exit 1
fi

# --- A fresh Debian 12 ---------------------------------------------------------
# debootstrap's minbase: the packages of priority "required" and apt, with
# what they depend on (usr-is-merged, as debootstrap chooses, rather than
# usrmerge); then the newcomer's git, make, sudo and ca-certificates.
required=$(apt-cache dumpavail | awk -v RS= '/\nPriority: required\n/ && /\nArchitecture: (amd64|all)\n/ {
    match($0, /^Package: [^\n]*/); print substr($0, 10, RLENGTH - 9) }' | sort -u)
# shellcheck disable=SC2086
base=$(apt-get -s -o Dir::State::status=/dev/null -o APT::Get::Show-User-Simulation-Note=false \
    install --no-install-recommends $required apt usr-is-merged git make sudo ca-certificates |
    awk '/^Inst / { v = ($3 ~ /^\[/) ? $4 : $3; sub(/^\(/, "", v); print $2 "=" v }')
# shellcheck disable=SC2086
apt-cache show --no-all-versions $base |
    awk '/^Package: / { print; print "Status: install ok installed"; next } { print }' >"$work/status"

# --- The packages of `make run` and `make test` ------------------------------
run_packages=$(make -s --no-print-directory print-RUN_PACKAGES)
test_packages="$(make -s --no-print-directory print-TEST_PACKAGES) $(bash tests/win32/install-deps.sh --list)"
# shellcheck disable=SC2086
read -r run_count run_download run_disk <<<"$(packages $run_packages)"
# shellcheck disable=SC2086
read -r test_count test_download test_disk <<<"$(packages $test_packages)"
# What the Windows part alone (mingw-w64 and Wine) adds to the other tests'.
# shellcheck disable=SC2086
read -r _ _ others_disk <<<"$(packages $(make -s --no-print-directory print-TEST_PACKAGES))"
windows_disk=$((test_disk - others_disk))

mb() { awk -v b="$1" 'BEGIN { if (b >= 1e9) printf "%.1f GB", b / 1e9; else printf "%.0f MB", b / 1e6 }'; }
kb() { mb $(($1 * 1024)); }

# --- The build tree ------------------------------------------------------------
du_bytes() { du -sb "$@" 2>/dev/null | awk '{ s += $1 } END { print s + 0 }'; }
prefix=$build/wine-prefix
tree=""
if [ -f "$build/CMakeCache.txt" ] && [ -d "$build/Testing" ]; then
    tree_bytes=$(du_bytes "$build" --exclude=measure)
    if [ -f "$prefix/.lexidor-ready" ]; then
        prefix_bytes=$(du_bytes "$prefix")
        tree="\`$build/\` after \`make test\`: $(mb "$tree_bytes"), $(mb "$prefix_bytes") of it the Wine prefix."
    else
        tree="\`$build/\` after \`make test\`: $(mb "$tree_bytes"), without a Wine prefix (Wine could not run where this was measured)."
    fi
fi

block=$(cat <<EOF
| on a fresh Debian 12 (minbase, plus git, make and sudo) | packages | download | installed |
|---|---|---|---|
| \`make run\` | $run_count | $(mb "$run_download") | $(kb "$run_disk") |
| \`make test\` (what \`make run\` needs included) | $test_count | $(mb "$test_download") | $(kb "$test_disk"), $(kb "$windows_disk") of it mingw-w64 and Wine |

${tree:-(No build tree measured: run \`make test\` first.)}
Measured by \`tools/measure-setup.sh\` ($(date -u +%Y-%m-%d), Debian $(cat /etc/debian_version)).
EOF
)
echo "$block"

if [ "${1:-}" = --readme ]; then
    awk -v block="$block" '
        /^<!-- measure-setup: begin -->$/ { print; print block; skip = 1; next }
        /^<!-- measure-setup: end -->$/ { skip = 0 }
        !skip { print }' README.md >"$work/README.md"
    if cmp -s README.md "$work/README.md"; then
        echo "measure-setup: README.md already says so"
    elif ! grep -q '^<!-- measure-setup: begin -->$' README.md; then
        echo "measure-setup: README.md has no <!-- measure-setup: begin --> line" >&2
        exit 1
    else
        cp "$work/README.md" README.md
        echo "measure-setup: README.md updated"
    fi
fi
