# SPDX-License-Identifier: MIT
# Spell-checks the glossary definitions with hunspell's Spanish dictionary.
#
# Usage: check-spelling.sh DUMP_EXE ALLOWED_WORDS
#   DUMP_EXE       program that prints every definition in UTF-8, one per line
#   ALLOWED_WORDS  extra accepted words, one per line ('#' starts a comment)
#
# Prints each unknown word once and exits 1 if there is any, 0 if there is
# none, and 2 if the check cannot run (hunspell or es_ES missing, dump failed).

set -u -o pipefail

dictionary=es_ES

fail() {
    echo "check-spelling: $*" >&2
    exit 2
}

[ $# -eq 2 ] || fail "usage: check-spelling.sh DUMP_EXE ALLOWED_WORDS"
dump_exe=$1
allowed=$2

[ -x "$dump_exe" ] || fail "not an executable: $dump_exe"
[ -r "$allowed" ] || fail "cannot read word list: $allowed"
command -v hunspell >/dev/null 2>&1 ||
    fail "hunspell is not installed (Debian: apt-get install hunspell hunspell-es)"

# hunspell looks in DICPATH first, then in its standard folders.
found=
IFS=: read -r -a search_dirs <<<"${DICPATH:-}:/usr/share/hunspell:/usr/share/myspell:/usr/share/myspell/dicts"
for dir in "${search_dirs[@]}"; do
    [ -n "$dir" ] || continue
    if [ -r "$dir/$dictionary.dic" ] && [ -r "$dir/$dictionary.aff" ]; then
        found=$dir
        break
    fi
done
[ -n "$found" ] ||
    fail "hunspell dictionary $dictionary not found (Debian: apt-get install hunspell-es)"

work=$(mktemp -d) || fail "cannot create a temporary folder"
trap 'rm -rf "$work"' EXIT

# hunspell has no comment syntax for personal dictionaries.
grep -v -e '^[[:space:]]*#' -e '^[[:space:]]*$' "$allowed" >"$work/allowed.dic"

"$dump_exe" >"$work/definitions.txt" || fail "$dump_exe failed"
[ -s "$work/definitions.txt" ] || fail "$dump_exe printed nothing"

LC_ALL=C.UTF-8 hunspell -d "$found/$dictionary" -i utf-8 -l -p "$work/allowed.dic" \
    <"$work/definitions.txt" >"$work/unknown.txt" ||
    fail "hunspell failed"

if [ -s "$work/unknown.txt" ]; then
    echo "Unknown words in the glossary definitions:"
    sort -u "$work/unknown.txt" | sed 's/^/  /'
    exit 1
fi

lines=$(wc -l <"$work/definitions.txt")
echo "check-spelling: $lines definitions, no unknown words"
exit 0
