// Feeds arbitrary bytes to the settings store as the contents of its file. Reading must never
// fail, and a value written must read back exactly while every other value stays as it was.
#include "core/settings/CProfile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

struct CName {
    std::string_view section;
    std::string_view key;
};

// Names the program uses, a double-byte one and two that differ only by letter case.
constexpr std::array<CName, 7> NAMES = {{{"Window", "left"},
                                         {"Recent File List", "File1"},
                                         {"Column3", "width"},
                                         {"\x83\x41", "k"},
                                         {"a", "b"},
                                         {"A", "c"},
                                         {"A", "B"}}};

constexpr std::string_view DEFAULT = "\x01none";

// Two names are the same key when the store cannot tell them apart.
bool SameKey(const CProfile& profile, const CName& a, const CName& b) {
    CProfile probe({}, profile.GetContents());
    probe.WriteProfileString(a.section, a.key, "\x02probe");
    return probe.GetProfileString(b.section, b.key, DEFAULT) == "\x02probe";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The tail of the input is also the value written, so values vary with the file.
    const std::string_view tail =
        bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 12));
    // A store without a file writes nothing; the batch keeps it from trying.
    CProfile profile({}, std::string(bytes));
    const CProfile::CBatch batch(profile);
    for (const CName& name : NAMES)
        profile.GetProfileInt(name.section, name.key, 7);

    for (std::size_t target = 0; target < NAMES.size(); ++target) {
        std::array<std::string, NAMES.size()> before;
        for (std::size_t i = 0; i < NAMES.size(); ++i)
            before[i] = profile.GetProfileString(NAMES[i].section, NAMES[i].key, DEFAULT);
        const CName& name = NAMES[target];
        const bool hasLineBreak = tail.find_first_of("\r\n") != std::string_view::npos;
        const bool written =
            profile.WriteProfileString(name.section, name.key, CProfile::ReadBackForm(tail));
        Require(written != hasLineBreak);
        if (!written)
            continue;
        Require(profile.GetProfileString(name.section, name.key, DEFAULT) == tail);
        for (std::size_t i = 0; i < NAMES.size(); ++i) {
            if (i != target && !SameKey(profile, name, NAMES[i]))
                Require(profile.GetProfileString(NAMES[i].section, NAMES[i].key, DEFAULT) ==
                        before[i]);
        }
    }
    profile.DeleteProfileKey(NAMES[0].section, NAMES[0].key);
    return 0;
}
