#pragma once

#include <bit>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

// A text that costs one pointer: up to seven bytes lie inside it, a longer text lies in one
// allocation behind its length, and an empty text allocates nothing. For texts held by the
// million, where a std::string's 32 bytes would weigh more than the text, and a group's short
// name more than its allocation. A view of an inline text lies in the object itself.
class CCompactText {
public:
    CCompactText() = default;
    CCompactText(std::string_view text) { Assign(text); }
    CCompactText(const CCompactText& other) { Assign(other.View()); }
    CCompactText& operator=(const CCompactText& other) {
        Assign(other.View());
        return *this;
    }
    CCompactText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    CCompactText(CCompactText&& other) noexcept : m_bits(std::exchange(other.m_bits, 0)) {}
    CCompactText& operator=(CCompactText&& other) noexcept {
        if (this != &other) {
            Release();
            m_bits = std::exchange(other.m_bits, 0);
        }
        return *this;
    }
    ~CCompactText() { Release(); }

    std::string_view View() const;
    operator std::string_view() const { return View(); }
    operator std::string() const { return Str(); }
    std::string Str() const { return std::string(View()); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return m_bits == 0; }

    friend bool operator==(const CCompactText& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const CCompactText& a, const CCompactText& b) {
        return a.View() == b.View();
    }

    friend std::ostream& operator<<(std::ostream& out, const CCompactText& text);

private:
    // The lowest byte of an inline text, first in memory, holds its size; the text follows.
    static_assert(std::endian::native == std::endian::little);
    static constexpr std::size_t INLINE = sizeof(std::uintptr_t) - 1;
    static constexpr std::uintptr_t INLINE_MARK = 1;

    bool IsInline() const { return (m_bits & INLINE_MARK) != 0; }
    void Assign(std::string_view text);
    void Release();

    // 0 for the empty text; an inline text's size times two plus one, with its bytes above; or
    // the (even) address of an allocation holding the length as four bytes, then the text.
    std::uintptr_t m_bits = 0;
};
