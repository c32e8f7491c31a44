#pragma once

#include "core/storage/CFileResult.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The file that keeps the recent mail addresses between runs: one archived string list, beside
// the settings file and named after it with the extension ".cal".
class CRecentAddressFile {
public:
    CRecentAddressFile() = delete;

    // "X.ini" gives "X.cal"; a name without a dot gets ".cal" added.
    static std::filesystem::path PathFor(const std::filesystem::path& settingsFile);

    static std::string Encode(const std::vector<std::string>& strings);
    // Whatever whole pairs the bytes hold up to a fault; nothing for bytes that are no string
    // list at all. Never reads past the end.
    static std::vector<std::string> Decode(std::string_view bytes);

    // A missing or unreadable file is an empty list.
    static std::vector<std::string> Load(const std::filesystem::path& path);
    static CFileResult Save(const std::filesystem::path& path,
                            const std::vector<std::string>& strings);
};
