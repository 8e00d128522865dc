#!/usr/bin/env bash
# The manual page and --help name the same options, so neither falls behind.
# Usage: man_page.sh MURKVALE MANUAL-PAGE
set -u
options_in() { grep -oE -- '(^|[ ,[|(])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u; }
help=$("$1" --help | options_in)
# In roff a minus is written \-.
manual=$(sed 's/\\-/-/g' "$2" | options_in)
[ -n "$help" ] || { echo "FAIL: no options found in --help" >&2; exit 1; }
if [ "$help" != "$manual" ]; then
    echo "FAIL: --help and the manual page name different options:" >&2
    diff <(echo "$help") <(echo "$manual") | sed 's/^</  only in --help:/; s/^>/  only in the manual:/' >&2
    exit 1
fi
echo "both name: $(echo $help)"
