#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

// A text that costs one pointer: its bytes live in one allocation behind their length, and an
// empty text allocates nothing. For texts held by the million, where a std::string's 32 bytes
// would weigh more than the text.
class CCompactText {
public:
    CCompactText() = default;
    CCompactText(std::string_view text) { Assign(text); }
    CCompactText(const CCompactText& other) { Assign(other); }
    CCompactText& operator=(const CCompactText& other) {
        Assign(other);
        return *this;
    }
    CCompactText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    CCompactText(CCompactText&&) noexcept = default;
    CCompactText& operator=(CCompactText&&) noexcept = default;
    ~CCompactText() = default;

    std::string_view View() const;
    operator std::string_view() const { return View(); }
    operator std::string() const { return Str(); }
    std::string Str() const { return std::string(View()); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return m_pBytes == nullptr; }

    friend bool operator==(const CCompactText& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const CCompactText& a, const CCompactText& b) {
        return a.View() == b.View();
    }

    friend std::ostream& operator<<(std::ostream& out, const CCompactText& text);

private:
    void Assign(std::string_view text);

    // The length as four bytes, then the text.
    std::unique_ptr<char[]> m_pBytes;
};
