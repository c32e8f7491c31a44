#include "core/text/CCp932Utf8Table.h"

#include "core/text/CCp932.h"
#include "core/text/CTextCodec.h"

#include <cstring>
#include <stdexcept>

CCp932Utf8Table::CCp932Utf8Table(const CTextCodec& codec) {
    for (std::size_t byte = 0; byte < m_single.size(); ++byte) {
        const char c = static_cast<char>(byte);
        m_single[byte] = Encode(codec, std::string_view(&c, 1));
    }
    for (std::size_t lead = 0x81; lead <= 0xFC; ++lead) {
        if (!CCp932::IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        auto& row = m_double[LeadRow(static_cast<unsigned char>(lead))];
        for (std::size_t trail = 0; trail < row.size(); ++trail) {
            if (!IsTrailByte(static_cast<unsigned char>(trail)))
                continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            row[trail] = Encode(codec, std::string_view(pair, 2));
        }
    }
}

CCp932Utf8Table::CUtf8 CCp932Utf8Table::Encode(const CTextCodec& codec, std::string_view cp932) {
    const std::string utf8 = codec.ToUtf8(cp932);
    // A pair that is not one character would not fit; CP932 has none.
    if (utf8.size() > MAX_UTF8_PER_BYTE)
        throw std::logic_error("a CP932 character longer than three UTF-8 bytes");
    CUtf8 entry;
    std::memcpy(entry.bytes.data(), utf8.data(), utf8.size());
    entry.length = static_cast<std::uint8_t>(utf8.size());
    return entry;
}

char* CCp932Utf8Table::Convert(std::string_view cp932, char* out) const {
    return ConvertWith(cp932, out, [](std::string_view rest, char*& at) {
        *at++ = rest.front();
        return std::size_t{1};
    });
}
