#pragma once

// What writing mail asks, UTF-8.
struct CMailTexts {
    // The field's label.
    static constexpr const char* NO_ADDRESS = "選ばれた人には %1 のアドレスがありません。";
    static constexpr const char* START_FAILED_QUESTION =
        "メーラーの起動に失敗しました。宛先をクリップボードにコピーしますか？";
    static constexpr const char* LONG_LINK_QUESTION =
        "宛先が長いため、メーラーに渡しきれないことがあります。"
        "宛先をクリップボードにコピーしますか？\n"
        "（「いいえ」でメーラーを起動します）";
};
