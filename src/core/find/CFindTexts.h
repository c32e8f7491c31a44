#pragma once

// What the find dialog's rules say, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CFindTexts {
    static constexpr const char* START = "検索開始(&F)";
    static constexpr const char* STOP = "検索中止(&F)";
    // The number of fields searched.
    static constexpr const char* SEARCHING = "%1項目で検索中．．．";
    static constexpr const char* DONE = "検索完了。";
    static constexpr const char* STOPPED = "検索中止。";
    // The number of persons found.
    static constexpr const char* HITS = "%1件ヒットしました。";
    static constexpr const char* NO_TEXT = "「検索する文字列」が入力されていません。";
    static constexpr const char* NO_FIELD = "「検索項目」が選択されていません。";
    // The name of the group a search fills starts with "!検索結果 - "; in CP932, as group names
    // are.
    static constexpr const char* RESULT_GROUP_PREFIX_CP932 = "!\x8c\x9f\x8d\xf5\x8c\x8b\x89\xca - ";
};
