#pragma once

// What reading and writing files says, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CStorageTexts {
    // The system's reasons for a failed file operation.
    static constexpr const char* NOT_FOUND = "ファイルまたはフォルダが見つかりません";
    static constexpr const char* NOT_A_FOLDER_ON_PATH = "パスの途中にフォルダでないものがあります";
    static constexpr const char* ACCESS_DENIED = "アクセスが許可されていません";
    static constexpr const char* READ_ONLY_FILE_SYSTEM = "読み取り専用のファイルシステムです";
    static constexpr const char* DISK_FULL = "ディスクに空きがありません";
    static constexpr const char* IS_FOLDER = "フォルダです";
    static constexpr const char* NAME_TOO_LONG = "名前が長すぎます";
    // Number and the system's own words.
    static constexpr const char* OTHER_SYSTEM_ERROR = "システムエラー %1: %2";

    // Reading: file name and reason.
    static constexpr const char* CANNOT_READ = "「%1」を読み込めません: %2";
    static constexpr const char* NAMED_PIPE = "名前付きパイプです";
    static constexpr const char* DEVICE = "デバイスです";
    static constexpr const char* NOT_REGULAR_FILE = "通常のファイルではありません";
    static constexpr const char* TOO_LARGE = "ファイルが大きすぎます（上限 %1 バイト）";
    static constexpr const char* OUT_OF_MEMORY = "メモリが足りません";
    // File name, offset and what the archive reader found.
    static constexpr const char* NOT_AN_ADDRESS_BOOK =
        "「%1」はアドレス帳ファイルとして読めません（オフセット %2）: %3";

    // Saving: file name and reason.
    static constexpr const char* CANNOT_SAVE = "「%1」に保存できません: %2";
    // File name, the step that failed and the system's reason.
    static constexpr const char* SAVE_STEP_FAILED = "「%1」に保存できません: %2（%3）";
    static constexpr const char* SAVE_NOT_REGULAR =
        "「%1」は通常のファイルではないため保存できません。";
    static constexpr const char* SAVE_WRITE_PROTECTED =
        "「%1」は書き込みが禁止されているため保存できません。";
    static constexpr const char* STEP_CREATE_TEMPORARY = "一時ファイルを作れません";
    static constexpr const char* STEP_WRITE = "書き込めません";
    static constexpr const char* STEP_FLUSH = "ディスクに書き出せません";
    static constexpr const char* STEP_REPLACE = "ファイルを置き換えられません";
    // File name: another program holds the book's lock, or wrote the book after it was read.
    static constexpr const char* BOOK_IN_USE =
        "「%1」は他のプログラムが保存中です。しばらくしてからもう一度保存してください。";
    static constexpr const char* CHANGED_SINCE_READ =
        "「%1」は読み込んだ後に他のプログラムによって変更されたため、保存しませんでした。";
    // The status bar after a save.
    static constexpr const char* SAVED = "保存しました";

    // Where the data file's bytes break the format; numbers are byte counts.
    static constexpr const char* ENDS_EARLY =
        "ファイルが途中で終わっています（あと %1 バイト必要ですが、残りは %2 バイトです）";
    static constexpr const char* WIDE_STRING = "ワイド文字（UTF-16）の文字列には対応していません";
    static constexpr const char* STRING_TOO_LONG =
        "文字列の長さ %1 バイトがファイルの残り %2 バイトを超えています";
    // What is counted, the count and the bytes left.
    static constexpr const char* COUNT_TOO_LARGE =
        "%1の数 %2 はファイルの残り %3 バイトに収まりません";
    static constexpr const char* COUNTED_GROUPS = "グループ";
    static constexpr const char* COUNTED_PERSONS = "個人データ";
    static constexpr const char* COUNTED_MEMBER_GROUPS = "所属グループ";
    // Class expected and class found.
    static constexpr const char* WRONG_CLASS =
        "ここには %1 のオブジェクトが必要ですが、%2 のオブジェクトがあります";
    static constexpr const char* NULL_OBJECT =
        "ここには %1 のオブジェクトが必要ですが、空の参照（null）があります";
    static constexpr const char* OBJECT_ALREADY_READ =
        "ここには新しい %1 のオブジェクトが必要ですが、読み込み済みのオブジェクトへの参照（番号 "
        "%2）"
        "があります";
    static constexpr const char* UNKNOWN_CLASS = "未知のクラス「%1」があります";
    static constexpr const char* CLASS_NOT_YET_SEEN = "クラス番号 %1 はまだ現れていません";
    static constexpr const char* NOT_A_CLASS = "番号 %1 はクラスではなくオブジェクトを指しています";
    // Class, schema found and schema known.
    static constexpr const char* BAD_SCHEMA =
        "%1 のスキーマ番号 %2 は読めません（%3 のみ有効です）";
    static constexpr const char* NEWER_SCHEMA =
        "%1 のスキーマ番号 %2 はこのプログラムより新しい形式です（%3 まで読めます）";
    // Member group number and the number of groups.
    static constexpr const char* NO_SUCH_GROUP =
        "所属グループの番号 %1 に当たるグループがありません（グループは %2 個）";
    static constexpr const char* GROUP_TWICE =
        "所属グループの番号 %1 が同じ個人データに二度あります";
    // The output and the book.
    static constexpr const char* OUTPUT_BELONGS_TO_BOOK =
        "「%1」はアドレス帳「%2」そのものか、その付属ファイル（UID・同期状態・バックアップ）"
        "です。別のファイルを指定してください。";
};
