#include "core/ui/CKeyboardLocks.h"

#include "core/storage/CFileReader.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace {
// LED names end in "::" and the function, in ELockKey order.
constexpr std::array<std::string_view, 4> LED_SUFFIXES = {"::kana", "::capslock", "::numlock",
                                                          "::scrolllock"};

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The kernel gives each of its attribute files the size of a memory page.
constexpr std::size_t MAX_ATTRIBUTE_SIZE = 4096;

bool IsLit(const fs::path& brightness) {
    std::string text;
    if (!CFileReader::Read(brightness, text, MAX_ATTRIBUTE_SIZE).ok)
        return false;
    return std::strtol(text.c_str(), nullptr, 10) > 0;
}
} // namespace

CKeyboardLocks::CKeyboardLocks(fs::path ledFolder) {
    std::error_code error;
    for (fs::directory_iterator it(ledFolder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        for (std::size_t key = 0; key < KEY_COUNT; ++key) {
            if (EndsWith(name, LED_SUFFIXES[key]))
                m_brightnessFiles[key].push_back(it->path() / "brightness");
        }
    }
}

bool CKeyboardLocks::IsKnown(ELockKey key) const {
    return !m_brightnessFiles[static_cast<std::size_t>(key)].empty();
}

std::optional<bool> CKeyboardLocks::IsOn(ELockKey key) const {
    if (!IsKnown(key))
        return std::nullopt;
    for (const fs::path& file : m_brightnessFiles[static_cast<std::size_t>(key)]) {
        if (IsLit(file))
            return true;
    }
    return false;
}
