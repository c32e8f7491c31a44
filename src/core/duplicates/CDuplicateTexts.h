#pragma once

// What finding and merging duplicate persons shows, UTF-8; "%1".."%9" are filled by
// CTextFormat.
struct CDuplicateTexts {
    // A text of a person merged away that differs from the kept one, as a line of the memo:
    // the field's label and the text.
    static constexpr const char* MEMO_LINE = "%1: %2";
    // Why a set was offered.
    static constexpr const char* REASON_NAME = "氏名が同じ";
    static constexpr const char* REASON_EMAIL = "e-mailが同じ";
    static constexpr const char* REASON_PHONE = "電話番号が同じ";
    static constexpr const char* REASON_SEPARATOR = "、";
    // A set in the dialog's list: the persons' names and the reasons.
    static constexpr const char* SET_CAPTION = "%1（%2）";
    static constexpr const char* NAME_SEPARATOR = " / ";
};
