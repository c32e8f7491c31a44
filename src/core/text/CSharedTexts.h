#pragma once

// The texts that several parts of the program show alike, written once; UTF-8.
struct CSharedTexts {
    // The status bar at rest.
    static constexpr const char* READY = "ﾚﾃﾞｨ";
    // The recent-file menu while it holds no file.
    static constexpr const char* NO_RECENT_FILE = "最新のﾌｧｲﾙ";
    static constexpr const char* CLOSE = "閉じる";
    static constexpr const char* ALL_FILES_FILTER = "すべてのファイル (*.*)";
    static constexpr const char* CSV_IMPORT = "CSVファイルの読み込み";
    static constexpr const char* CSV_EXPORT = "CSVファイルの書き出し";
    static constexpr const char* VCARD_IMPORT = "vCardファイルの読み込み";
    static constexpr const char* VCARD_EXPORT = "vCardファイルの書き出し";
    static constexpr const char* SYNC = "サーバーと同期";
    static constexpr const char* NEW_PERSON = "個人データの新規作成";
    static constexpr const char* NEW_GROUP = "グループの新規作成";
    static constexpr const char* UNITE_GROUPS = "グループの統合";
    static constexpr const char* FIND_TEXT = "検索する文字列";
    // The label of a person's kana initial, which has no column.
    static constexpr const char* PERSON_INITIAL = "頭文字（かな）";
};
