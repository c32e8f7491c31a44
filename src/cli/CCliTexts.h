#pragma once

// What tarnvale-cli says, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CCliTexts {
    // The help: every command with its options, and the exit codes.
    static constexpr const char* USAGE =
        "使い方: tarnvale-cli <コマンド> <ファイル>...\n"
        "\n"
        "  dump ファイル       アドレス帳を JSON（UTF-8）で標準出力に書き出します。\n"
        "                      {\"groups\": [{\"name\"}...], \"persons\": [{\"name\", \"zip\", "
        "...,\n"
        "                      \"sex\", \"groups\": [グループの番号...], \"uid\"}...]}\n"
        "  copy 入力 出力      入力のアドレス帳を読み込んで出力に保存します。\n"
        "                      出力が既にあれば「出力.bak」に残してから置き換えます。\n"
        "  mail-addresses ファイル [--group 名前] [--field 1|2] [--separator 文字列] [--label]\n"
        "                      メールを書くときと同じ規則でメールアドレスをつないで UTF-8 で\n"
        "                      1 行に書き出します（--label では宛名つきの一覧）。既定は全員\n"
        "                      （保存順）、e-mail (1)、区切り「;」。--group "
        "ではその名前の最初の\n"
        "                      グループの所属員を所属順に。アドレスを持つ人がいなければ何も\n"
        "                      書き出さずに 0 で終わります。\n"
        "  find ファイル 文字列 [--fields 番号,...] [--ignore-case-width]\n"
        "                      選んだ項目（番号 0-10、既定はすべて）に文字列を含む人を\n"
        "                      {\"persons\": [{dump と同じ項目..., \"index\": 位置}...]} "
        "で書き出します。\n"
        "                      --ignore-case-width で大文字/小文字、全角/半角を区別しません。\n"
        "  export-csv ファイル [--fields 一覧] [--group 名前] [--encoding cp932|utf-8]\n"
        "             [--output 出力 [--force]] [--rfc4180] [--header]\n"
        "                      人物を CSV で標準出力（または出力）に書き出します。一覧は\n"
        "                      項目番号 0-10 をコンマで区切った書き出し順（既定 0,1,...,10）。\n"
        "                      出力がアドレス帳なら --force がない限り書き出しません。\n"
        "                      --rfc4180 で引用符を二重にし備考の改行も残す RFC 4180 形式、\n"
        "                      --header で先頭に項目名の行を書きます。Tarnvale の形式で\n"
        "                      読み戻せない値（コンマ、\"、改行を含む）があれば、その数を\n"
        "                      標準エラーに書きます。\n"
        "  import-csv CSV 出力 [--map 一覧|header] [--add] [--encoding auto|cp932|utf-8]\n"
        "             [--header] [--rfc4180] [--replace-unencodable]\n"
        "                      CSV の各行を人物として出力に保存します。一覧は項目 0-10 の\n"
        "                      順に、元になる CSV の列番号（0 から）か「-」。「--map header」\n"
        "                      では先頭行の列名（Google、Outlook、Thunderbird、氏名・住所など）\n"
        "                      から割り当てます（--header を含みます）。--add で出力に\n"
        "                      追加します。備考以外の値の改行は空白にし、その数を標準エラーに\n"
        "                      書きます。\n"
        "  duplicates ファイル  同じ人かもしれない人物の組を {\"sets\": [{\"indexes\": [位置...],\n"
        "                      \"reasons\": [\"name\"|\"email\"|\"phone\"...]}...]} "
        "で書き出します。\n"
        "                      位置は保存順の 0 から。氏名（空白、全角/半角、大文字/小文字、\n"
        "                      ひらがな/カタカナを区別せず）、e-mail、電話番号のどれかが同じ人を\n"
        "                      組にします。\n"
        "  merge ファイル 残す 統合する... [--output 出力]\n"
        "                      位置で選んだ人物を「残す」人にウィンドウと同じ規則で統合して\n"
        "                      "
        "保存します（既定はファイル自身、元のファイルは「.bak」に残ります）。\n"
        "  postcards ファイル --output 出力.pdf [--group 名前] [--sender 番号]\n"
        "             [--honorific 敬称|none] [--digits kanji|arabic] [--offset X,Y] [--force]\n"
        "                      はがきの宛名面を 1 人 1 ページの PDF に書き出します。既定は\n"
        "                      全員（保存順）、--group ではその名前の最初のグループの所属員。\n"
        "                      住所のない人は飛ばして標準エラーに名前を書きます。差出人は\n"
        "                      保存順の番号（0 から）、敬称の既定は「様」、住所の数字の既定は\n"
        "                      漢数字、--offset は印刷位置のずれ（mm、右と下が正）。\n"
        "  import-vcard VCF 出力 [--add] [--replace-unencodable]\n"
        "                      vCard（2.1、3.0、4.0）の各カードを人物として出力に保存します。\n"
        "                      --add で出力に追加します。同じ UID の人、UID のないカードで\n"
        "                      同じ内容の人は追加しません。欄のない値はメモに残し、結果を\n"
        "                      標準エラーに書きます。\n"
        "  export-vcard ファイル [--group 名前] [--version 3.0|4.0] [--output 出力 [--force]]\n"
        "                      人物を vCard（UTF-8、既定 3.0）で標準出力（または出力）に\n"
        "                      書き出します。\n"
        "  sync ファイル URL [--user 名前] [--password-file パス] [--dry-run] [--verbose]\n"
        "       [--ca-file パス]\n"
        "                      アドレス帳を CardDAV サーバーのアドレス帳（URL、またはサーバーの\n"
        "                      ルート）と双方向に同期します。パスワードはファイルの 1 行目から\n"
        "                      読みます。ファイルがなければサーバーから作ります。同期の状態は\n"
        "                      「ファイル.sync」、最後のカードは「ファイル.cards」に残し、\n"
        "                      サーバーで削除された人は「ファイル.deleted.vcf」に残します。\n"
        "                      --dry-run は何をするかを一人 1 行で示すだけで何も変えません。\n"
        "                      --verbose は同期したことを同じ形で示します。--ca-file（または\n"
        "                      SSL_CERT_FILE）の証明書を信頼します。\n"
        "  set ファイル 位置 項目=文字列...\n"
        "                      保存順で位置（0 から）の人の項目（番号 0-10 か dump の名前）を\n"
        "                      書き換えて保存します（「ファイル.bak」を残します）。\n"
        "  delete ファイル 位置\n"
        "                      保存順で位置の人を削除済みに移して保存します。\n"
        "  --help, -h          この説明を表示します。\n"
        "\n"
        "終了コード: 0 成功、1 ファイルを読めないか保存できない（理由を標準エラーに 1 行）、\n"
        "            2 使い方の誤り、3 同期で両方に変更があった（サーバーの値はメモに）。\n";
    // What a command line that fits no command is told, in one line.
    static constexpr const char* USAGE_LINE =
        "使い方: tarnvale-cli <コマンド> <ファイル>...（tarnvale-cli --help で説明を表示します）";
    static constexpr const char* EXPORT_CSV_USAGE =
        "export-csv ファイル [--fields 一覧] [--group 名前] [--encoding cp932|utf-8] [--output "
        "出力 [--force]] [--rfc4180] [--header]";
    static constexpr const char* IMPORT_CSV_USAGE =
        "import-csv CSV 出力 [--map 一覧|header] [--add] [--encoding auto|cp932|utf-8] [--header] "
        "[--rfc4180] [--replace-unencodable]";
    static constexpr const char* MERGE_USAGE =
        "merge ファイル 残す 統合する... [--output 出力]（位置は 0 からの数で、重複なし）";
    // The position asked for and the number of persons.
    static constexpr const char* NO_SUCH_PERSON = "位置 %1 の人物はいません（人物は %2 人です）";
    static constexpr const char* POSTCARDS_USAGE =
        "postcards ファイル --output 出力.pdf [--group 名前] [--sender 番号] [--honorific "
        "敬称|none] "
        "[--digits kanji|arabic] [--offset X,Y] [--force]";
    // The person's name.
    static constexpr const char* POSTCARD_SKIPPED = "住所がないので宛名面を作りませんでした: %1";
    // The count of cards.
    static constexpr const char* POSTCARD_ZIP_UNREADABLE =
        "%1 枚の郵便番号が 7 桁の数字でないため、枠の上にそのまま印刷します";
    static constexpr const char* POSTCARD_NONE = "住所のある人がいないので、宛名面はありません";
    // The count of persons.
    static constexpr const char* POSTCARD_SENDER_INDEX =
        "--sender は保存順の番号（0 から %1 未満）です";
    static constexpr const char* IMPORT_VCARD_USAGE =
        "import-vcard VCF 出力 [--add] [--replace-unencodable]";
    static constexpr const char* SYNC_USAGE =
        "sync ファイル URL [--user 名前] [--password-file パス] [--switch-collection] "
        "[--dry-run] [--verbose] [--ca-file パス]";
    static constexpr const char* SYNC_PASSWORD_IN_URL =
        "URL にパスワードを書かないでください。パスワードは --password-file "
        "で指定するファイルの 1 行目に書きます。";
    static constexpr const char* SYNC_SWITCH_HINT =
        "同期先を切り替えるには --switch-collection "
        "を付けてください。新しい同期先とは最初の同期として UID で突き合わせます。";
    static constexpr const char* SET_USAGE = "set ファイル 位置 項目=文字列...";
    static constexpr const char* BAD_INDEX = "位置は 0 以上の数です: %1";
    static constexpr const char* NO_SUCH_INDEX = "位置 %1 の人はいません（%2 人）。";
    static constexpr const char* SET_UNENCODABLE =
        "%1 の文字列に Shift_JIS (CP932) にない文字があります。何も変更しませんでした。";
    static constexpr const char* EXPORT_VCARD_USAGE =
        "export-vcard ファイル [--group 名前] [--version 3.0|4.0] [--output 出力 [--force]]";
    // The version asked for.
    static constexpr const char* VCARD_VERSION = "--version は 3.0 か 4.0 です: %1";
    // The encoding asked for.
    static constexpr const char* EXPORT_ENCODING = "--encoding は cp932 か utf-8 です: %1";
    static constexpr const char* IMPORT_ENCODING = "--encoding は auto、cp932、utf-8 のどれかです";
    static constexpr const char* FIELDS_FORMAT =
        "--fields は 0 から 10 までの項目番号をコンマで区切って並べます";
    static constexpr const char* MAP_FORMAT =
        "--map は項目 0-10 の順に CSV の列番号（0 から）か「-」をコンマで区切って並べます";
    static constexpr const char* MAP_EMPTY = "--map でどの項目にも列が割り当てられていません";
    // The CSV file.
    static constexpr const char* NO_KNOWN_COLUMN =
        "「%1」の先頭行に、読み込む項目に当たる列名がありません";
    // The count of byte sequences.
    static constexpr const char* INVALID_CP932 =
        "シフトJIS（CP932）として正しくないバイト列が %1 か所あり、UTF-8 では "
        "U+FFFD になりました";
    // The output's file name.
    static constexpr const char* OUTPUT_IS_BOOK =
        "出力「%1」は書き出すアドレス帳そのものです。別のファイルを指定してください";
    static constexpr const char* OUTPUT_IS_A_BOOK =
        "出力「%1」はアドレス帳です。置き換えるときは --force を付けてください";
    static constexpr const char* STDOUT_FAILED = "標準出力に書き出せません";
    // File name and group name.
    static constexpr const char* NO_GROUP_IN_FILE = "「%1」にグループ「%2」はありません";
    static constexpr const char* NO_GROUP = "グループ「%1」がありません";
    static constexpr const char* SEPARATOR_UNENCODABLE =
        "区切り文字に Shift_JIS（CP932）で表せない文字があります";
    static constexpr const char* CSV_EMPTY = "「%1」は空です。何も読み込みませんでした";
    // The count of values and the examples (line and characters), joined by the separator, "、…"
    // at the end when there are more.
    static constexpr const char* UNENCODABLE =
        "%1 個の値にシフトJIS（CP932）で表せない文字があります（%2）。--replace-unencodable で"
        "「〓」に置き換えられます";
    static constexpr const char* UNENCODABLE_EXAMPLE = "%1 行目: %2";
    static constexpr const char* LIST_SEPARATOR = "、";
    static constexpr const char* LIST_MORE = "、…";
};
