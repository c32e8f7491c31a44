#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

// A text in sixteen bytes: up to fifteen bytes lie inside it, so that a name allocates nothing,
// and a longer text lies in one allocation of its own length. For the tree's items, held by
// the million, where a std::string's 32 bytes are most of an item.
class CShortText {
public:
    CShortText() { SetInlineSize(0); }
    CShortText(std::string_view text) { Assign(text); }
    CShortText(const CShortText& other) { Assign(other.View()); }
    CShortText(CShortText&& other) noexcept;
    CShortText& operator=(const CShortText& other);
    CShortText& operator=(CShortText&& other) noexcept;
    CShortText& operator=(std::string_view text);
    ~CShortText() { Release(); }

    std::string_view View() const;
    operator std::string_view() const { return View(); }
    std::string Str() const { return std::string(View()); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return View().empty(); }

    friend bool operator==(const CShortText& a, std::string_view b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const CShortText& text);

private:
    static constexpr std::size_t SIZE = 16;
    static constexpr std::size_t INLINE = SIZE - 1;
    // The last byte tells an inline text's unused room, or marks one held elsewhere.
    static constexpr unsigned char ELSEWHERE = 0xFF;

    bool IsElsewhere() const { return m_bytes[INLINE] == ELSEWHERE; }
    void SetInlineSize(std::size_t size) {
        m_bytes[INLINE] = static_cast<unsigned char>(INLINE - size);
    }
    void Assign(std::string_view text);
    void Release();

    // Inline: the text, then the room left. Elsewhere: the address and the 32-bit length.
    alignas(8) unsigned char m_bytes[SIZE];
};
