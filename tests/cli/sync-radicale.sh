#!/usr/bin/env bash
# tarnvale-cli sync against a real address-book server: Debian's radicale on 127.0.0.1, a free
# port, its storage in a temporary folder and a test htpasswd file. Stopped and cleaned up
# however the script ends.
# Usage: sync-radicale.sh PATH-TO-TARNVALE-CLI PATH-TO-SAMPLE-BOOK
set -u
cli=$1
sample=$2
if ! command -v radicale >/dev/null; then
    echo "radicale is not installed (scripts/test installs it)" >&2
    exit 1
fi
work=$(mktemp -d)
server=
stop_server() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
        server=
    fi
}
trap 'stop_server; rm -rf "$work"' EXIT
passed=0
failed=0

check() { # name, expected, actual
    if [[ "$2" == "$3" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "${2:0:300}" "${3:0:300}"
    fi
}

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
mkdir -p "$work/storage/collection-root/alice/book"
printf '{"tag": "VADDRESSBOOK"}' >"$work/storage/collection-root/alice/book/.Radicale.props"
# Plain passwords: Debian's radicale 3.1 reads bcrypt only with python3-bcrypt, which it does
# not pull in.
printf 'alice:secret\n' >"$work/users"
printf 'secret\n' >"$work/password"
cat >"$work/config" <<CONFIG
[server]
hosts = 127.0.0.1:$port
[auth]
type = htpasswd
htpasswd_filename = $work/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $work/storage
[rights]
type = owner_only
[logging]
level = warning
CONFIG

start_server() {
    radicale --config "$work/config" >>"$work/radicale.log" 2>&1 &
    server=$!
    for _ in $(seq 100); do
        python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && return
        sleep 0.1
    done
    echo "radicale did not start" >&2
    cat "$work/radicale.log" >&2
    exit 1
}
start_server

url="http://127.0.0.1:$port/alice/book/"
sync() { # book [url]
    "$cli" sync "$1" "${2:-$url}" --user alice --password-file "$work/password" 2>"$work/err"
}
# The persons of a book as sorted lines: UID, texts, sex and group names; what two books that
# synced with each other must share.
persons() {
    "$cli" dump "$1" | python3 -c '
import json, sys
book = json.load(sys.stdin)
for p in sorted(book["persons"], key=lambda p: p["uid"]):
    groups = sorted(book["groups"][g]["name"] for g in p["groups"])
    print(json.dumps([p[k] for k in sorted(p) if k != "groups"] + groups, ensure_ascii=False))'
}
index_of() { # book uid
    "$cli" dump "$1" | python3 -c '
import json, sys
print([p["uid"] for p in json.load(sys.stdin)["persons"]].index(sys.argv[1]))' "$2"
}
field_of() { # book uid field
    "$cli" dump "$1" | python3 -c '
import json, sys
print(next(p[sys.argv[2]] for p in json.load(sys.stdin)["persons"] if p["uid"] == sys.argv[1]))' "$2" "$3"
}

# First sync up, then a second book down from the same server.
cp "$sample" "$work/a.dat"
sync "$work/a.dat"
check "first sync up" 0 $?
check "cards on the server" 36 "$(ls "$work/storage/collection-root/alice/book" | grep -c '\.vcf$')"
sync "$work/b.dat"
check "second book made from the server" 0 $?
check "second book equals the first" "$(persons "$work/a.dat")" "$(persons "$work/b.dat")"
check "state beside the book" yes "$([[ -f $work/b.dat.sync ]] && echo yes)"

# Edits, additions and deletions on each side.
first=$("$cli" dump "$work/a.dat" | python3 -c 'import json,sys; print(json.load(sys.stdin)["persons"][0]["uid"])')
second=$("$cli" dump "$work/a.dat" | python3 -c 'import json,sys; print(json.load(sys.stdin)["persons"][1]["uid"])')
"$cli" set "$work/a.dat" 0 tel1=03-9999-0000 2=大阪府
check "set" 0 $?
check "set keeps a backup" yes "$([[ -f $work/a.dat.bak ]] && echo yes)"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:新人 一郎\r\nN:新人;一郎;;;\r\nCATEGORIES:新しいグループ\r\nEND:VCARD\r\n' >"$work/new.vcf"
"$cli" import-vcard "$work/new.vcf" "$work/b.dat" --add 2>/dev/null
"$cli" delete "$work/b.dat" "$(index_of "$work/b.dat" "$second")"
check "delete" 0 $?
sync "$work/a.dat" && sync "$work/b.dat" && sync "$work/a.dat"
check "edits carried" 0 $?
check "both sides equal after edits" "$(persons "$work/a.dat")" "$(persons "$work/b.dat")"
check "edit arrived" 03-9999-0000 "$(field_of "$work/b.dat" "$first" tel1)"
check "deletion and addition arrived" 36 "$("$cli" dump "$work/a.dat" | grep -c '"uid"')"
check "addition arrived" 1 "$("$cli" dump "$work/a.dat" | grep -c '新人 一郎')"

# A conflict: both change the same person; the second to sync keeps its value and notes the
# server's, and the next sync carries the merged card back.
"$cli" set "$work/a.dat" "$(index_of "$work/a.dat" "$first")" tel1=111
"$cli" set "$work/b.dat" "$(index_of "$work/b.dat" "$first")" tel1=222
sync "$work/a.dat"
sync "$work/b.dat"
check "conflict exit" 3 $?
check "conflict on standard error" 1 "$(grep -c '両方で変更' "$work/err")"
check "local value kept" 222 "$(field_of "$work/b.dat" "$first" tel1)"
check "server value in the memo" 1 "$(field_of "$work/b.dat" "$first" memo | grep -c 'サーバー: 電話(1)\?.*: 111')"
sync "$work/a.dat"
check "merged card carried" "$(persons "$work/b.dat")" "$(persons "$work/a.dat")"

# A 412 race: b writes after a has listed. a is given b's token, so that its listing misses
# the write exactly as one landing between listing and upload would.
"$cli" set "$work/a.dat" "$(index_of "$work/a.dat" "$first")" email2=race-a@example.jp
"$cli" set "$work/b.dat" "$(index_of "$work/b.dat" "$first")" homeTel=race-b
sync "$work/b.dat"
token=$(sed -n 's/^token //p' "$work/b.dat.sync")
python3 - "$work/a.dat.sync" "$token" <<'PY'
import sys
path, token = sys.argv[1], sys.argv[2]
lines = open(path, encoding="utf-8").read().split("\n")
lines[3] = "token " + token
open(path, "w", encoding="utf-8").write("\n".join(lines))
PY
sync "$work/a.dat"
check "412 answered by a merge" 0 $?
check "race keeps ours" race-a@example.jp "$(field_of "$work/a.dat" "$first" email2)"
check "race fills what was empty here" race-b "$(field_of "$work/a.dat" "$first" homeTel)"
sync "$work/b.dat"
check "race settled" "$(persons "$work/a.dat")" "$(persons "$work/b.dat")"

# 1,000 persons in both directions, the server stopped in the middle of the upload.
python3 -c '
for i in range(1000):
    print(f"人物 {i:04d},{i:03d}-0000,東京都千代田区{i}番地,03-{i:04d}-0000,,p{i}@example.jp")' >"$work/many.csv"
"$cli" import-csv "$work/many.csv" "$work/c.dat" --encoding utf-8 --map 0,1,2,3,-,5 2>/dev/null
check "1000 imported" 0 $?
"$cli" sync "$work/c.dat" "http://127.0.0.1:$port/alice/many/" --user alice --password-file "$work/password" 2>/dev/null
check "a missing collection is an error" 1 $?
mkdir -p "$work/storage/collection-root/alice/many"
printf '{"tag": "VADDRESSBOOK"}' >"$work/storage/collection-root/alice/many/.Radicale.props"
many="http://127.0.0.1:$port/alice/many/"
sync "$work/c.dat" "$many" &
syncing=$!
sleep 1
stop_server
wait "$syncing"
status=$?
check "stopped server: a failure or a finished sync" yes "$([[ $status == 1 || $status == 0 ]] && echo yes)"
start_server
sync "$work/c.dat" "$many"
check "next sync finishes" 0 $?
check "1000 cards on the server" 1000 "$(ls "$work/storage/collection-root/alice/many" | grep -c '\.vcf$')"
start=$(date +%s%N)
sync "$work/d.dat" "$many"
check "1000 down" 0 $?
end=$(date +%s%N)
check "1000 equal" "$(persons "$work/c.dat")" "$(persons "$work/d.dat")"
"$cli" set "$work/d.dat" 5 memo=changed
sync "$work/d.dat" "$many" && sync "$work/c.dat" "$many"
check "1000 back up" "$(persons "$work/d.dat")" "$(persons "$work/c.dat")"
printf 'sync of 1000 persons down: %d ms\n' "$(((end - start) / 1000000))"

# A person is the same person whatever befell the files beside the book: a damaged, short,
# missing or swapped ids file, or a book copied alone, syncs without sending or deleting anyone.
mkdir -p "$work/storage/collection-root/alice/ids"
printf '{"tag": "VADDRESSBOOK"}' >"$work/storage/collection-root/alice/ids/.Radicale.props"
ids="http://127.0.0.1:$port/alice/ids/"
cards_in_ids() { ls "$work/storage/collection-root/alice/ids" | grep -c '\.vcf$'; }
cp "$sample" "$work/e.dat"
sync "$work/e.dat" "$ids"
check "identity book up" 36 "$(cards_in_ids)"
quiet_after() { # name
    sync "$work/e.dat" "$ids"
    check "$1: sync" 0 $?
    check "$1: nobody sent or deleted" 1 "$(grep -c '送信 0 件、受信 0 件、こちらで削除 0 件、サーバーで削除 0 件' "$work/err")"
    check "$1: cards on the server" 36 "$(cards_in_ids)"
}
python3 - "$work/e.dat.ids" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
data[len(data) // 2] ^= 0x01
open(sys.argv[1], "wb").write(data)
PY
"$cli" dump "$work/e.dat" >/dev/null 2>"$work/dump-err"
check "damaged ids reported" 1 "$(grep -c 'e.dat.ids' "$work/dump-err")"
quiet_after "flipped byte"
sed -i '$ d' "$work/e.dat.ids"
quiet_after "line short"
rm "$work/e.dat.ids" && mkdir "$work/e.dat.ids"
quiet_after "folder"
rmdir "$work/e.dat.ids"
"$cli" set "$work/e.dat" 0 memo=saved
sync "$work/e.dat" "$ids"
check "ids written again" yes "$([[ -f $work/e.dat.ids ]] && echo yes)"
mv "$work/e.dat.ids" "$work/swap" && mv "$work/e.dat.sync" "$work/e.dat.ids" && mv "$work/swap" "$work/e.dat.sync"
quiet_after "swapped side files"
cp "$work/e.dat" "$work/f.dat"
sync "$work/f.dat" "$ids"
check "book copied alone: sync" 0 $?
check "book copied alone: nobody sent" 1 "$(grep -c '送信 0 件' "$work/err")"
check "book copied alone: cards on the server" 36 "$(cards_in_ids)"

# A card another client made, with a UID that is no UUID, goes back with that UID after an
# edit here: the server takes it (no 409) and the card keeps its address.
python3 - "${ids}khard.vcf" <<'PY'
import base64, sys, urllib.request
card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:外部 花子\r\nN:外部;花子;;;\r\nUID:hermjqbocp8y551cy1lz4fgpbsk7b239csmu\r\nEND:VCARD\r\n"
request = urllib.request.Request(sys.argv[1], data=card.encode(), method="PUT", headers={
    "Content-Type": "text/vcard", "Authorization": "Basic " + base64.b64encode(b"alice:secret").decode()})
urllib.request.urlopen(request).read()
PY
sync "$work/e.dat" "$ids"
check "foreign card down" 0 $?
"$cli" set "$work/e.dat" "$(index_of "$work/e.dat" hermjqbocp8y551cy1lz4fgpbsk7b239csmu)" tel1=090-0000-1111
sync "$work/e.dat" "$ids"
check "foreign card edited and sent" 0 $?
check "foreign card keeps its UID and address" 1 "$(grep -c 'UID:hermjqbocp8y551cy1lz4fgpbsk7b239csmu' "$work/storage/collection-root/alice/ids/khard.vcf")"
check "foreign card carries the edit" 1 "$(grep -c '090-0000-1111' "$work/storage/collection-root/alice/ids/khard.vcf")"
check "no copy of it" 37 "$(cards_in_ids)"

# Another client's card keeps what the book cannot hold: a photo, a birthday, a nickname, an
# organisation and title, the types of its telephones and addresses, its own properties and a
# grouped label. One field edited here changes that field alone on the server.
rich="$work/storage/collection-root/alice/ids/rich.vcf"
python3 - "${ids}rich.vcf" <<'PY'
import base64, sys, urllib.request
card = ("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:豊富 太郎\r\nN:豊富;太郎;;;\r\nNICKNAME:たろ\r\n"
        "ORG:株式会社例;開発部\r\nTITLE:部長\r\nBDAY:1980-04-01\r\n"
        "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4nGNgYGBgAAAABQABpfZFQAAAAABJRU5ErkJggg==\r\n"
        "TEL;TYPE=WORK,VOICE:03-1111-2222\r\nTEL;TYPE=WORK,FAX:03-1111-3333\r\nTEL;TYPE=CELL:090-1111-4444\r\n"
        "ADR;TYPE=WORK:;;丸の内1-1;千代田区;東京都;100-0005;日本\r\nADR;TYPE=HOME:;;梅田2-2;北区;大阪府;530-0001;日本\r\n"
        "EMAIL;TYPE=INTERNET:old@example.jp\r\nitem1.URL:https://example.jp/taro\r\nitem1.X-ABLabel:ブログ\r\n"
        "X-KHARD-TEST:残す値\r\nUID:rich-card-1\r\nEND:VCARD\r\n")
request = urllib.request.Request(sys.argv[1], data=card.encode(), method="PUT", headers={
    "Content-Type": "text/vcard", "Authorization": "Basic " + base64.b64encode(b"alice:secret").decode()})
urllib.request.urlopen(request).read()
PY
properties() { # card file: its content lines unfolded, without EMAIL and REV, sorted
    python3 - "$1" <<'PY'
import sys
text = open(sys.argv[1], encoding="utf-8").read().replace("\r\n ", "").replace("\n ", "")
lines = [l for l in text.replace("\r\n", "\n").split("\n") if l]
print("\n".join(sorted(l for l in lines if l.split(":")[0].split(";")[0].upper() not in ("EMAIL", "REV"))))
PY
}
sync "$work/e.dat" "$ids"
check "rich card down" 0 $?
before=$(properties "$rich")
"$cli" set "$work/e.dat" "$(index_of "$work/e.dat" rich-card-1)" email1=new@example.jp
sync "$work/e.dat" "$ids"
check "rich card edited and sent" 0 $?
check "rich card carries the edit" 1 "$(grep -c 'new@example.jp' "$rich")"
check "rich card keeps every other property" "$before" "$(properties "$rich")"
check "cards kept beside the book" yes "$([[ -f $work/e.dat.cards ]] && echo yes)"

# A dry run says what a sync would do and changes neither the book nor the server; the real
# sync then keeps the person the server deleted in NAME.deleted.vcf, which imports back.
python3 - "${ids}rich.vcf" <<'PY'
import base64, sys, urllib.request
request = urllib.request.Request(sys.argv[1], method="DELETE", headers={
    "Authorization": "Basic " + base64.b64encode(b"alice:secret").decode()})
urllib.request.urlopen(request).read()
PY
"$cli" set "$work/e.dat" 0 memo=dry
book_before=$(sha1sum <"$work/e.dat")
state_before=$(sha1sum <"$work/e.dat.sync")
server_before=$(cat "$work/storage/collection-root/alice/ids/"*.vcf | sha1sum)
"$cli" sync "$work/e.dat" "$ids" --dry-run --user alice --password-file "$work/password" >"$work/out" 2>"$work/err"
check "dry run" 0 $?
check "dry run lists the deletion" 1 "$(grep -c $'^こちらで削除\t豊富 太郎$' "$work/out")"
check "dry run lists the upload" 1 "$(grep -c '^送信' "$work/out")"
check "dry run leaves the book" "$book_before" "$(sha1sum <"$work/e.dat")"
check "dry run leaves the state" "$state_before" "$(sha1sum <"$work/e.dat.sync")"
check "dry run leaves the server" "$server_before" "$(cat "$work/storage/collection-root/alice/ids/"*.vcf | sha1sum)"
check "dry run keeps no deleted cards" no "$([[ -e $work/e.dat.deleted.vcf ]] && echo yes || echo no)"
"$cli" sync "$work/e.dat" "$ids" --verbose --user alice --password-file "$work/password" >"$work/out" 2>"$work/err"
check "sync after the dry run" 0 $?
check "verbose lists the deletion" 1 "$(grep -c $'^こちらで削除\t豊富 太郎$' "$work/out")"
check "summary names the deleted cards" 1 "$(grep -c 'e.dat.deleted.vcf' "$work/err")"
check "deleted person gone" 0 "$("$cli" dump "$work/e.dat" | grep -c '豊富 太郎')"
"$cli" import-vcard "$work/e.dat.deleted.vcf" "$work/e.dat" --add 2>/dev/null
check "deleted person imports back" 1 "$("$cli" dump "$work/e.dat" | grep -c '豊富 太郎')"

printf '%d passed, %d failed\n' "$passed" "$failed"
[[ $failed == 0 ]]
