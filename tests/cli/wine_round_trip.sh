#!/bin/sh
# The Windows build of murkvale under Wine: a round trip whose sealed bytes must
# be those every other build writes, the code-page conversion, and the statuses.
# Usage: wine_round_trip.sh RUNNER MURKVALE.EXE
set -u
runner=$1
exe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

failures=0
check() {  # check WHAT EXPECTED-STATUS COMMAND...
    what=$1 want=$2
    shift 2
    "$@" >out 2>err
    got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL $what: exit status $got, expected $want" >&2
        cat err >&2
        failures=$((failures + 1))
    fi
}
same() {  # same WHAT FILE EXPECTED-FILE
    cmp -s "$2" "$3" || { echo "FAIL $1: $2 differs from $3" >&2; failures=$((failures + 1)); }
}

printf 'hello' >plain
printf 'ab\r\n' >pw
printf 'caf\303\251\n' >pw-cafe                               # UTF-8
printf '\001\377\150\043\034\046\043' >want-ab               # "hello" under "ab"
printf '\001\177\150\365\356\370\365' >want-cafe             # under "café" in code page 1252

check 'seal' 0 "$runner" "$exe" seal plain --password-file pw
same 'seal' plain.vae want-ab
check 'open' 0 "$runner" "$exe" open plain.vae -o back --password-file pw
same 'open' back plain
check 'seal --codepage 1252' 0 "$runner" "$exe" seal plain -o cafe.vae --password-file pw-cafe --codepage 1252
same 'seal --codepage 1252' cafe.vae want-cafe
check 'wrong password' 4 "$runner" "$exe" open cafe.vae -o x --password-file pw
check 'info' 3 "$runner" "$exe" info plain
grep -q 'not a Vael file' out || { echo "FAIL info: $(cat out)" >&2; failures=$((failures + 1)); }
check 'existing output' 1 "$runner" "$exe" seal plain --password-file pw
[ ! -e x ] || { echo "FAIL: x was written" >&2; failures=$((failures + 1)); }

# Standard output in binary mode: an LF in the content stays one byte.
printf 'S\nS\n' >lf
printf '\001\377\301\n\301\n' >want-lf                       # "S\nS\n" under "ab"
check 'seal -o -' 0 "$runner" "$exe" seal lf -o - --password-file pw
same 'seal -o -' out want-lf
check 'open -o -' 0 "$runner" "$exe" open want-lf -fqo - --password-file pw
same 'open -o -' out lf
has() {  # has WHAT FILE TEXT
    grep -qF -- "$3" "$2" || { echo "FAIL $1: $2 lacks '$3': $(cat "$2")" >&2; failures=$((failures + 1)); }
}
check 'output named --version' 0 "$runner" "$exe" seal plain -o --version --password-file pw
same 'output named --version' ./--version want-ab
check 'code page 37' 2 "$runner" "$exe" seal plain -o y --password-file pw --codepage 37
has 'code page 37' err '1250-1258 and 65001'
check 'password without a line end' 1 "$runner" "$exe" seal plain -o y --password-fd 0 </dev/zero
has 'password without a line end' err 'over 256 bytes'
check 'info into /dev/full' 1 sh -c '"$0" "$1" info plain.vae >/dev/full' "$runner" "$exe"
has 'info into /dev/full' err 'Cannot write to standard output'
[ ! -e y ] || { echo "FAIL: y was written" >&2; failures=$((failures + 1)); }

# A name that would steer the terminal or forge a line is shown escaped.
check 'hostile name' 1 "$runner" "$exe" info "$(printf 'evil\033[2J\nmurkvale: all good')"
has 'hostile name' err "Cannot open \$'evil\\e[2J\\nmurkvale: all good'"
# (Windows ends its lines with CR LF.)
! tr -d '\r' <err | LC_ALL=C grep -q '[[:cntrl:]]' || { echo "FAIL hostile name: control bytes in $(od -c err)" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ]
