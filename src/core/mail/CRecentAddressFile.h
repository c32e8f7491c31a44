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
    // A file larger than this is no list the program wrote; it is ignored, as the settings are.
    static constexpr std::size_t MAX_FILE_SIZE = 16 * 1024 * 1024;
    static constexpr std::size_t ALL_PAIRS = static_cast<std::size_t>(-1) / 2;

    CRecentAddressFile() = delete;

    // "X.ini" gives "X.cal"; a name without a dot gets ".cal" added.
    static std::filesystem::path PathFor(const std::filesystem::path& settingsFile);

    static std::string Encode(const std::vector<std::string>& strings);
    // Whatever whole pairs the bytes hold up to a fault, the first `maxPairs` of them; nothing
    // for bytes that are no string list at all. Never reads past the end.
    static std::vector<std::string> Decode(std::string_view bytes,
                                           std::size_t maxPairs = ALL_PAIRS);

    // A missing, unreadable or oversized file is an empty list. Pairs past `maxPairs` are not
    // read, since the list would drop them at once.
    static std::vector<std::string> Load(const std::filesystem::path& path,
                                         std::size_t maxPairs = ALL_PAIRS);
    static CFileResult Save(const std::filesystem::path& path,
                            const std::vector<std::string>& strings);
};
