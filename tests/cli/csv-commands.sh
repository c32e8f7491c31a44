#!/usr/bin/env bash
# tarnvale-cli export-csv and import-csv as a script uses them: a UTF-8 file from elsewhere in,
# the program's own dialect out, and every refusal with exit 1, one line and no file written.
# Usage: csv-commands.sh PATH-TO-TARNVALE-CLI
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() { # name, expected, actual
    if [[ "$2" == "$3" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

printf '\xef\xbb\xbfname,zip,memo\n"Yamada, Taro",100,"line 1\nline 2"\nSato,200,x\n' >"$work/in.csv"
"$cli" import-csv "$work/in.csv" "$work/book.dat" --header --rfc4180 --map 0,1,-,-,-,-,-,-,-,-,2
check "import exit" 0 $?
check "export in chosen order" $'"Yamada, Taro","line 1","Yamada, Taro"\r\n"Sato","x","Sato"\r' \
    "$("$cli" export-csv "$work/book.dat" --fields 0,10,0 --encoding utf-8)"

"$cli" import-csv "$work/in.csv" "$work/book.dat" --add --header --rfc4180
check "add keeps a backup" 0 $?
check "backup exists" yes "$([[ -f $work/book.dat.bak ]] && echo yes)"
check "four persons" 4 "$("$cli" export-csv "$work/book.dat" --fields 0 | wc -l)"

printf '\xf0\x9f\x98\x80\n' >"$work/emoji.csv"
errors=$("$cli" import-csv "$work/emoji.csv" "$work/emoji.dat" 2>&1 >/dev/null)
check "unencodable exit" 1 $?
check "unencodable one line" 1 "$(wc -l <<<"$errors")"
check "nothing written" no "$([[ -e $work/emoji.dat ]] && echo yes || echo no)"
"$cli" import-csv "$work/emoji.csv" "$work/emoji.dat" --replace-unencodable
check "replaced" $'"\x81\xac"' "$("$cli" export-csv "$work/emoji.dat" --fields 0 | tr -d '\r')"

: >"$work/empty.csv"
"$cli" import-csv "$work/empty.csv" "$work/book.dat" 2>/dev/null
check "empty exit" 0 $?
check "empty leaves OUT" 4 "$("$cli" export-csv "$work/book.dat" --fields 0 | wc -l)"

"$cli" export-csv "$work/book.dat" --group none >/dev/null 2>&1
check "missing group" 1 $?
"$cli" export-csv "$work/book.dat" --fields 11 >/dev/null 2>&1
check "bad field list" 2 $?
"$cli" import-csv "$work/in.csv" "$work/far.dat" --map 2147483647
check "column far past the line" 0 $?
"$cli" import-csv "$work" "$work/x.dat" 2>/dev/null
check "directory" 1 $?

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
