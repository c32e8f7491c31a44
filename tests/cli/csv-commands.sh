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

# A Google Contacts export: columns from the header, parts of no use left out.
printf 'Name,Given Name,E-mail 1 - Value,Address 1 - Formatted,Notes\n"Yamada, Taro",Taro,t@x,"Tokyo\nChiyoda",n\n' \
    >"$work/google.csv"
errors=$("$cli" import-csv "$work/google.csv" "$work/google.dat" --map header --rfc4180 2>&1)
check "header map exit" 0 $?
check "joined values counted" 1 "$(grep -c '1 個' <<<"$errors")"
check "header map fields" '"Yamada, Taro","t@x","Tokyo Chiyoda","n"' \
    "$("$cli" export-csv "$work/google.dat" --fields 0,5,2,10 --rfc4180 | tr -d '\r')"
printf 'Birthday\n1\n' >"$work/unknown.csv"
"$cli" import-csv "$work/unknown.csv" "$work/unknown.dat" --map header 2>/dev/null
check "header without known names" 1 $?
"$cli" import-csv "$work/google.csv" "$work/none.dat" --map -,-,- 2>/dev/null
check "map of no column" 2 $?

# The program's own format names what it loses; RFC 4180 with a header keeps it.
errors=$("$cli" export-csv "$work/google.dat" --fields 0 2>&1 >/dev/null)
check "unsafe values counted" 1 "$(grep -c '1 個.*RFC 4180' <<<"$errors")"
check "rfc4180 with header" $'"\xe6\xb0\x8f\xe5\x90\x8d"\r\n"Yamada, Taro"\r' \
    "$("$cli" export-csv "$work/google.dat" --fields 0 --rfc4180 --header --encoding utf-8)"
check "rfc4180 says nothing" "" "$("$cli" export-csv "$work/google.dat" --rfc4180 2>&1 >/dev/null)"

# Old Mac line ends, a final Ctrl+Z, bytes that are no code page 932.
printf 'a\r\x82\xff\rc\r\x1a' >"$work/mac.csv"
"$cli" import-csv "$work/mac.csv" "$work/mac.dat" --encoding cp932
check "cr lines and ctrl-z" 3 "$("$cli" export-csv "$work/mac.dat" --fields 0 | wc -l)"
errors=$("$cli" export-csv "$work/mac.dat" --fields 0 --encoding utf-8 2>&1 >/dev/null)
check "invalid cp932 counted" 1 "$(grep -c '2 か所' <<<"$errors")"

# UTF-8 but for one byte is refused with its line; half-width katakana stay code page 932.
printf 'x\n\xe5\xb1\xb1\xe7\x94\xb0\xff\n' >"$work/stray.csv"
errors=$("$cli" import-csv "$work/stray.csv" "$work/stray.dat" 2>&1)
check "stray byte exit" 1 $?
check "stray byte line" 1 "$(grep -c '2 行目' <<<"$errors")"
printf '\xc2\xa7\xc2\xb0\n' >"$work/kana.csv"
"$cli" import-csv "$work/kana.csv" "$work/kana.dat"
check "katakana kept" $'"\xc2\xa7\xc2\xb0"' "$("$cli" export-csv "$work/kana.dat" --fields 0 | tr -d '\r')"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
