#!/usr/bin/env bash
# Unpacks the package into a scratch root and checks what a user would get from it: the
# programs run from there and agree with the package's version, the window opens a book offscreen,
# readme.txt lies where the window looks (bin/../share/tarnvale), the desktop files validate, the
# MIME type recognises a book, the man pages render without warnings and name every
# sub-command, and completion offers the sub-commands and the book's groups.
# Usage: installed-test.sh PACKAGE.deb SAMPLE.dat
set -euo pipefail
deb=$1
sample=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
usr=$root/usr
cli=$usr/bin/tarnvale-cli
fail() {
    echo "installed-test: $*" >&2
    exit 1
}
same() { # what, got, expected
    [[ $2 == "$3" ]] || fail "$1: got [$2], expected [$3]"
}

version=$(dpkg-deb -f "$deb" Version)
same "cli version" "$("$cli" --version)" "tarnvale-cli $version"
same "window version" "$("$usr/bin/tarnvale" --version)" "tarnvale $version"
grep -q "$version" "$usr/share/tarnvale/readme.txt" || fail "readme.txt names no version $version"
grep -q "$version" "$usr/share/tarnvale/support.html" || fail "support.html names no version $version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no computed dependency on Qt"
dpkg-deb -f "$deb" Recommends | grep -q fonts-noto-cjk || fail "no Japanese font recommended"

book=$root/book.dat
cp "$sample" "$book"
groups_json=$("$cli" dump "$book" |
    python3 -c 'import json, sys; print("\n".join(g["name"] for g in json.load(sys.stdin)["groups"]))')
same "groups" "$("$cli" groups "$book")" "$groups_json"
second=$("$cli" dump "$book" | python3 -c 'import json, sys; print(json.load(sys.stdin)["persons"][1]["name"])')
"$cli" find "$book" "$second" --fields 0 | grep -q '"index": 1' || fail "find missed $second"
"$cli" set "$book" 0 name=Installed
same "set" "$("$cli" dump "$book" | python3 -c 'import json, sys; print(json.load(sys.stdin)["persons"][0]["name"])')" Installed
"$cli" export-vcard "$book" --output "$root/book.vcf"
same "vCard count" "$(grep -c '^BEGIN:VCARD' "$root/book.vcf")" "$("$cli" dump "$book" | python3 -c 'import json, sys; print(len(json.load(sys.stdin)["persons"]))')"
"$cli" no-such-command 2>/dev/null && fail "a wrong command succeeded"

# The window, with its settings kept inside the scratch root.
mkdir -m 700 "$root/runtime"
HOME=$root XDG_CONFIG_HOME=$root/config XDG_RUNTIME_DIR=$root/runtime QT_QPA_PLATFORM=offscreen \
    "$usr/bin/tarnvale" --quit-after-load "$book" 2>"$root/window.err" || {
    cat "$root/window.err" >&2
    fail "the window did not open the book"
}
[[ -f $usr/bin/../share/tarnvale/readme.txt ]] || fail "readme.txt is not in bin/../share/tarnvale"

desktop-file-validate "$usr/share/applications/org.tarnvale.Tarnvale.desktop"
appstreamcli validate --no-net --explain "$usr/share/metainfo/org.tarnvale.Tarnvale.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net --explain "$usr/share/metainfo/org.tarnvale.Tarnvale.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    [[ -f $usr/share/icons/hicolor/${size}x$size/apps/tarnvale.png ]] || fail "no ${size}px icon"
done
update-mime-database "$usr/share/mime" 2>/dev/null
same "MIME type" "$(XDG_DATA_HOME=$usr/share mimetype -b -M "$sample")" application/x-tarnvale-book

commands=$("$cli" --help | sed -nE 's/^  ([a-z][a-z-]+) .*/\1/p' | sort)
[[ $(wc -l <<<"$commands") -ge 14 ]] || fail "the help lists too few commands"
for page in tarnvale tarnvale-cli; do
    man=$usr/share/man/man1/$page.1.gz
    warnings=$(zcat "$man" | groff -k -ww -z -man -Tutf8 2>&1)
    same "groff warnings of $page(1)" "$warnings" ""
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man" 2>&1 >/dev/null)
    same "man warnings of $page(1)" "$warnings" ""
done
in_man=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$usr/share/man/man1/tarnvale-cli.1.gz" 2>/dev/null |
    sed -n '/^COMMANDS/,/^OPTIONS/p' | sed -nE 's/^ {7}([a-z][a-z-]+)( .*)?$/\1/p' | sort)
same "commands in tarnvale-cli(1)" "$in_man" "$commands"

source "$usr/share/bash-completion/completions/tarnvale-cli"
PATH=$usr/bin:$PATH
COMP_WORDS=(tarnvale-cli "")
COMP_CWORD=1
_tarnvale_cli
same "completed commands" "$(printf '%s\n' "${COMPREPLY[@]}" | grep -v '^-' | sort)" "$commands"
COMP_WORDS=(tarnvale-cli export-csv "$book" --group "")
COMP_CWORD=4
_tarnvale_cli
same "completed groups" "$(printf '%s\n' "${COMPREPLY[@]}")" "$(while IFS= read -r name; do
    printf '%q\n' "$name"
done <<<"$groups_json")"
echo "installed-test: $(basename "$deb") checked"
