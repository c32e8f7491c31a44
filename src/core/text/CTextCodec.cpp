#include "core/text/CTextCodec.h"

#include "core/text/CCp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

const iconv_t NO_CONVERTER = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t ICONV_FAILED = static_cast<std::size_t>(-1);
constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

// Most fields are plain ASCII, which both encodings share; they skip iconv altogether.
bool IsAscii(std::string_view text) {
    constexpr std::uint64_t HIGH_BITS = 0x8080808080808080ULL;
    std::size_t pos = 0;
    for (; pos + sizeof(std::uint64_t) <= text.size(); pos += sizeof(std::uint64_t)) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, text.data() + pos, sizeof chunk);
        if ((chunk & HIGH_BITS) != 0) {
            return false;
        }
    }
    return std::none_of(text.begin() + static_cast<std::ptrdiff_t>(pos), text.end(),
                        [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
}

void ResetState(iconv_t converter) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
}

// Appends the conversion of `input` to `out` and consumes what was converted. Stops at the
// first sequence iconv refuses (returning false) and leaves `input` pointing at it.
bool AppendConverted(iconv_t converter, std::string_view& input, std::string& out,
                     std::size_t maxBytesPerInputByte) {
    while (!input.empty()) {
        const std::size_t used = out.size();
        out.resize(used + input.size() * maxBytesPerInputByte + 16);
        char* in = const_cast<char*>(input.data()); // iconv never writes through it
        std::size_t inLeft = input.size();
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.resize(static_cast<std::size_t>(outPtr - out.data()));
        input.remove_prefix(input.size() - inLeft);
        if (result != ICONV_FAILED) {
            return true;
        }
        if (error != E2BIG) {
            return false;
        }
    }
    return true;
}

bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// One U+FFFD stands for each invalid sequence: a lead byte with a possible trail byte is one
// (unassigned) character, anything else is a single stray byte. This keeps the replacement
// characters in step with how CCp932 walks the same bytes.
std::size_t InvalidSequenceLength(std::string_view rest) {
    if (rest.size() >= 2 && CCp932::IsLeadByte(static_cast<unsigned char>(rest[0])) &&
        IsTrailByte(static_cast<unsigned char>(rest[1]))) {
        return 2;
    }
    return 1;
}

// Strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF). Returns the length of
// the character at `pos`, or 0 when the bytes there are not one.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0FU;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07U;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() - pos < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if (i == 1 ? (next < low || next > high) : (next & 0xC0U) != 0x80) {
            return 0;
        }
        c = (c << 6) | (next & 0x3FU);
    }
    return length;
}

// Characters the C library converts without complaint into something else: the yen sign and
// the overline become the ASCII backslash and tilde, and tag characters vanish. Storing those
// would change the user's text behind their back, so they count as unmappable.
bool IsSilentlyReplaced(char32_t c) {
    return c == 0x00A5 || c == 0x203E || (c >= 0xE0000 && c <= 0xE007F);
}

void AddUnmappable(CEncodeResult& result, char32_t c) {
    if (std::find(result.unmappable.begin(), result.unmappable.end(), c) ==
        result.unmappable.end()) {
        result.unmappable.push_back(c);
    }
}

// `run` is valid UTF-8, so whatever iconv refuses in it is a character CP932 lacks.
void EncodeValidRun(iconv_t converter, std::string_view run, CEncodeResult& result) {
    while (!AppendConverted(converter, run, result.text, 1)) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(run, 0, c);
        AddUnmappable(result, length == 0 ? REPLACEMENT_CHARACTER : c);
        run.remove_prefix(std::max<std::size_t>(length, 1));
        ResetState(converter);
    }
}

iconv_t OpenConverter(const char* to, const char* from) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == NO_CONVERTER) {
        throw std::runtime_error(std::string("no iconv converter from ") + from + " to " + to);
    }
    return converter;
}

} // namespace

CTextCodec::CTextCodec() : m_toUtf8(OpenConverter("UTF-8", "CP932")), m_fromUtf8(NO_CONVERTER) {
    try {
        m_fromUtf8 = OpenConverter("CP932", "UTF-8");
    } catch (...) {
        Close();
        throw;
    }
}

CTextCodec::~CTextCodec() {
    Close();
}

CTextCodec::CTextCodec(CTextCodec&& other) noexcept
    : m_toUtf8(std::exchange(other.m_toUtf8, NO_CONVERTER)),
      m_fromUtf8(std::exchange(other.m_fromUtf8, NO_CONVERTER)) {}

CTextCodec& CTextCodec::operator=(CTextCodec&& other) noexcept {
    if (this != &other) {
        Close();
        m_toUtf8 = std::exchange(other.m_toUtf8, NO_CONVERTER);
        m_fromUtf8 = std::exchange(other.m_fromUtf8, NO_CONVERTER);
    }
    return *this;
}

void CTextCodec::Close() noexcept {
    for (iconv_t* converter : {&m_toUtf8, &m_fromUtf8}) {
        if (*converter != NO_CONVERTER) {
            iconv_close(*converter);
            *converter = NO_CONVERTER;
        }
    }
}

std::string CTextCodec::ToUtf8(std::string_view cp932) const {
    if (IsAscii(cp932)) {
        return std::string(cp932);
    }
    std::string out;
    out.reserve(cp932.size() * 3);
    ResetState(m_toUtf8);
    while (!AppendConverted(m_toUtf8, cp932, out, 3)) {
        out += EncodeUtf8(REPLACEMENT_CHARACTER);
        cp932.remove_prefix(InvalidSequenceLength(cp932));
        ResetState(m_toUtf8);
    }
    return out;
}

CEncodeResult CTextCodec::FromUtf8(std::string_view utf8) const {
    CEncodeResult result;
    if (IsAscii(utf8)) {
        result.text = utf8;
        return result;
    }
    result.text.reserve(utf8.size());
    ResetState(m_fromUtf8);
    // iconv only ever sees runs of valid UTF-8 that hold no silently replaced character.
    std::size_t runStart = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(utf8, pos, c);
        if (length != 0 && !IsSilentlyReplaced(c)) {
            pos += length;
            continue;
        }
        EncodeValidRun(m_fromUtf8, utf8.substr(runStart, pos - runStart), result);
        AddUnmappable(result, length == 0 ? REPLACEMENT_CHARACTER : c);
        pos += std::max<std::size_t>(length, 1);
        runStart = pos;
    }
    EncodeValidRun(m_fromUtf8, utf8.substr(runStart), result);
    return result;
}

std::string CTextCodec::EncodeUtf8(char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = REPLACEMENT_CHARACTER;
    }
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}
