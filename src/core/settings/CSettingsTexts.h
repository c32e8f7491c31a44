#pragma once

// What the settings store says, UTF-8; "%1".."%9" are filled by CTextFormat.
struct CSettingsTexts {
    // The reason the settings file could not be read.
    static constexpr const char* UNREADABLE = "tarnvale: %1。既定の設定を使います。\n";
};
