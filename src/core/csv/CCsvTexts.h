#pragma once

// What reading and writing CSV files says, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CCsvTexts {
    // The reason the file could not be read or written.
    static constexpr const char* OPEN_FAILED = "ファイルを開くのに失敗しました。\n%1";
    // File name and line.
    static constexpr const char* NOT_TEXT =
        "「%1」は文字のファイルではありません（%2 行目に NUL バイトがあります）";
    static constexpr const char* UNCLOSED_QUOTE =
        "%1 行目で始まる引用符（\"）が閉じていません。何も読み込みませんでした。";
    static constexpr const char* NOT_REGULAR_FILE =
        "「%1」は普通のファイルではないので書き出せません";
    // The question before replacing characters code page 932 lacks: the count, then one line per
    // example (line and characters), "  …" when there are more, then what OK does.
    static constexpr const char* UNENCODABLE_COUNT =
        "%1 個の値に、シフトJIS（CP932）で表せない文字があります。\n";
    static constexpr const char* UNENCODABLE_EXAMPLE = "  %1 行目: %2\n";
    static constexpr const char* UNENCODABLE_MORE = "  …\n";
    static constexpr const char* UNENCODABLE_REPLACE =
        "OK を押すと、これらの文字を「〓」に置き換えて読み込みます。";
};
