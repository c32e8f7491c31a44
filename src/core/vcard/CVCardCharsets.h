#pragma once

#include <cstddef>
#include <iconv.h>
#include <map>
#include <string>
#include <string_view>

// How a value's bytes read in the charset they were given.
enum class EVCardDecode { Ok, BadBytes, UnknownCharset };

// Converters to UTF-8, opened once for each charset a file names. Bytes the charset cannot
// read are refused, or each replaced by "〓" and counted when the user agreed to that.
class CVCardCharsets {
public:
    CVCardCharsets() = default;
    CVCardCharsets(const CVCardCharsets&) = delete;
    CVCardCharsets& operator=(const CVCardCharsets&) = delete;
    ~CVCardCharsets();

    // `out` is the UTF-8 text when the result is Ok; `replaced` grows by the bytes replaced.
    EVCardDecode Decode(std::string_view bytes, std::string_view charset, bool replace,
                        std::string& out, std::size_t& replaced);
    static bool IsValidUtf8(std::string_view text);

private:
    static std::string Canonical(std::string_view charset);
    static EVCardDecode DecodeUtf8(std::string_view bytes, bool replace, std::string& out,
                                   std::size_t& replaced);
    iconv_t Open(const std::string& name);

    std::map<std::string, iconv_t> m_converters;
};
