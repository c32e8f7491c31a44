#pragma once

#include "core/text/CEncodeResult.h"

#include <iconv.h>
#include <string>
#include <string_view>

// Converts between the code page 932 bytes that core keeps everywhere and the UTF-8 of the
// desktop. Both converters are opened once because whole files of fields pass through here.
// An instance is not safe to share between threads.
class CTextCodec {
public:
    // Throws std::runtime_error when the C library has no CP932 converter.
    CTextCodec();
    ~CTextCodec();
    CTextCodec(const CTextCodec&) = delete;
    CTextCodec& operator=(const CTextCodec&) = delete;
    CTextCodec(CTextCodec&& other) noexcept;
    CTextCodec& operator=(CTextCodec&& other) noexcept;

    // Never fails: bytes that are not CP932 are shown as U+FFFD (see the .cpp for how many).
    std::string ToUtf8(std::string_view cp932) const;
    CEncodeResult FromUtf8(std::string_view utf8) const;

    static std::string EncodeUtf8(char32_t c);

private:
    void Close() noexcept;

    iconv_t m_toUtf8;
    iconv_t m_fromUtf8;
};
