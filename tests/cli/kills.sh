#!/usr/bin/env bash
# Ends murkvale seal and open at random moments with signals it does not
# catch (SIGKILL, SIGQUIT, SIGUSR1, SIGALRM, SIGXCPU) and with a CPU-time
# limit, and checks after each that the folder holds what it held before, or
# that and the complete output; an existing output is byte for byte the old
# one or the complete new one.
#
# Usage: kills.sh MURKVALE [ROUNDS]
set -u
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
rounds=${2:-6}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

failures=0
runs=0
fail() {
    printf 'FAIL %s\n' "$*" >&2
    failures=$((failures + 1))
}

# A sparse input reads fast, so each run is mostly the writing being killed.
truncate -s 96M plain
printf 'ab\n' >pw
printf '\n' >pw-empty
"$bin" seal plain -o whole.vae --password-file pw -q || fail "cannot seal the fixture"
"$bin" open whole.vae -o whole.plain --password-file pw -q || fail "cannot open the fixture"
cmp -s whole.plain plain || fail "the fixture does not open to its input"
rm whole.plain
printf 'old output\n' >old

# The names in the folder, one a line.
names() { ls -A | sort; }

# check LABEL OUTPUT COMPLETE: the folder holds its fixtures and, if any,
# OUTPUT with exactly the bytes of COMPLETE, or the old bytes where it existed.
check() {
    local label=$1 output=$2 complete=$3 existed=$4 extra
    extra=$(comm -13 <(printf '%s\n' plain pw pw-empty whole.vae old "$output" | sort) <(names))
    [ -z "$extra" ] || fail "$label: left behind: $extra"
    if [ -e "$output" ]; then
        if ! cmp -s "$output" "$complete"; then
            if [ "$existed" = yes ] && cmp -s "$output" old; then
                :
            else
                fail "$label: $output is neither the old file nor complete"
            fi
        fi
    elif [ "$existed" = yes ]; then
        fail "$label: the existing $output is gone"
    fi
}

# one OP SIGNAL EXISTED: a run killed by SIGNAL after a random delay.
one() {
    local op=$1 signal=$2 existed=$3 input output complete force=()
    if [ "$op" = seal ]; then
        input=plain output=out.vae complete=whole.vae
    else
        input=whole.vae output=out.plain complete=plain
    fi
    rm -f "$output"
    if [ "$existed" = yes ]; then
        cp old "$output"
        force=(-f)
    fi
    "$bin" "$op" "$input" -o "$output" "${force[@]}" --password-file pw -q 2>/dev/null &
    local pid=$!
    sleep "0.$(printf '%03d' $((RANDOM % 250)))"
    kill -s "$signal" "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    runs=$((runs + 1))
    check "$op, $signal, existing output $existed" "$output" "$complete" "$existed"
    rm -f "$output"
}

for round in $(seq "$rounds"); do
    for signal in KILL QUIT USR1 ALRM XCPU; do
        for op in seal open; do
            for existed in no yes; do one "$op" "$signal" "$existed"; done
        done
    done
done

# A CPU-time limit ends the run by SIGXCPU (and SIGKILL after it) midway.
truncate -s 4G huge
for op in seal open; do
    if [ "$op" = seal ]; then input=huge; else input=huge.vae; printf '\001\000' >huge.vae; truncate -s 4G huge.vae; fi
    # In a child shell, so the shell's own "Killed" notice stays out of the log.
    bash -c 'ulimit -t 1 && exec "$@"' limit "$bin" "$op" "$input" -o limited \
        --password-file pw-empty -q 2>/dev/null
    status=$?
    [ "$status" -ge 128 ] || fail "$op under ulimit -t: status $status, expected a signal's"
    [ ! -e limited ] || fail "$op under ulimit -t: limited left behind"
    extra=$(ls -A | grep -E '^(limited|\.murkvale-)')
    [ -z "$extra" ] || fail "$op under ulimit -t: left behind: $extra"
done
rm -f huge huge.vae

echo "$runs killed runs, $failures failures"

[ "$failures" -eq 0 ]
