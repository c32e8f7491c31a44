#pragma once

// What reading and writing vCard files says, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CVCardTexts {
    // The line.
    static constexpr const char* NUL_BYTE = "vCard ファイルではありません（%1 行目に NUL "
                                            "バイトがあります）。何も読み込みませんでした。";
    // The line where the card began.
    static constexpr const char* CARD_NEVER_ENDS =
        "%1 行目で始まるカードが終わっていません（END:VCARD がありません）。何も読み込みませんで"
        "した。";

    // The line, the charset.
    static constexpr const char* BAD_BYTES =
        "%1 行目に、%2 の文字として読めないバイトがあります。何も読み込みませんでした。";
    static constexpr const char* BAD_BYTES_REPLACE =
        "%1 行目に、%2 の文字として読めないバイトがあります。\nOK を押すと、読めないバイトを"
        "「〓」に置き換えて読み込みます。";
    static constexpr const char* UNKNOWN_CHARSET =
        "%1 行目の文字コード「%2」は、知らない文字コードです。何も読み込みませんでした。";
    static constexpr const char* REPLACEMENT = "〓";
    // The count of lines that are no property and the first of them, after the summary.
    static constexpr const char* MALFORMED_LINES =
        "%1 行は vCard の行として読めないので読み飛ばしました（最初は %2 行目）。";
    // The count of bytes replaced, after the summary.
    static constexpr const char* REPLACED_BYTES = "読めない %1 バイトを「〓」に置き換えました。";

    // The label of the home-town address and phone, as other address books show it.
    static constexpr const char* HOME_LABEL = "実家";
    // The labels that keep the second phone and e-mail apart from the first.
    static constexpr const char* TEL2_LABEL = "電話(2)";
    static constexpr const char* EMAIL2_LABEL = "e-mail(2)";
    // "label: value", one line of the memo for a value without a field of its own.
    static constexpr const char* MEMO_LINE = "%1: %2";
    static constexpr const char* LABEL_ORG = "勤務先";
    static constexpr const char* LABEL_TITLE = "役職";
    static constexpr const char* LABEL_ROLE = "役割";
    static constexpr const char* LABEL_BDAY = "誕生日";
    static constexpr const char* LABEL_ANNIVERSARY = "記念日";
    static constexpr const char* LABEL_NICKNAME = "ニックネーム";
    static constexpr const char* LABEL_TEL = "電話";
    static constexpr const char* LABEL_EMAIL = "e-mail";
    static constexpr const char* LABEL_URL = "ホームページ";
    static constexpr const char* LABEL_ADR = "住所";
    static constexpr const char* LABEL_IMPP = "チャット";
    static constexpr const char* LABEL_FAX = "FAX";
    static constexpr const char* LABEL_PAGER = "ポケットベル";
    static constexpr const char* LABEL_SEX = "性別";
    static constexpr const char* LABEL_NAME = "氏名";
    static constexpr const char* LABEL_MIDDLE_NAME = "ミドルネーム";
    static constexpr const char* LABEL_NAME_PREFIX = "敬称（前）";
    static constexpr const char* LABEL_NAME_SUFFIX = "敬称（後）";
    // A country an address in Japan may name, which the address then leaves out.
    static constexpr const char* COUNTRY_JAPAN = "日本";

    // Persons added, groups created, values moved to the memo, values skipped, persons already
    // in the book.
    static constexpr const char* SUMMARY =
        "%1 人を追加し、%2 個のグループを作りました。%3 個の値をメモに移し、%4 個の値（画像など）"
        "を読み飛ばしました。%5 人はすでにあるので追加しませんでした。";
    // Added to the summary when some cards' UIDs belonged to persons of another name.
    static constexpr const char* SAME_UID_OTHER_NAME =
        "%1 人は名前の違う人と UID が同じだったため、別の人として新しい UID で追加しました。";
    // The count of values, the line where the first one's card began, its characters.
    static constexpr const char* UNENCODABLE =
        "%1 個の値に、シフトJIS（CP932）で表せない文字があります（最初は %2 行目から始まるカード"
        "の「%3」）。";
    static constexpr const char* UNENCODABLE_REFUSED = "何も読み込みませんでした。";
    static constexpr const char* UNENCODABLE_REPLACE =
        "OK を押すと、これらの文字を「〓」に置き換えて読み込みます。";

    // Asked before an import in the window: Yes adds to the open book, No makes a new one.
    static constexpr const char* ADD_TO_OPEN_BOOK =
        "開いているファイルに追加しますか？\n「いいえ」を押すと、新しいファイルに読み込みます。";
    static constexpr const char* SUGGESTED_NAME = "address.vcf";
    // The reason the file could not be written.
    static constexpr const char* WRITE_FAILED = "vCard ファイルを書き出せませんでした。\n%1";
};
