#include "core/text/CCp932Utf8Table.h"

#include "core/text/CCp932.h"
#include "core/text/CTextCodec.h"

#include <cstring>
#include <stdexcept>

namespace {
bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

char* Put(char* out, const auto& utf8) {
    std::memcpy(out, utf8.bytes.data(), utf8.bytes.size());
    return out + utf8.length;
}
} // namespace

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

std::size_t CCp932Utf8Table::LeadRow(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9Fu - 0x81u + 1);
}

char* CCp932Utf8Table::Convert(std::string_view cp932, char* out) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(cp932.data());
    const std::size_t size = cp932.size();
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char c = bytes[i];
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (CCp932::IsLeadByte(c) && i + 1 < size && IsTrailByte(bytes[i + 1])) {
            out = Put(out, m_double[LeadRow(c)][bytes[i + 1]]);
            ++i;
        } else {
            out = Put(out, m_single[c]);
        }
    }
    return out;
}
