#!/usr/bin/env bash
# The Windows console tool under Wine, ended by SIGKILL at random moments
# (as Task Manager or TerminateProcess would end it): the folder afterwards
# holds what it held before, or that and the complete output; an existing
# output is byte for byte the old one or the complete new one.
#
# Usage: wine_kills.sh RUNNER MURKVALE.EXE [ROUNDS]
set -u
runner=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
exe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
rounds=${3:-5}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

failures=0
fail() {
    printf 'FAIL %s\n' "$*" >&2
    failures=$((failures + 1))
}

head -c 1M /dev/urandom >block
for _ in $(seq 256); do cat block; done >plain
rm block
printf 'ab\r\n' >pw
printf 'old output\n' >old
"$runner" "$exe" seal plain -o whole.vae --password-file pw -q || fail "cannot seal the fixture"
[ -s whole.vae ] || fail "the fixture was not sealed"

# The folder settles once Wine has closed the killed process's handles.
settled() {
    local output=$1 tries=0 extra
    while :; do
        extra=$(comm -13 <(printf '%s\n' plain pw old whole.vae "$output" | sort) <(ls -A | sort))
        [ -z "$extra" ] && return 0
        tries=$((tries + 1))
        [ $tries -lt 40 ] || { printf '%s' "$extra"; return 1; }
        sleep 0.05
    done
}

killed=0
for round in $(seq "$rounds"); do
    for op in seal open; do
        for existed in no yes; do
            if [ "$op" = seal ]; then
                input=plain output=out.vae complete=whole.vae
            else
                input=whole.vae output=out.plain complete=plain
            fi
            rm -f "$output"
            force=()
            if [ "$existed" = yes ]; then cp old "$output"; force=(-f); fi
            "$runner" "$exe" "$op" "$input" -o "$output" "${force[@]}" --password-file pw -q \
                >/dev/null 2>&1 &
            pid=$!
            sleep "0.$(printf "%03d" $((RANDOM % 600)))"
            label="$op, existing output $existed, round $round"
            if kill -9 "$pid" 2>/dev/null; then
                killed=$((killed + 1))
                wait "$pid" 2>/dev/null
            else
                # Ended before the signal: it must have succeeded.
                wait "$pid" || fail "$label: a run that was not killed failed"
                cmp -s "$output" "$complete" || fail "$label: a run that was not killed wrote no output"
            fi
            left=$(settled "$output") || fail "$label: left behind: $left"
            if [ -e "$output" ] && ! cmp -s "$output" "$complete"; then
                [ "$existed" = yes ] && cmp -s "$output" old ||
                    fail "$label: $output is neither the old file nor complete"
            fi
            [ "$existed" = no ] || [ -e "$output" ] || fail "$label: the existing output is gone"
            rm -f "$output"
        done
    done
done

echo "$killed runs killed before they ended, $failures failures"
[ "$failures" -eq 0 ]
