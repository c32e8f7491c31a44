#include "core/text/CShortText.h"

#include <cstring>
#include <limits>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <utility>

CShortText::CShortText(CShortText&& other) noexcept {
    std::memcpy(m_bytes, other.m_bytes, SIZE);
    other.SetInlineSize(0);
}

CShortText& CShortText::operator=(const CShortText& other) {
    if (this != &other)
        *this = other.View();
    return *this;
}

CShortText& CShortText::operator=(CShortText&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(m_bytes, other.m_bytes, SIZE);
        other.SetInlineSize(0);
    }
    return *this;
}

CShortText& CShortText::operator=(std::string_view text) {
    // The new text is copied before the old goes, as it may be a view of it.
    CShortText copy(text);
    return *this = std::move(copy);
}

std::string_view CShortText::View() const {
    if (!IsElsewhere())
        return {reinterpret_cast<const char*>(m_bytes), INLINE - m_bytes[INLINE]};
    const char* data = nullptr;
    std::uint32_t length = 0;
    std::memcpy(&data, m_bytes, sizeof data);
    std::memcpy(&length, m_bytes + sizeof data, sizeof length);
    return {data, length};
}

void CShortText::Assign(std::string_view text) {
    if (text.size() <= INLINE) {
        // An empty view may carry no address, which memcpy must not be given.
        if (!text.empty())
            std::memcpy(m_bytes, text.data(), text.size());
        SetInlineSize(text.size());
        return;
    }
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("CShortText");
    const auto length = static_cast<std::uint32_t>(text.size());
    char* data = std::make_unique_for_overwrite<char[]>(length).release();
    std::memcpy(data, text.data(), length);
    std::memcpy(m_bytes, &data, sizeof data);
    std::memcpy(m_bytes + sizeof data, &length, sizeof length);
    m_bytes[INLINE] = ELSEWHERE;
}

void CShortText::Release() {
    if (!IsElsewhere())
        return;
    char* data = nullptr;
    std::memcpy(&data, m_bytes, sizeof data);
    SetInlineSize(0);
    const std::unique_ptr<char[]> owner(data);
}

std::ostream& operator<<(std::ostream& out, const CShortText& text) {
    return out << text.View();
}
