#include "core/vcard/CVCardCharsets.h"

#include "core/vcard/CVCardTexts.h"

#include <cerrno>

namespace {
const iconv_t NONE = reinterpret_cast<iconv_t>(-1);

// The length of the UTF-8 sequence at the front of `text`, 0 when it is none.
std::size_t SequenceLength(std::string_view text) {
    const auto c = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    if (c < 0x80)
        length = 1;
    else if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        length = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        length = 4;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}
} // namespace

CVCardCharsets::~CVCardCharsets() {
    for (const auto& [name, converter] : m_converters) {
        if (converter != NONE)
            iconv_close(converter);
    }
}

bool CVCardCharsets::IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

EVCardDecode CVCardCharsets::DecodeUtf8(std::string_view bytes, bool replace, std::string& out,
                                        std::size_t& replaced) {
    if (IsValidUtf8(bytes)) {
        out.assign(bytes);
        return EVCardDecode::Ok;
    }
    if (!replace)
        return EVCardDecode::BadBytes;
    out.clear();
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = SequenceLength(bytes.substr(i));
        if (length == 0) {
            out += CVCardTexts::REPLACEMENT;
            ++replaced;
            ++i;
            continue;
        }
        out.append(bytes.substr(i, length));
        i += length;
    }
    return EVCardDecode::Ok;
}

EVCardDecode CVCardCharsets::Decode(std::string_view bytes, std::string_view charset, bool replace,
                                    std::string& out, std::size_t& replaced) {
    const std::string name = Canonical(charset);
    if (name == "UTF-8")
        return DecodeUtf8(bytes, replace, out, replaced);
    const iconv_t converter = Open(name);
    if (converter == NONE)
        return EVCardDecode::UnknownCharset;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    std::string buffer(bytes.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (true) {
        char* to = buffer.data();
        std::size_t toLeft = buffer.size();
        const bool failed =
            iconv(converter, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1);
        out.append(buffer.data(), buffer.size() - toLeft);
        if (!failed)
            return EVCardDecode::Ok;
        if (errno == E2BIG)
            continue;
        if (!replace || inLeft == 0)
            return EVCardDecode::BadBytes;
        // A byte the charset cannot read: one mark for it, and on with the next.
        out += CVCardTexts::REPLACEMENT;
        ++replaced;
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
}

std::string CVCardCharsets::Canonical(std::string_view charset) {
    std::string name(charset);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    if (name == "UTF8")
        return "UTF-8";
    // What phones write for Japanese means the Windows code page, as everywhere here.
    if (name == "SHIFT_JIS" || name == "SHIFT-JIS" || name == "SJIS" || name == "WINDOWS-31J" ||
        name == "MS_KANJI")
        return "CP932";
    return name;
}

iconv_t CVCardCharsets::Open(const std::string& name) {
    const auto found = m_converters.find(name);
    if (found != m_converters.end())
        return found->second;
    const iconv_t converter = iconv_open("UTF-8", name.c_str());
    m_converters.emplace(name, converter);
    return converter;
}
