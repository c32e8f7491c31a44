#include "core/text/CCompactText.h"

#include <cstring>
#include <ostream>

std::string_view CCompactText::View() const {
    if (!m_pBytes)
        return {};
    std::uint32_t length = 0;
    std::memcpy(&length, m_pBytes.get(), sizeof length);
    return {m_pBytes.get() + sizeof length, length};
}

void CCompactText::Assign(std::string_view text) {
    if (text.empty()) {
        m_pBytes.reset();
        return;
    }
    const auto length = static_cast<std::uint32_t>(text.size());
    auto bytes = std::make_unique_for_overwrite<char[]>(sizeof length + text.size());
    std::memcpy(bytes.get(), &length, sizeof length);
    std::memcpy(bytes.get() + sizeof length, text.data(), text.size());
    m_pBytes = std::move(bytes);
}

std::ostream& operator<<(std::ostream& out, const CCompactText& text) {
    return out << text.View();
}
