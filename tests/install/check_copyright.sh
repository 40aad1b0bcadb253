#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The package's copyright file in the installed tree: in Debian's machine-readable format, every
# file pattern it names matches an installed file, and every licence it names has its text.
#
#   check_copyright.sh <installed tree>
set -uo pipefail
tree=$1
file=$tree/usr/share/doc/wupple/copyright
fail() { echo "FAIL: $*"; exit 1; }

[ -f "$file" ] || fail "no $file"
head -n 1 "$file" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the first line does not name the machine-readable format"

# Paragraphs are separated by blank lines; a field's continuation lines start with a blank.
while read -r pattern; do
    [ "$pattern" = "*" ] && continue
    # shellcheck disable=SC2086
    matches=$(cd "$tree" && ls -d $pattern 2>/dev/null | head -n 1)
    [ -n "$matches" ] || fail "\"Files: $pattern\" matches no installed file"
done < <(sed -n 's/^Files: //p' "$file" | tr ' ' '\n' | sed '/^$/d')

# Licence names used in Files paragraphs (split at "and"/"or"), each needing a paragraph of its own
# that holds the text: a "License:" line followed by indented lines, outside any Files paragraph.
used=$(awk '/^Files:/ { files = 1 } /^$/ { files = 0 } files && /^License:/ { sub(/^License: */, ""); print }' "$file" |
    sed 's/ and /\n/g; s/ or /\n/g' | sort -u)
for licence in $used; do
    awk -v name="$licence" '
        /^$/ { files = 0; standalone = 0 }
        /^Files:/ { files = 1 }
        !files && $0 == "License: " name { standalone = 1; next }
        standalone && /^ / { found = 1 }
        END { exit !found }' "$file" || fail "no text for the licence $licence"
done
echo "copyright file: $(grep -c '^Files:' "$file") file paragraphs, licences: $(echo $used)"
