#include "core/text/CCompactText.h"

#include <cstring>
#include <memory>
#include <ostream>

std::string_view CCompactText::View() const {
    if (IsInline())
        return {reinterpret_cast<const char*>(&m_bits) + 1, (m_bits & 0xFF) >> 1};
    if (m_bits == 0)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(m_bits);
    std::uint32_t length = 0;
    std::memcpy(&length, bytes, sizeof length);
    return {bytes + sizeof length, length};
}

void CCompactText::Assign(std::string_view text) {
    // The new value is made whole before the old one goes: the text may be a view of it.
    std::uintptr_t bits = 0;
    if (text.size() <= INLINE && !text.empty()) {
        bits = (text.size() << 1) | INLINE_MARK;
        std::memcpy(reinterpret_cast<char*>(&bits) + 1, text.data(), text.size());
    } else if (!text.empty()) {
        const auto length = static_cast<std::uint32_t>(text.size());
        char* bytes = std::make_unique_for_overwrite<char[]>(sizeof length + text.size()).release();
        std::memcpy(bytes, &length, sizeof length);
        std::memcpy(bytes + sizeof length, text.data(), text.size());
        bits = reinterpret_cast<std::uintptr_t>(bytes);
    }
    Release();
    m_bits = bits;
}

void CCompactText::Release() {
    if (!IsInline())
        std::unique_ptr<char[]>{reinterpret_cast<char*>(m_bits)}.reset();
    m_bits = 0;
}

std::ostream& operator<<(std::ostream& out, const CCompactText& text) {
    return out << text.View();
}
