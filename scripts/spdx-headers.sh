#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the copyright and licence header at the top of every file in git that can carry one and
# has none yet; a second run changes nothing. A shebang stays on the first line, an XML
# declaration or document type before the header. Files that .reuse/dep5 covers are left alone:
# data whose bytes matter (word lists, fuzzing inputs, test files). Prints each file it
# changed, and each file it cannot give a header (add those to .reuse/dep5), then fails.
#
#   scripts/spdx-headers.sh [file...]     (default: every file in git)
set -euo pipefail
# The tags below are what the script writes, not this file's own (reuse skips them).
# REUSE-IgnoreStart
cd "$(dirname "$0")/.."

copyright='SPDX-FileCopyrightText: 2026 The Wupple developers'

# The file patterns .reuse/dep5 gives a licence to; a "*" there spans folders too.
mapfile -t covered < <(sed -n '/^Files:/,/^[A-Z]/{s/^Files://p; /^ /p}' .reuse/dep5 | tr ' ' '\n' | sed '/^$/d')

# The comment style a file's header is written in: slash, hash, markup; "data" for the licence
# texts, .reuse/dep5 and whatever dep5 covers; "none" when nothing fits.
style_of() {
    case "$1" in LICENSES/* | .reuse/*) echo data; return ;; esac
    local pattern
    for pattern in "${covered[@]}"; do
        # shellcheck disable=SC2053
        [[ "$1" == $pattern ]] && { echo data; return; }
    done
    case "$1" in
        *.cpp | *.h) echo slash ;;
        *CMakeLists.txt | *.cmake | *.sh | *.py | *.dict | *.supp | *.score | *.desktop | Makefile | .ci/* | *.gitignore | *.gitattributes)
            echo hash ;;
        *.html | *.md | *.xml | *.xml.in | *.svg) echo markup ;;
        *) echo none ;;
    esac
}

# Software centres need the metadata under a licence that lets them mix it freely.
licence_of() {
    case "$1" in
        *.metainfo.xml*) echo 'SPDX-License-Identifier: CC0-1.0' ;;
        *) echo 'SPDX-License-Identifier: GPL-3.0-or-later' ;;
    esac
}

header_of() {
    local licence
    licence=$(licence_of "$2")
    case "$1" in
        slash) printf '// %s\n// %s\n' "$copyright" "$licence" ;;
        hash) printf '# %s\n# %s\n' "$copyright" "$licence" ;;
        markup) printf '<!-- %s -->\n<!-- %s -->\n' "$copyright" "$licence" ;;
    esac
}

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -d '' files < <(git ls-files -z)
fi

status=0
for file in "${files[@]}"; do
    [ -f "$file" ] && [ ! -L "$file" ] || continue
    style=$(style_of "$file")
    [ "$style" = data ] && continue
    grep -q 'SPDX-License-Identifier:' "$file" && continue
    if [ "$style" = none ]; then
        echo "no header possible, add it to .reuse/dep5: $file" >&2
        status=1
        continue
    fi
    # The lines that must stay in front: a shebang, or an XML declaration and document type.
    keep=0
    first=$(head -n 1 "$file")
    if [[ "$first" == '#!'* ]]; then
        keep=1
    elif [ "$style" = markup ]; then
        while IFS= read -r line; do
            shopt -s nocasematch
            if [[ "$line" == '<?xml'* || "$line" == '<!DOCTYPE'* ]]; then
                keep=$((keep + 1))
            else
                break
            fi
            shopt -u nocasematch
        done < "$file"
        shopt -u nocasematch
    fi
    header=$(header_of "$style" "$file")
    # A file written with CR LF gets its header in CR LF too.
    if head -n 1 "$file" | grep -q $'\r$'; then
        header=$(printf '%s\n' "$header" | sed 's/$/\r/')
    fi
    temporary=$(mktemp "$file.XXXXXX")
    {
        head -n "$keep" "$file"
        printf '%s\n' "$header"
        tail -n +"$((keep + 1))" "$file"
    } > "$temporary"
    chmod --reference="$file" "$temporary"
    mv "$temporary" "$file"
    echo "header added: $file"
done
exit $status
# REUSE-IgnoreEnd
