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
};
