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
    // File name and line.
    static constexpr const char* STRAY_BYTE =
        "「%1」は UTF-8 のようですが、%2 行目に UTF-8 ではないバイトがあります。"
        "文字コードを選んで読み込み直してください。何も読み込みませんでした。";
    // The count of values.
    static constexpr const char* JOINED_LINES =
        "%1 個の値の改行を空白にして 1 行につなげました（改行はメモにだけ残ります）。";
    // The count of values.
    static constexpr const char* UNSAFE_VALUES =
        "%1 個の値にコンマ、二重引用符（\"）または改行があり、この形式では元どおりに読み込め"
        "ません（改行のあるメモは 1 行目だけを書き出しました）。そのまま残すには RFC 4180 で"
        "書き出してください。";
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

    // Column names of Japanese address lists that the import recognises in a header line.
    static constexpr const char* HEADER_NAME = "氏名";
    static constexpr const char* HEADER_NAME_2 = "名前";
    static constexpr const char* HEADER_FAMILY_NAME = "姓";
    static constexpr const char* HEADER_GIVEN_NAME = "名";
    static constexpr const char* HEADER_ZIP = "郵便番号";
    static constexpr const char* HEADER_ADDRESS = "住所";
    static constexpr const char* HEADER_PREFECTURE = "都道府県";
    static constexpr const char* HEADER_CITY = "市区町村";
    static constexpr const char* HEADER_STREET = "番地";
    static constexpr const char* HEADER_BUILDING = "建物名";
    static constexpr const char* HEADER_PHONE = "電話番号";
    static constexpr const char* HEADER_PHONE_2 = "電話";
    static constexpr const char* HEADER_MOBILE = "携帯電話";
    static constexpr const char* HEADER_MOBILE_2 = "携帯電話番号";
    static constexpr const char* HEADER_EMAIL = "メールアドレス";
    static constexpr const char* HEADER_EMAIL_2 = "メール";
    static constexpr const char* HEADER_HOME_ZIP = "実家郵便番号";
    static constexpr const char* HEADER_HOME_ADDRESS = "実家住所";
    static constexpr const char* HEADER_HOME_PHONE = "実家電話番号";
    // As a mail program with a Japanese interface names its columns.
    static constexpr const char* HEADER_EMAIL_OUTLOOK = "電子メール アドレス";
    static constexpr const char* HEADER_EMAIL_2_OUTLOOK = "電子メール 2 アドレス";
    static constexpr const char* HEADER_HOME_PHONE_OUTLOOK = "自宅電話";
    static constexpr const char* HEADER_HOME_ZIP_OUTLOOK = "自宅の郵便番号";
    static constexpr const char* HEADER_HOME_PREFECTURE_OUTLOOK = "自宅の都道府県";
    static constexpr const char* HEADER_HOME_CITY_OUTLOOK = "自宅の市区町村";
    static constexpr const char* HEADER_HOME_STREET_OUTLOOK = "自宅の番地";
    static constexpr const char* HEADER_NOTE = "備考";
    static constexpr const char* HEADER_MEMO = "メモ";
};
