#pragma once

// The main menu's popup captions and what the help commands say, UTF-8; "%1".."%9" are filled by
// CTextFormat. The commands' own captions, prompts and tooltips are in CCommandTexts.
struct CUiTexts {
    static constexpr const char* MENU_FILE = "ﾌｧｲﾙ(&F)";
    static constexpr const char* MENU_EDIT = "編集(&E)";
    // Also the two panes' context menu.
    static constexpr const char* MENU_COMMON = "普通の操作（&I）";
    static constexpr const char* MENU_SETTINGS = "設定(&S)";
    static constexpr const char* MENU_HELP = "ﾍﾙﾌﾟ(&H)";
    static constexpr const char* MENU_USAGE = "使い方(&U)";
    // The path of the readme, for the user to open it another way.
    static constexpr const char* README_FAILED =
        "readme.txtを開けませんでした。ごめんなさい。\n ファイル： %1 ";
    // The address of the support page.
    static constexpr const char* SUPPORT_FAILED =
        "Web上のサポートページを開けませんでした。ごめんなさい。\n サポートページ： %1 ";
};
