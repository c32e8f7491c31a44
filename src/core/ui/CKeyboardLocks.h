#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

enum class ELockKey { Kana, Caps, Num, Scroll };

// The lock keys' states as the keyboard LEDs show them. The toolkit tells modifiers but not
// locks, and the kernel lists every keyboard LED under /sys/class/leds ("input3::capslock"),
// readable by everyone. A key with no LED (a remote display, a keyboard without a kana lamp) is
// unknown.
class CKeyboardLocks {
public:
    explicit CKeyboardLocks(std::filesystem::path ledFolder = "/sys/class/leds");

    bool IsKnown(ELockKey key) const;
    // Nothing when unknown; on when any keyboard's LED of that kind is lit.
    std::optional<bool> IsOn(ELockKey key) const;

private:
    static constexpr std::size_t KEY_COUNT = 4;
    std::array<std::vector<std::filesystem::path>, KEY_COUNT> m_brightnessFiles;
};
