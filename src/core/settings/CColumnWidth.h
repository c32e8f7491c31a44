#pragma once

// A column width as the settings file gives it: a column of no width could never be found
// again to widen it, and one wider than any screen is damage, so both fall back to the default.
class CColumnWidth {
public:
    static constexpr int MAX = 8192;

    CColumnWidth() = delete;

    static int FromSettings(int stored, int def);
};
