#pragma once

// What the main window and the desktop's choosers and message boxes say, UTF-8; the window turns
// them into QString with QString::fromUtf8. Texts other parts show too are in CSharedTexts.
struct CAppTexts {
    static constexpr const char* TOOL_BAR = "ﾂｰﾙ ﾊﾞｰ";
    // The message boxes' buttons.
    static constexpr const char* YES = "はい(&Y)";
    static constexpr const char* NO = "いいえ(&N)";
    static constexpr const char* CANCEL = "キャンセル";
    // The file choosers.
    static constexpr const char* OPEN_TITLE = "開く";
    static constexpr const char* SAVE_AS_TITLE = "名前を付けて保存";
    static constexpr const char* ANY_FILE_FILTER = "すべてのファイル (*)";
    static constexpr const char* ALREADY_RUNNING = "Tarnvaleは既に起動してあります。";
    // The status bar's lock indicators, in the order kana, caps, num, scroll.
    static constexpr const char* LOCK_KANA = "ｶﾅ";
    static constexpr const char* LOCK_CAPS = "CAP";
    static constexpr const char* LOCK_NUM = "NUM";
    static constexpr const char* LOCK_SCROLL = "SCRL";
    // The about box.
    static constexpr const char* ABOUT_TITLE = "ﾊﾞｰｼﾞｮﾝ情報";
    // The version.
    static constexpr const char* ABOUT_VERSION = "Tarnvale  ﾊﾞｰｼﾞｮﾝ %1";
    static constexpr const char* ABOUT_DESCRIPTION = "グループで整理する住所録 ― Linux 版";
};
