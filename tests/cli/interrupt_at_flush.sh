#!/usr/bin/env bash
# Ctrl+C, SIGTERM or SIGHUP while the output is flushed to disk, the last step
# before it takes its name, still fails the run with status 1 and leaves
# nothing. strace holds the flush (fsync) for a while, so the signal surely
# comes during it.
#
# Usage: interrupt_at_flush.sh MURKVALE
set -u
# Job control, so background runs do not start with SIGINT ignored.
set -m
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

if ! strace -qq -o /dev/null true 2>/dev/null; then
    echo "strace cannot trace here; skipped"
    exit 0
fi

failures=0
fail() {
    printf 'FAIL %s\n' "$*" >&2
    failures=$((failures + 1))
}

printf 'hello' >plain
printf '\x01\xff\x68\x23\x1c\x26\x23' >sealed   # "hello" under "ab"
printf 'ab\n' >pw
printf 'old\n' >old

for op in seal open; do
    for force in '' -f; do
        for signal in INT TERM HUP; do
            label="$op ${force:-(no -f)} $signal"
            if [ "$op" = seal ]; then input=plain; else input=sealed; fi
            [ -z "$force" ] || cp old out
            : >err
            before=$(ls -A | sort)
            strace -qq -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=1000000 \
                "$bin" "$op" "$input" -o out $force --password-file pw 2>err &
            tracer=$!
            # The traced run is strace's only child; it is in fsync once its
            # current system call is number 74 (x86-64) or 82 (arm64).
            child='' polls=0
            until [ -n "$child" ] && grep -qE '^(74|82) ' "/proc/$child/syscall" 2>/dev/null; do
                child=$(cat "/proc/$tracer/task/$tracer/children" 2>/dev/null | tr -d ' ')
                polls=$((polls + 1))
                [ $polls -lt 1000 ] || break
                sleep 0.01
            done
            [ -n "$child" ] && kill -s "$signal" "$child"
            wait "$tracer"
            status=$?
            [ "$status" -eq 1 ] || fail "$label: status $status, expected 1"
            grep -qF 'Interrupted; nothing was written.' err || fail "$label: message $(cat err)"
            [ "$(ls -A | sort)" = "$before" ] || fail "$label: the folder holds $(ls -A | tr '\n' ' ')"
            [ -z "$force" ] || cmp -s out old || fail "$label: the existing output changed"
            rm -f out err
        done
    done
done

echo "$failures failures"
[ "$failures" -eq 0 ]
