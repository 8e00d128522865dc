#!/usr/bin/env bash
# A file that takes the output's name after murkvale checked it, while the
# password is being read, is never replaced without -f: the run fails with the
# "already exists" message and status 1, and the newcomer is untouched. A FIFO
# as --password-file holds the run at that moment, so the race is certain.
# Each row runs on every road the output can take to its name.
#
# Usage: no_replace_race.sh MURKVALE
set -u
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

failures=0
fail() {
    printf 'FAIL %s: %s\n' "$case_name" "$*" >&2
    failures=$((failures + 1))
}

# race ROAD OP FORCE NEWCOMER WANT-STATUS
#   NEWCOMER  file: a regular file; link: a symbolic link to a file elsewhere
race() {
    local road=$1 op=$2 force=$3 newcomer=$4 want=$5
    case_name="$op ${force:-(no -f)} $newcomer on road ${road:-default}"
    local dir="$root/case" input output
    rm -rf "$dir" && mkdir "$dir" && cd "$dir" || exit 1
    printf 'hello' >plain
    printf '\x01\xff\x68\x23\x1c\x26\x23' >sealed   # "hello" under "ab"
    mkfifo pw
    if [ "$op" = seal ]; then input=plain output=plain.vae; else input=sealed output=out; fi
    # Held open here for reading and writing, the FIFO opens at once for the
    # run, whose read then waits.
    exec 3<>pw
    MURKVALE_TEST_OUTPUT_ROAD=$road "$bin" "$op" "$input" -o "$output" $force \
        --password-file pw 2>err 3>&- &
    local pid=$!
    # Once the run holds the FIFO open it has made its checks and waits for
    # the password.
    local polls=0
    until ls -l "/proc/$pid/fd" 2>/dev/null | grep -qF -- "-> $dir/pw"; do
        polls=$((polls + 1))
        [ $polls -lt 2000 ] || { fail "the run never opened its password file"; break; }
        sleep 0.005
    done
    if [ "$newcomer" = file ]; then
        printf 'newcomer' >"$output"
    else
        printf 'newcomer' >"$root/elsewhere"
        ln -s "$root/elsewhere" "$output"
    fi
    printf 'ab\n' >&3
    exec 3>&-
    wait "$pid"
    local status=$?
    [ "$status" -eq "$want" ] || fail "status $status, expected $want: $(cat err)"
    local names
    names=$(ls -A | tr '\n' ' ')
    [ "$names" = "$(printf '%s ' err "$output" plain pw sealed | tr ' ' '\n' | sort | tr '\n' ' ')" ] ||
        fail "folder holds: $names"
    if [ "$want" -eq 1 ]; then
        grep -qF "\"$output\" already exists; give -f to replace it." err || fail "message: $(cat err)"
        [ "$(cat "$output")" = newcomer ] || fail "the newcomer changed"
        [ "$newcomer" = file ] || [ -L "$output" ] || fail "the newcomer link is gone"
    else
        [ "$(cat "$output")" != newcomer ] || fail "the output was not written"
    fi
    rm -f "$root/elsewhere"
    cd "$root" || exit 1
}

for road in '' named named-linked; do
    for op in seal open; do
        race "$road" "$op" '' file 1
        race "$road" "$op" '' link 1
        race "$road" "$op" -f file 0
    done
done

echo "$failures failures"
[ "$failures" -eq 0 ]
