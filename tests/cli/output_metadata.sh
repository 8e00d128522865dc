#!/usr/bin/env bash
# What an output looks like besides its content, and which names are refused,
# one row per case, run as the current user and, when that is root, again as
# the unprivileged user nobody:
# - a new output takes the input's permission bits less the umask;
# - a replaced output (-f) keeps its mode, owner, group, ACL and extended
#   attributes, and a symbolic link to it stays a link to the new content;
# - a link to something that is not a regular file, anything under /dev or
#   /proc, a name too long for its folder and a folder the user cannot write
#   are refused, with or without -f, before anything is written.
#
# Usage: output_metadata.sh MURKVALE
set -u
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
root=$(mktemp -d)
chmod 755 "$root"
trap 'rm -rf "$root"' EXIT

failures=0
fail() {
    printf 'FAIL %s as %s: %s\n' "$case_name" "$(id -un)" "$*" >&2
    failures=$((failures + 1))
}

# Mode, owner, group, ACL and extended attributes, one line each.
meta() {
    stat -c '%a %U %G' "$1"
    getfacl -cp "$1" 2>/dev/null
    getfattr -d -m - "$1" 2>/dev/null | grep -v '^#'
}

fixtures() {
    printf 'hello' >plain
    printf '\x01\xff\x68\x23\x1c\x26\x23' >sealed   # "hello" under "ab"
    printf 'ab\n' >pw
}

# made NAME UMASK SETUP EXPECTED-MODE -- ARGS: a new output's mode.
made() {
    case_name=$1
    local mask=$2 setup=$3 want=$4
    shift 5
    local dir="$root/$(id -un)-$RANDOM"
    mkdir "$dir" && cd "$dir" || exit 1
    fixtures
    eval "$setup"
    (umask "$mask" && exec "$bin" "$@" --password-file pw) 2>err || fail "status $?: $(cat err)"
    local got
    got=$(stat -c '%a' out 2>/dev/null)
    [ "$got" = "$want" ] || fail "mode $got, expected $want"
    cd "$root" || exit 1
}

made 'seal 0600 under umask 022'   022 'chmod 600 plain'  600 -- seal plain -o out
made 'open 0600 under umask 022'   022 'chmod 600 sealed' 600 -- open sealed -o out
made 'seal 0644 under umask 077'   077 'chmod 644 plain'  600 -- seal plain -o out
made 'seal 0755 under umask 022'   022 'chmod 755 plain'  755 -- seal plain -o out
made 'open 0664 under umask 002'   002 'chmod 664 sealed' 664 -- open sealed -o out

# A file with a mode, an ACL entry and an attribute of its own; as root also
# another owner and group.
private_file() {
    printf 'old' >"$1"
    chmod 640 "$1"
    setfacl -m "u:$(id -un):rw" "$1" 2>/dev/null
    setfattr -n user.murkvale.note -v kept "$1" 2>/dev/null
    [ "$(id -u)" -ne 0 ] || chown nobody:nogroup "$1"
}

# kept NAME SETUP -- ARGS: the file OUT (reached through LINK where the
# setup makes one) is replaced and keeps what it had besides its content.
kept() {
    case_name=$1
    local setup=$2
    shift 3
    local dir="$root/$(id -un)-$RANDOM"
    mkdir "$dir" && cd "$dir" || exit 1
    fixtures
    mkdir away
    private_file away/out
    eval "$setup"
    local before after names
    before=$(meta away/out)
    names=$(ls -A away)
    "$bin" "$@" -f --password-file pw 2>err || fail "status $?: $(cat err)"
    after=$(meta away/out)
    [ "$before" = "$after" ] || fail "metadata changed: $before -> $after"
    [ "$(ls -A away)" = "$names" ] || fail "left beside the file: $(ls -A away)"
    [ "$(cat away/out)" != old ] || fail "the file was not replaced"
    if [ -n "$setup" ]; then
        [ -L link ] && [ "$(readlink link)" = away/out ] || fail "the link did not stay a link"
    fi
    cd "$root" || exit 1
}

kept 'seal over a private file'           ''                     -- seal plain -o away/out
kept 'open over a private file'           ''                     -- open sealed -o away/out
kept 'seal through a link'                'ln -s away/out link'  -- seal plain -o link
kept 'open through a link'                'ln -s away/out link'  -- open sealed -o link

listing() { find . -mindepth 1 ! -name err -printf '%p %m %s %T@ %y %l\n' | sort; }

# refused NAME SETUP FRAGMENT -- ARGS: status 1 with FRAGMENT, with and
# without -f, and nothing in the folder changes.
refused() {
    case_name=$1
    local setup=$2 fragment=$3
    shift 4
    local dir="$root/$(id -un)-$RANDOM" force
    mkdir "$dir" && cd "$dir" || exit 1
    fixtures
    eval "$setup"
    local before
    before=$(listing)
    for force in '' -f; do
        "$bin" "$@" $force --password-file pw 2>err
        local status=$?
        [ "$status" -eq 1 ] || fail "status $status with '$force', expected 1"
        grep -qF -- "$fragment" err || fail "message with '$force': $(cat err)"
        [ "$(listing)" = "$before" ] || fail "the folder changed"
    done
    cd "$root" || exit 1
}

long=$(printf 'n%.0s' $(seq 256))
refused '/dev/stdout'               ''                        'belong to the system' -- seal plain -o /dev/stdout
refused '/dev/null'                 ''                        'belong to the system' -- seal plain -o /dev/null
refused 'a new name under /dev'     ''                        'belong to the system' -- open sealed -o /dev/murkvale-out
refused '/proc'                     ''                        'belong to the system' -- seal plain -o /proc/self/fd/1
refused 'a link to /dev/null'       'ln -s /dev/null link'    'belong to the system' -- seal plain -o link
refused 'a link to /dev/stdout'     'ln -s /dev/stdout link'  'belong to the system' -- open sealed -o link
refused 'a link to a folder'        'mkdir d; ln -s d link'   'not a file'           -- seal plain -o link
refused 'a link to a pipe'          'mkfifo p; ln -s p link'  'not a file'           -- seal plain -o link
refused 'a name too long'           ''                        'File name too long'   -- seal plain -o "$long"
if [ "$(id -u)" -ne 0 ]; then
    refused 'an unwritable folder'  'mkdir ro; chmod 555 ro'  'Permission denied'    -- seal plain -o ro/out
fi

echo "$(id -un): $failures failures"
if [ "$(id -u)" -eq 0 ] && [ -z "${MURKVALE_AS_NOBODY:-}" ]; then
    MURKVALE_AS_NOBODY=1 setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME=/ bash "$script" "$bin" || failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
