#pragma once

#include "core/text/CSharedTexts.h"

// The captions of the dialogs' controls, UTF-8; the window turns them into QString with
// QString::fromUtf8. Texts other parts show too are in CSharedTexts.
struct CDialogTexts {
    // Buttons and choices several dialogs show.
    static constexpr const char* CANCEL = "ｷｬﾝｾﾙ";
    static constexpr const char* OTHER = "その他";
    // The buttons between a dialog's two lists.
    static constexpr const char* PICK_ADD = "<< 追加";
    static constexpr const char* PICK_REMOVE = "削除 >>";
    // The CSV dialogs and file choosers.
    static constexpr const char* CSV_FILTER = "CSVファイル (*.csv)";
    static constexpr const char* CSV_FIELD = "項目";
    static constexpr const char* CSV_OWN_DATA = "「Tarnvale」のデータ";
    static constexpr const char* CSV_ADD = "追加 >>";
    static constexpr const char* CSV_EXCLUDE = "<< 除外";
    static constexpr const char* CSV_MOVE_UP = "順番を上げる↑";
    static constexpr const char* CSV_MOVE_DOWN = "順番を下げる↓";
    static constexpr const char* CSV_EXPORT_ORDER = "データ書き出し順";
    static constexpr const char* CSV_EXPORT_ALL = "すべてのデータを書き出す";
    static constexpr const char* CSV_EXPORT_SELECTED = "選択されているデータのみ書き出す";
    static constexpr const char* CSV_EXPORT_GROUP = "選択されているグループを書き出す";
    static constexpr const char* CSV_ASSIGNED_FIELD = "割当項目";
    static constexpr const char* CSV_EXAMPLE = "例";
    static constexpr const char* CSV_ASSIGN = "<< 割り当て";
    static constexpr const char* CSV_UNASSIGN = "解除 >>";
    static constexpr const char* CSV_FILE_DATA = "CSVファイルのデータ";
    static constexpr const char* CSV_NEW_FILE = "このデータ用に新しくファイルを作る";
    static constexpr const char* CSV_ADD_TO_OPEN_FILE = "現在開いているファイルにデータを追加する";
    static constexpr const char* CSV_ENCODING_AUTO = "自動判別";
    static constexpr const char* CSV_ENCODING_CP932 = "シフトJIS";
    static constexpr const char* CSV_HEADER_ROW = "先頭行は見出し";
    // The two ways of quoting, named by what writes them.
    static constexpr const char* CSV_QUOTING_OWN = "Tarnvale の形式（値をそのまま \"\" で囲む）";
    static constexpr const char* CSV_QUOTING_RFC4180 =
        "表計算ソフトや Web のアドレス帳の形式（RFC 4180）";
    static constexpr const char* CSV_EXPORT_FORMAT = "書き出す形式";
    static constexpr const char* CSV_EXPORT_HEADER = "先頭行に項目名を書く";
    static constexpr const char* CSV_ENCODING = "文字コード";
    static constexpr const char* CSV_QUOTING = "引用符の扱い";
    // The group dialog.
    static constexpr const char* GROUP_NAME = "グループ名";
    static constexpr const char* GROUP_MEMBERS = "所属メンバー";
    // The dialog that unites groups.
    static constexpr const char* UNITE_NAME = "統合後のグループ名";
    static constexpr const char* UNITE_CHOSEN = "統合されるグループ";
    // The duplicates dialog.
    static constexpr const char* DUPLICATES_TITLE = "重複の検索";
    static constexpr const char* DUPLICATES_SETS = "同じ人かもしれない組(&S)";
    static constexpr const char* DUPLICATES_NONE = "重複は見つかりませんでした";
    static constexpr const char* DUPLICATES_KEEP = "残す人(&K)";
    static constexpr const char* DUPLICATES_DIFFERENCES = "違う項目";
    static constexpr const char* DUPLICATES_RESULT = "統合後";
    static constexpr const char* DUPLICATES_MERGE = "統合";
    static constexpr const char* DUPLICATES_NOT_DUPLICATES = "重複ではない";
    // The person dialog: the labels of its boxes, its buttons and lists.
    static constexpr const char* PERSON_NAME = "氏名";
    static constexpr const char* PERSON_INITIAL = CSharedTexts::PERSON_INITIAL;
    // Not shown: the initial's box is as wide as eight of these.
    static constexpr const char* PERSON_INITIAL_MEASURE = "あ";
    static constexpr const char* PERSON_ZIP = "郵便番号";
    static constexpr const char* PERSON_ADDRESS = "住所";
    static constexpr const char* PERSON_TEL1 = "電話 (1)";
    static constexpr const char* PERSON_TEL2 = "電話 (2)";
    static constexpr const char* PERSON_HOME_PAGE = "ホームページ";
    static constexpr const char* PERSON_HOME_ZIP = "帰省先郵便番号";
    static constexpr const char* PERSON_HOME_ADDRESS = "帰省先住所";
    static constexpr const char* PERSON_HOME_TEL = "帰省先電話番号";
    static constexpr const char* PERSON_MEMO = "メモ";
    static constexpr const char* PERSON_WRITE_MAIL = "←ﾒｰﾙを書く";
    static constexpr const char* PERSON_OPEN_HOME_PAGE = "←開く";
    static constexpr const char* PERSON_SEX = "性別";
    static constexpr const char* PERSON_MALE = "男性";
    static constexpr const char* PERSON_FEMALE = "女性";
    static constexpr const char* PERSON_HOME = "帰省先";
    static constexpr const char* PERSON_NEW_GROUP = "新規ｸﾞﾙｰﾌﾟ";
    static constexpr const char* PERSON_MEMBER_GROUPS = "所属グループ";
    static constexpr const char* PERSON_OTHER_GROUPS = "非所属グループ";
    // The option sheet and its pages.
    static constexpr const char* OPTIONS_TITLE = "オプション";
    static constexpr const char* OPTIONS_MAIL_PAGE = "メール関係";
    static constexpr const char* OPTIONS_COLOR_PAGE = "配色";
    static constexpr const char* MAIL_CAPACITY = "「最近使ったメールアドレス」の記憶件数";
    static constexpr const char* MAIL_ACTION = "「メールを書く」の動作";
    static constexpr const char* MAIL_START_PROGRAM = "標準のメーラーを起動する";
    static constexpr const char* MAIL_COPY = "メールアドレスをクリップボードにコピーする";
    static constexpr const char* MAIL_SEPARATOR = "メールアドレスの区切り文字";
    static constexpr const char* MAIL_COMMA = "コンマ『，』　";
    static constexpr const char* MAIL_SEMICOLON = "セミコロン『；』";
    static constexpr const char* COLOR_SAMPLE = "　こんな感じです　";
    static constexpr const char* COLOR_LIST_BOX = " 個人ﾃﾞｰﾀ表示領域の色設定 ";
    static constexpr const char* COLOR_TREE_BOX = " ｸﾞﾙｰﾌﾟﾘｽﾄ表示領域の色設定";
    static constexpr const char* COLOR_TEXT = "文字色";
    static constexpr const char* COLOR_BACKGROUND = "背景色";
    static constexpr const char* COLOR_MATCH_TREE = " ｸﾞﾙｰﾌﾟﾘｽﾄ表示領域の色に合わせる";
    static constexpr const char* COLOR_MATCH_LIST = "個人ﾃﾞｰﾀ表示領域の色に合わせる";
    static constexpr const char* VIEW_DOUBLE_CLICK = "セルのダブルクリックでセル編集を開始";
    static constexpr const char* VIEW_RESET = "← 実行";
    static constexpr const char* VIEW_RESET_LABEL = "個人データ表示領域のヘッダーを初期状態に戻す";
    // The recently used mail addresses.
    static constexpr const char* RECENT_WRITE_MAIL = "メールを書く";
    static constexpr const char* RECENT_TITLE = "最近使ったメールアドレス";
    // The find dialog.
    static constexpr const char* FIND_TITLE = "検索";
    static constexpr const char* FIND_TEXT_LABEL = "検索する文字列(&S)：";
    static constexpr const char* FIND_FIELDS = "検索項目";
    static constexpr const char* FIND_IGNORE_CASE_WIDTH = "大文字/小文字、全角/半角を区別しない";
    // The file choosers' columns where Qt's own texts are missing or follow the system's
    // language.
    static constexpr const char* FILE_TYPE_FOLDER = "フォルダー";
    // The sync's server question and its progress.
    static constexpr const char* SYNC_URL = "アドレス帳の URL:";
    static constexpr const char* SYNC_USER = "ユーザー名:";
    static constexpr const char* SYNC_PASSWORD = "パスワード:";
    static constexpr const char* SYNC_PASSWORD_NOTE =
        "パスワードはこのセッションの間だけ覚えます。";
    static constexpr const char* SYNC_PROGRESS = "サーバーと通信しています... (%1)";
};
