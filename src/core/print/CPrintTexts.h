#pragma once

// What printing shows, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CPrintTexts {
    // The honorifics offered after the addressee's name, in the order the choice lists them;
    // the last is none.
    static constexpr const char* HONORIFIC_SAMA = "様";
    static constexpr const char* HONORIFIC_DONO = "殿";
    static constexpr const char* HONORIFIC_ONCHU = "御中";
    static constexpr const char* HONORIFIC_SENSEI = "先生";
    static constexpr const char* HONORIFIC_NONE = "なし";
    // The font cards are set in unless the user chose another.
    static constexpr const char* DEFAULT_FONT = "Noto Serif CJK JP";
    // The printed list's header line: the group's name (or 全体, 削除済み) and the date.
    static constexpr const char* LIST_HEADER = "%1　　%2";
    static constexpr const char* LIST_DATE = "%1年%2月%3日";
    // The page and the count of pages.
    static constexpr const char* LIST_FOOTER = "%1 / %2";
    // The preview's status line: the count of cards; then, when there are any, the persons
    // skipped for want of an address and the cards whose postal code is not seven digits.
    static constexpr const char* PREVIEW_CARDS = "%1 枚";
    static constexpr const char* PREVIEW_SKIPPED = "住所のない %1 人を除きました";
    static constexpr const char* PREVIEW_UNREADABLE = "郵便番号が 7 桁でない宛先 %1 件";
    static constexpr const char* PREVIEW_SEPARATOR = "、";
    // The page shown and the count of pages.
    static constexpr const char* PREVIEW_PAGE = "%1 / %2";
    static constexpr const char* PREVIEW_NO_SENDER = "差出人: なし";
    static constexpr const char* PREVIEW_SENDER = "差出人: %1";
    // The marked card's note.
    static constexpr const char* PREVIEW_ZIP_MARK = "郵便番号が 7 桁の数字ではありません";
    // The preview window and its controls.
    static constexpr const char* PREVIEW_TITLE = "はがき宛名印刷";
    static constexpr const char* PREVIEW_PRINT = "印刷";
    static constexpr const char* PREVIEW_SAVE_PDF = "PDFに保存";
    static constexpr const char* PREVIEW_PREVIOUS = "前へ";
    static constexpr const char* PREVIEW_NEXT = "次へ";
    static constexpr const char* PREVIEW_ZOOM = "拡大率";
    static constexpr const char* PREVIEW_HONORIFIC = "敬称";
    static constexpr const char* PREVIEW_ARABIC = "算用数字";
    static constexpr const char* PREVIEW_OFFSET = "印刷位置のずれ (mm) 横";
    static constexpr const char* PREVIEW_OFFSET_Y = "縦";
    static constexpr const char* PREVIEW_FONT = "書体";
    static constexpr const char* PDF_DEFAULT_NAME = "はがき宛名.pdf";
    static constexpr const char* SENDER_SET = "差出人を「%1」にしました";
};
