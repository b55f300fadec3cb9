#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian packages for the build and the tests, installed quietly.
#
#   packages.sh install [--for WHAT] [--log FILE] PACKAGE...
#       installs the packages that are missing (nothing to do: no output).
#       It prints one line saying what it installs and how much that is,
#       then the progress: in place on a terminal, else one short line. apt
#       and dpkg write to the log (default build/packages.log), which is
#       shown, its end, only when something fails. A PACKAGE:i386 adds the
#       i386 architecture first. Runs as root, or through sudo.
#   packages.sh size [--status FILE] PACKAGE...
#       prints what installing the packages would take, as apt reckons it:
#       "COUNT DOWNLOAD_BYTES INSTALLED_KB", onto the system dpkg's status
#       FILE describes (default: this one). Needs no root.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Messages in English whatever the locale: the sizes are read from them.
export LC_ALL=C.UTF-8

# Inst lines of a simulated install: "NAME VERSION" for each package apt
# would unpack, NAME with :ARCH for another architecture.
simulate() { # simulate STATUS_FILE PACKAGE...
    local status=$1
    shift
    apt-get -s -o Dir::State::status="$status" -o APT::Get::Show-User-Simulation-Note=false \
        install --no-install-recommends "$@" 2>&1 |
        awk '/^Inst / { v = ($3 ~ /^\[/) ? $4 : $3; sub(/^\(/, "", v); print $2, v; next }
             /^E: / { print > "/dev/stderr"; failed = 1 } END { exit failed }'
}

# COUNT DOWNLOAD_BYTES INSTALLED_KB of the packages simulate printed.
sizes() {
    local -a specs=()
    local name version
    while read -r name version; do [ -n "$name" ] && specs+=("$name=$version"); done
    if [ ${#specs[@]} = 0 ]; then
        echo "0 0 0"
        return
    fi
    apt-cache show --no-all-versions "${specs[@]}" 2>/dev/null |
        awk -v count=${#specs[@]} '/^Size: / { d += $2 } /^Installed-Size: / { i += $2 }
                                   END { printf "%d %.0f %.0f\n", count, d, i }'
}

# 675 MB, 3.1 GB: apt's own units (powers of 1000).
human() { # human BYTES
    awk -v b="$1" 'BEGIN { if (b >= 1e9) printf "%.1f GB", b / 1e9; else if (b >= 1e6) printf "%.0f MB", b / 1e6;
                          else printf "%.0f kB", b / 1e3 }'
}

installed() {
    dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null | grep -q '^install ok installed'
}

case ${1:-} in
size)
    shift
    status=/var/lib/dpkg/status
    # (apt takes a relative path as relative to its own state folder)
    if [ "${1:-}" = --status ]; then status=$(realpath "$2"); shift 2; fi
    list=$(simulate "$status" "$@") || exit 1
    sizes <<<"$list"
    exit 0
    ;;
install) shift ;;
*)
    echo "usage: packages.sh install [--for WHAT] [--log FILE] PACKAGE... | size [--status FILE] PACKAGE..." >&2
    exit 2
    ;;
esac

what="" log=build/packages.log
while [ $# -gt 0 ]; do
    case $1 in
    --for) what=" for $2"; shift 2 ;;
    --log) log=$2; shift 2 ;;
    *) break ;;
    esac
done

missing=()
add_i386=0
for p in "$@"; do
    installed "$p" && continue
    missing+=("$p")
    if [[ $p == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then add_i386=1; fi
done
[ ${#missing[@]} = 0 ] && exit 0

sudo=""
if [ "$(id -u)" != 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Installing ${missing[*]} needs root: run this as root, or install sudo and allow yourself to use it." >&2
        exit 1
    fi
    sudo=sudo
fi
# sudo resets the environment: apt gets its settings on its own command line
# (no questions, no debconf notice that apt-utils is missing, English
# messages, no terminal for dpkg, up to ten minutes' wait for another
# package manager to finish).
apt_get() {
    $sudo env DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes LC_ALL=C.UTF-8 \
        apt-get -o Dpkg::Use-Pty=0 -o DPkg::Lock::Timeout=600 "$@"
}
# The same with apt's progress report ("dlstatus:N:PERCENT:...",
# "pmstatus:PACKAGE:PERCENT:WHAT") alone on standard output and everything
# else on standard error. The report gets a descriptor of its own, opened
# after sudo (which closes all but the first three): on standard output
# itself, dpkg's maintainer scripts would find theirs closed and fail.
apt_get_progress() {
    $sudo env DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes LC_ALL=C.UTF-8 \
        sh -c 'exec apt-get -o APT::Status-Fd=3 "$@" 3>&1 1>&2' apt-get \
        -o Dpkg::Use-Pty=0 -o DPkg::Lock::Timeout=600 "$@"
}

mkdir -p "$(dirname "$log")"
: >"$log"
tty=0
[ -t 1 ] && tty=1
started=$(date +%s)
drawn=""
status() { # the progress line on a terminal, drawn again only when it changes
    [ $tty = 1 ] && [ "$1" != "$drawn" ] && printf '\r\033[K  %s' "${1:0:$((${COLUMNS:-80} - 3))}"
    drawn=$1
}
failed() { # failed WHAT
    [ $tty = 1 ] && printf '\r\033[K' || echo
    {
        echo "$1 failed; apt's whole log is $log. Its first error:"
        grep -m 1 -i -B 3 -A 3 -E '^(E: |dpkg: error)|error' "$log" | sed 's/^/  /'
        echo "Its end:"
        tail -n 15 "$log" | sed 's/^/  /'
    } >&2
    exit 1
}
# sudo asks for a password here, before anything else is printed.
[ -n "$sudo" ] && { sudo -v || exit 1; }

if [ $add_i386 = 1 ]; then
    $sudo dpkg --add-architecture i386 >>"$log" 2>&1 || failed "Adding the i386 architecture"
fi

# The package lists; another apt-get may hold their lock for a while.
status "reading the package lists"
for attempt in $(seq 120); do
    apt_get update >>"$log" 2>&1 && break
    grep -q 'Could not get lock' "$log" || failed "apt-get update"
    [ "$attempt" = 120 ] && failed "apt-get update (another package manager held its lock for ten minutes)"
    status "waiting for another package manager to finish"
    sleep 5
done

list=$(simulate /var/lib/dpkg/status "${missing[@]}" 2>>"$log") || failed "Resolving the packages"
read -r count download disk <<<"$(sizes <<<"$list")"
{
    echo "== Installing: ${missing[*]}"
    echo "== With their dependencies:"
    echo "$list"
} >>"$log"
[ $tty = 1 ] && printf '\r\033[K'
packages() { [ "$1" = 1 ] && echo "1 package" || echo "$1 packages"; }
echo "Installing $(packages ${#missing[@]})$what ($count with their dependencies): $(human "$download") to download," \
    "$(human $((disk * 1024))) on disk"

# apt's output goes to the log, its progress report draws the progress line:
# "dlstatus" while downloading, "pmstatus" while dpkg unpacks and sets up.
phase="" shown=-1
[ $tty = 1 ] || printf ' '
# The loop runs in this shell, so that its state outlives the pipe.
shopt -s lastpipe
apt_get_progress install -y --no-install-recommends "${missing[@]}" 2>>"$log" |
    while IFS= read -r line; do
        case $line in
        dlstatus:* | pmstatus:*) ;;
        *) continue ;;
        esac
        IFS=: read -r kind _ percent message <<<"$line"
        percent=${percent%%.*}
        if [ $tty = 1 ]; then
            case $kind in
            dlstatus) status "downloading $percent%" ;;
            pmstatus) status "installing $percent%: $message" ;;
            esac
            continue
        fi
        # Without a terminal: one line, a mark every 20 per cent.
        if [ "$kind" != "$phase" ]; then
            [ -n "$phase" ] && printf ','
            case $kind in
            dlstatus) printf ' downloading' ;;
            pmstatus) printf ' installing' ;;
            esac
            phase=$kind shown=-1
        fi
        step=$((percent / 20 * 20))
        if [ "$step" -gt "$shown" ] && [ "$step" -gt 0 ]; then
            printf ' %d%%' "$step"
            shown=$step
        fi
    done
result=${PIPESTATUS[0]}
[ "$result" = 0 ] || failed "apt-get install (exit status $result)"
elapsed=$(($(date +%s) - started))
# dpkg's last report is at 80 per cent or so.
[ $tty = 0 ] && [ "$shown" -lt 100 ] && printf ' 100%%'
[ $tty = 1 ] && printf '\r\033[K  ' || printf ';'
printf ' done in %d min %02d s\n' $((elapsed / 60)) $((elapsed % 60))
