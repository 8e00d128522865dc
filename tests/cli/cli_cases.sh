#!/usr/bin/env bash
# Runs the built murkvale as a user would, one row per case. Each row runs in a
# fresh folder holding the fixtures below, and then checks the exit status, a
# fragment of standard error, the files that changed or appeared, that every
# other file is byte for byte as before, and that no other file (a leftover
# temporary file) exists.
#
# Usage: cli_cases.sh MURKVALE
set -u
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# Fixtures. "hello" sealed under "ab" (check 0xFF, key 0xB7) and under "café"
# in code page 1252 (bytes 63 61 66 E9), worked out by hand from the format.
make_fixtures() {
    printf 'hello' >plain
    printf '\x01\xff\x68\x23\x1c\x26\x23' >sealed
    printf '\x01\x7f\x68\xf5\xee\xf8\xf5' >sealed-cafe
    printf '\x01\x00' >sealed-empty           # an empty file under the empty password
    printf 'no marker here' >notvael
    printf 'ab\n' >pw
    printf 'ab\r\nnext line\n' >pw-crlf
    printf 'zz\n' >pw-wrong
    printf '\n' >pw-empty
    printf 'caf\xc3\xa9\n' >pw-cafe            # UTF-8
    printf 'caf\xe9\n' >pw-cafe-1252
}

# "àéîõüàéîõüàéîõüx": 16 bytes in code page 1252, 31 in UTF-8.
accented16='printf "\xc3\xa0\xc3\xa9\xc3\xae\xc3\xb5\xc3\xbc%.0s" 1 2 3 >p; printf "x\n" >>p
    printf "\x01\x74\x68\x0c\x05\x0f\x0c" >want'

failures=0
count=0
fail() {
    printf 'FAIL %s: %s\n' "$case_name" "$*" >&2
    failures=$((failures + 1))
}

# t NAME STATUS STDERR-FRAGMENT AFTERWARDS SETUP -- ARGUMENTS...
#   STDERR-FRAGMENT  text standard error must hold ('' for none needed); "!TEXT" it
#                    must not hold; "out:TEXT" checks standard output instead (which
#                    must otherwise stay empty); "out=FIXTURE": standard output holds
#                    exactly that fixture's bytes; "clean": neither stream holds a
#                    control character but the line end; several are joined by "|"
#   AFTERWARDS       space-separated: NAME=FIXTURE (same bytes as that fixture had),
#                    NAME=empty; every file not named must be unchanged
#   SETUP            shell run in the case folder first; it may set
#                    typed=TEXT    feed TEXT to a pseudo-terminal as the user's typing
#                    fsize=KIB     run under `ulimit -f KIB`
#                    interrupt=1   send SIGTERM once the output file is being written
#                    stdout_to=full|closed  standard output is /dev/full, or a pipe
#                                  whose reader is gone
#                    locale=NAME   run with LC_ALL=NAME
#                    and create the files "stdin" and "fd3", which become those inputs
t() {
    case_name=$1 want_status=$2 want_text=$3 afterwards=$4 setup=$5
    shift 6
    count=$((count + 1))
    local failures_before=$failures
    local dir="$root/$count" snap="$root/$count.before" typed='' fsize='' interrupt=''
    local stdout_to='' locale=''
    mkdir "$dir"
    cd "$dir" || exit 1
    make_fixtures
    eval "$setup"
    cp -a "$dir" "$snap"

    local stdin=/dev/null fd3=/dev/null status
    [ -e stdin ] && stdin=stdin
    [ -e fd3 ] && fd3=fd3
    if [ -n "$stdout_to" ]; then
        if [ "$stdout_to" = full ]; then
            exec 5>/dev/full
        else
            # Both ends opened at once on a FIFO, then the reading one closed.
            mkfifo "$root/fifo" && exec 4<>"$root/fifo" 5>"$root/fifo" 4<&- && rm "$root/fifo"
        fi
        env ${locale:+LC_ALL="$locale"} setsid -w "$bin" "$@" <"$stdin" 3<"$fd3" >&5 2>"$root/err"
        status=$?
        exec 5>&-
        : >"$root/out"
    elif [ -n "$typed" ]; then
        # script(1) gives the program a terminal; what it shows there, prompts
        # and messages alike, comes back as script's output.
        printf "$typed" | script -qec "$(printf '%q ' "$bin" "$@")" /dev/null \
            >"$root/err" 2>&1
        status=${PIPESTATUS[1]}
        : >"$root/out"
    elif [ -n "$interrupt" ]; then
        # One SIGTERM as soon as the output is being written, seen as a file
        # the program holds open in this folder that has no name of its own
        # yet (or a temporary name where the file system needs one).
        local polls=0
        setsid "$bin" "$@" <"$stdin" 3<"$fd3" >"$root/out" 2>"$root/err" &
        local pid=$!
        until ls -l "/proc/$pid/fd" 2>/dev/null | grep -qE -- "-> $dir/(#|\.murkvale-)" ||
            [ $polls -ge 2000 ]; do
            sleep 0.005
            polls=$((polls + 1))
        done
        kill -TERM "$pid"
        wait "$pid"
        status=$?
    elif [ -n "$fsize" ]; then
        (ulimit -f "$fsize" && exec setsid -w "$bin" "$@") <"$stdin" 3<"$fd3" \
            >"$root/out" 2>"$root/err"
        status=$?
    else
        env ${locale:+LC_ALL="$locale"} setsid -w "$bin" "$@" <"$stdin" 3<"$fd3" >"$root/out" 2>"$root/err"
        status=$?
    fi
    cd "$root" || exit 1

    [ "$status" -eq "$want_status" ] || fail "exit status $status, expected $want_status"
    local fragment
    IFS='|' read -ra fragments <<<"$want_text"
    for fragment in "${fragments[@]}"; do
        case $fragment in
            out:*) grep -qF -- "${fragment#out:}" "$root/out" || fail "stdout lacks '${fragment#out:}'" ;;
            out=*) cmp -s "$root/out" "$snap/${fragment#out=}" || fail "stdout is not ${fragment#out=}" ;;
            clean) ! LC_ALL=C grep -q '[[:cntrl:]]' "$root/out" "$root/err" ||
                fail "control characters in: $(od -c "$root/out" "$root/err" | head -5)" ;;
            !*) ! grep -qF -- "${fragment#!}" "$root/err" || fail "stderr holds '${fragment#!}'" ;;
            *) grep -qF -- "$fragment" "$root/err" || fail "stderr lacks '$fragment'" ;;
        esac
    done
    [[ $want_text == *out[:=]* || ! -s "$root/out" ]] || fail "unexpected stdout: $(cat "$root/out")"

    local expected_names name entry
    expected_names=$(ls -A "$snap")
    for entry in $afterwards; do
        name=${entry%%=*}
        expected_names+=$'\n'$name
        if [ "${entry#*=}" = empty ]; then
            [ -f "$dir/$name" ] && [ ! -s "$dir/$name" ] || fail "$name is not an empty file"
        elif ! cmp -s "$dir/$name" "$snap/${entry#*=}"; then
            fail "$name does not hold the bytes of ${entry#*=}"
        fi
    done
    for name in $(ls -A "$snap"); do
        [[ " $afterwards " == *" $name="* ]] && continue
        if [ -L "$snap/$name" ]; then
            [ "$(readlink "$dir/$name")" = "$(readlink "$snap/$name")" ] || fail "link $name changed"
        elif [ -d "$snap/$name" ]; then
            diff -r "$snap/$name" "$dir/$name" >/dev/null || fail "folder $name changed"
        else
            cmp -s "$dir/$name" "$snap/$name" || fail "$name changed"
        fi
    done
    local extra
    extra=$(comm -13 <(sort -u <<<"$expected_names") <(ls -A "$dir" | sort))
    [ -z "$extra" ] || fail "unexpected files: $extra"

    if [ "$failures" -gt "$failures_before" ]; then sed 's/^/    stderr: /' "$root/err" >&2; fi
}

# Round trips and password sources.
t 'seal, default output'        0 ''  'plain.vae=sealed'     ''  -- seal plain --password-file pw
t 'open, default output'        0 ''  'back=plain'           'mv sealed back.vae'  -- open back.vae --password-file pw
t 'open, upper-case ending'     0 ''  'back=plain'           'mv sealed back.VAE'  -- open back.VAE --password-file pw
t 'seal -o, --opt=value'        0 ''  'x=sealed'             ''  -- seal -o x plain --password-file=pw
t 'open -o'                     0 ''  'back=plain'           ''  -- open sealed -o back --password-file pw
t 'password from stdin'         0 ''  'x=sealed'             'cp pw stdin'  -- seal plain -o x --password-fd 0
t 'password from fd 3'          0 ''  'back=plain'           'cp pw fd3'    -- open sealed -o back --password-fd 3
t 'CRLF line ending dropped'    0 ''  'x=sealed'             ''  -- seal plain -o x --password-file pw-crlf
t 'empty password'              0 ''  'x=empty'              ''  -- open sealed-empty -o x --password-file pw-empty
t 'empty password file refused' 1 'is empty.'         ''     ': >none'  -- seal plain -o x --password-file none
t 'missing password file'       1 'Cannot open the password file "none"'  ''  ''  -- seal plain -o x --password-file none
t 'no password on fd'           1 'No password to read from descriptor 0.'  ''     ''  -- seal plain -o x --password-fd 0
t 'password file is a folder'   1 'Cannot read the password file "dir": Is a directory.'  ''  'mkdir dir'  -- seal plain -o x --password-file dir

# The window accepts at most 16 bytes of password.
t '16-byte password'            0 ''                  'x=want'  'printf "0123456789abcdef\n" >p; printf "\x01\xf8\x68\x7c\x75\x7f\x7c" >want'  -- seal plain -o x --password-file p
t '17-byte password refused'    1 'accepts at most 16' ''    'printf "0123456789abcdefg\n" >p'  -- seal plain -o x --password-file p
t 'huge one-line password file' 1 'accepts at most 16' ''    'head -c 100000 /dev/zero | tr "\0" a >p'  -- seal plain -o x --password-file p
# A source without a line end is read no further than 256 bytes (these never end otherwise).
t '/dev/zero as password file'  1 'is over 256 bytes long'  ''  ''  -- seal plain -o x --password-file /dev/zero
t '/dev/zero as password fd'    1 'is over 256 bytes long'  ''  'ln -s /dev/zero stdin'  -- open sealed -o x --password-fd 0

# Non-ASCII passwords: the window digests its ANSI code page bytes.
t 'codepage 1252 seals as the window'  0 ''  'x=sealed-cafe'  ''  -- seal plain -o x --password-file pw-cafe --codepage 1252
t 'codepage 1252 opens'         0 ''                  'back=plain'  ''  -- open sealed-cafe -o back --password-file pw-cafe --codepage 1252
t 'raw 1252 bytes, no codepage' 0 'Note:'             'back=plain'  ''  -- open sealed-cafe -o back --password-file pw-cafe-1252
t 'UTF-8 bytes without codepage' 4 '--codepage'       ''     ''  -- open sealed-cafe -o back --password-file pw-cafe
t '16 characters, 31 UTF-8 bytes' 0 ''                'x=want'  "$accented16"  -- seal plain -o x --password-file p --codepage 1252
t 'character missing from 1252' 1 'lacks'             ''     'printf "\xc5\x82\n" >p'  -- seal plain -o x --password-file p --codepage 1252
t 'unknown code page'           2 'Code page 4 is not one|1250-1258 and 65001'  ''  ''  -- seal plain -o x --password-file pw --codepage 4
t 'code page not for passwords' 2 'Code page 1200 is not one'  ''  ''  -- seal plain -o x --password-file pw --codepage 1200
t 'code page 37 refused'        2 'Code page 37 is not one|874, 932, 936, 949, 950, 1250-1258 and 65001'  ''  ''  -- seal plain -o x --password-file pw --codepage 37
t 'code page 20127 refused'     2 'Code page 20127 is not one'  ''  ''  -- seal plain -o x --password-file pw --codepage=20127
t 'code page 65000 refused'     2 'Code page 65000 is not one'  ''  ''  -- seal plain -o x --password-file pw --codepage 65000
# The window on a French PC digests in 1252, on a Russian one in 1251.
t 'codepage locale, French'     0 ''  'x=sealed-cafe'  'locale=fr_FR.UTF-8'  -- seal plain -o x --password-file pw-cafe --codepage locale
t 'codepage locale, Polish'     1 'code page 1250 lacks'  ''  "locale=pl_PL.UTF-8; printf '\\xd0\\xb6\\n' >p"  -- seal plain -o x --password-file p --codepage locale

# Outputs: never replaced without -f, never the input itself. Rows without a
# password option show that the refusal comes before any password is asked
# (there is no terminal, so asking would end in status 2).
t 'existing output refused'     1 'already exists'    ''     'printf x >plain.vae'  -- seal plain
t 'dangling symlink is existing' 1 'already exists'   ''     'ln -s nowhere x'  -- seal plain -o x --password-file pw
t '-f over a longer output'     0 ''                  'plain.vae=sealed'  'printf "a much longer old file" >plain.vae'  -- seal plain -f --password-file pw
t 'output is the input'         1 'is the file being read' ''     ''  -- seal plain -o plain -f --password-file pw
t 'output is a hard link'       1 'is the file being read' ''     'ln plain link'  -- seal plain -o link -f
t 'output is a symlink'         1 'is the file being read' ''     'ln -s plain link'  -- seal plain -o link -f --password-file pw
t 'open into its own hard link' 1 'is the file being read' ''     'ln sealed link'  -- open sealed -o link -f --password-file pw
t 'output folder missing'       1 '"nodir/x"'         ''     ''  -- seal plain -o nodir/x --password-file pw
t 'file named -, as ./-'        0 ''                  '-=sealed'  ''  -- seal plain -o ./- --password-file pw

# "-o -": the content on standard output, checked before the first byte.
t 'seal -o -'                   0 'out=sealed'        ''     ''  -- seal plain -o - --password-file pw
t 'open -o -'                   0 'out=plain'         ''     ''  -- open sealed -o - --password-file pw
t 'open -o -, -f changes nothing' 0 'out=plain'       ''     ''  -- open sealed -fo - --password-file pw
t 'open -o -, wrong password'   4 'Password mismatch!' ''    ''  -- open sealed -o - --password-file pw-wrong
t 'open -o -, not a Vael file'  3 'is not a Vael file' ''    ''  -- open notvael -o - --password-file pw
t '-o - to a terminal refused'  2 'Standard output is a terminal'  ''  "typed='ab\nab\n'"  -- seal plain -o -
t '-o - into /dev/full'         1 'Cannot write to standard output: No space left on device.'  ''  'stdout_to=full'  -- seal plain -o - --password-file pw
t '-o - into a closed pipe'     1 'Cannot write to standard output: Broken pipe.'  ''  'stdout_to=closed'  -- open sealed -o - --password-file pw
t 'input missing'               1 'Cannot open "nosuch"' ''     ''  -- seal nosuch --password-file pw
t 'input is a folder'           1 'not a regular file' ''    'mkdir dir'  -- seal dir --password-file pw
t 'sealed input missing'        1 '"nosuch.vae"'      ''     ''  -- open nosuch.vae --password-file pw

# Not a Vael file (3), found before asking, and the wrong password (4): nothing written.
t 'open a plain file'           3 '"notvael" is not a Vael file.'  ''  ''  -- open notvael -o x
# A lone marker byte is a Vael file whose missing check byte no password matches.
t 'open a lone marker byte'     4 'Password mismatch!'   ''  'printf "\x01" >m.vae'  -- open m.vae --password-file pw
t 'wrong password'              4 'Password mismatch!' ''    ''  -- open sealed -o x --password-file pw-wrong
t 'wrong password, -f'          4 'Password mismatch!' ''    'printf keep >x'  -- open sealed -o x -f --password-file pw-wrong

# info answers on standard output, without asking for a password.
t 'info on a Vael file'         0 'out:sealed: Vael file, content 5 bytes'  ''  ''  -- info sealed
t 'info on an empty Vael file'  0 'out:content 0 bytes'  ''  ''  -- info sealed-empty
t 'info on a lone marker byte'  0 'out:m.vae: Vael file, content 0 bytes'  ''  'printf "\x01" >m.vae'  -- info m.vae
t 'info on another file'        3 'out:notvael: not a Vael file'  ''  ''  -- info notvael
t 'info on a missing file'      1 '"nosuch"'          ''     ''  -- info nosuch
t 'info into /dev/full'         1 'Cannot write to standard output: No space left on device.'  ''  'stdout_to=full'  -- info sealed
t 'info into a closed pipe'     1 'Cannot write to standard output: Broken pipe.'  ''  'stdout_to=closed'  -- info sealed

# Names are shown escaped where they are not plain text, so none can steer the
# terminal or forge a line; plain names, accents included, stay as they are.
t 'name with escape sequences'  3 $'out:$\'t\\e]0;pwned\\a\\e[2J\': not a Vael file|clean'  ''  'printf x >"$(printf "t\\033]0;pwned\\a\\033[2J")"'  -- info $'t\e]0;pwned\a\e[2J'
t 'name with a newline'         1 $'Cannot open $\'evil\\nmurkvale: all good\': No such|clean'  ''  ''  -- seal $'evil\nmurkvale: all good' --password-file pw
t 'name not valid UTF-8'        1 $'Cannot open $\'a\\xffb.vae\'|clean'  ''  ''  -- open $'a\xffb.vae' --password-file pw
t 'backslash and escape'        1 $'Cannot open $\'a\\\\b\\e\'|clean'  ''  ''  -- info $'a\\b\e'
t 'plain accented name'         1 'Cannot open "café"|clean'  ''  ''  -- info café
t 'hostile unknown option'      2 $'Unknown option $\'--\\e[2J\'|clean'  ''  ''  -- seal plain $'--\e[2J'

# Wrong usage (2).
t 'no arguments'                2 'Missing command'   ''     ''  --
t 'unknown command'             2 'Unknown command "shred"'  ''     ''  -- shred plain
t 'unknown option'              2 'Unknown option "-x"'  ''  ''  -- seal plain -x
t 'option given twice'          2 'Option -o given twice'  ''  ''  -- seal plain -o x -o y --password-file pw
t 'flag given twice'            2 'Option -f given twice'  ''  ''  -- seal plain -ff --password-file pw
t 'flag given a value'          2 'Option --force takes no value'  ''  ''  -- seal plain --force=yes --password-file pw
t 'missing FILE'                2 'Missing FILE'      ''     ''  -- seal --password-file pw
t 'two FILEs'                   2 'More than one FILE' ''    ''  -- seal plain sealed
t '-o without a value'          2 'Option -o needs a value'  ''     ''  -- seal plain -o
t 'both password options'       2 'not both'          ''     ''  -- seal plain --password-file pw --password-fd 0
t 'fd not a number'             2 'needs a whole number'    ''     ''  -- seal plain --password-fd 3x
t 'open needs -o without .vae'  2 'give -o'           ''     ''  -- open sealed --password-file pw
t 'info takes no options'       2 'FILE only, no options'  '' ''  -- info sealed -f
t 'no terminal, no option'      2 'No terminal'       ''     ''  -- seal plain
t 'help'                        0 'out:Exit status:'  ''     ''  -- --help
t 'help after a command'        0 'out:murkvale info FILE'  ''  ''  -- seal plain --help
t 'version'                     0 'out:murkvale 1.'   ''     ''  -- --version
t 'file named after --'         0 ''                  '-f.vae=sealed'  'cp plain ./-f'  -- seal --password-file pw -- -f
t 'open .vae has no name'       2 '".vae" has no name before its .vae; give -o'  ''  'cp sealed .vae'  -- open .vae --password-file pw

# The word after an option that takes a value is its value, whatever it looks like.
t 'output named --version'      0 ''                  '--version=sealed'  ''  -- seal plain -o --version --password-file pw
t 'output named -h'             0 ''                  '-h=sealed'  ''  -- seal plain -o -h --password-file pw
t 'password file named -f'      0 ''                  'x=sealed'  'cp pw ./-f'  -- seal plain -o x --password-file -f
t 'grouped flags -fq'           0 ''                  'plain.vae=sealed'  'printf old >plain.vae'  -- seal plain -fq --password-file pw
t 'attached value -ox'          0 ''                  'x=sealed'  ''  -- seal plain -ox --password-file pw
t 'long forms'                  0 ''                  'x=sealed'  'printf old >x'  -- seal plain --output=x --force --quiet --password-file pw
t 'version after a command'     0 'out:murkvale 1.'   ''     ''  -- open sealed --version

# A file-size limit ends in status 1 with a message, never a signal, and
# leaves no temporary file (any extra file fails the case).
t 'seal over a size limit'      1 'File too large'    ''     'fsize=4; head -c 9000 /dev/urandom >big'  -- seal big --password-file pw
t 'open over a size limit'      1 'File too large'    ''     'fsize=4; printf "\x01\x00" >big.vae; head -c 9000 /dev/urandom >>big.vae'  -- open big.vae --password-file pw-empty

# Interrupted while writing: the temporary file goes, nothing else changes.
t 'seal interrupted'            1 'Interrupted; nothing was written.'  ''  'interrupt=1; truncate -s 512M big'  -- seal big --password-file pw
t 'open interrupted'            1 'Interrupted; nothing was written.'  ''  'interrupt=1; printf "\x01\x00" >big.vae; truncate -s 512M big.vae'  -- open big.vae --password-file pw-empty

# Typed on a terminal, twice to seal; the progress bar shows there unless -q.
t 'typed seal, progress shown'  0 'Please enter a password:|Please retype password:|murkvale: sealing [##############################] 100%'  'plain.vae=sealed'  "typed='ab\nab\n'"  -- seal plain
t 'typed retype differs'        1 'Password mismatch!' ''    "typed='ab\nAb\n'"  -- seal plain
t 'typed open, -q'              0 'Please enter password:|!opening ['  'back=plain'  "typed='ab\n'"  -- open sealed -o back -q
t 'typed wrong password'        4 'Password mismatch!' ''    "typed='zz\n'"  -- open sealed -o back
t 'typed end of input'          1 'No password given.'  ''    "typed='\004'"  -- open sealed -o back
t 'typed password too long'     1 'is over 256 bytes long'  ''  "typed='$(printf 'a%.0s' $(seq 300))\n'"  -- open sealed -o back

echo "$count cases, $failures failures"
[ "$failures" -eq 0 ]
