#include "core/text/CTextCodec.h"

#include "core/text/CCp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <unordered_set>
#include <utility>

namespace {

const iconv_t NO_CONVERTER = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t ICONV_FAILED = static_cast<std::size_t>(-1);
constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;
constexpr std::size_t FIRST_PIECE = 32;
constexpr std::size_t LARGEST_PIECE = 64 * 1024;

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

// Converted bytes gathered in a buffer that grows by doubling and is cut to length once at the
// end: a conversion that iconv interrupts at every character still costs time in proportion to
// its input, where sizing the buffer for the remaining input at each interruption would not.
class CGrowingText {
public:
    // At least `count` bytes free after what is written; the free bytes start at Free().
    void Reserve(std::size_t count) {
        if (m_bytes.size() - m_nUsed < count)
            m_bytes.resize(std::max(m_nUsed + count, m_bytes.size() * 2));
    }
    char* Free() { return m_bytes.data() + m_nUsed; }
    std::size_t FreeSize() const { return m_bytes.size() - m_nUsed; }
    void Advance(std::size_t count) { m_nUsed += count; }
    void Append(std::string_view bytes) {
        Reserve(bytes.size());
        std::copy(bytes.begin(), bytes.end(), Free());
        m_nUsed += bytes.size();
    }
    std::string Take() {
        m_bytes.resize(m_nUsed);
        m_nUsed = 0;
        return std::move(m_bytes);
    }

private:
    std::string m_bytes;
    std::size_t m_nUsed = 0;
};

// Appends the conversion of `input` to `out` and consumes what was converted. Stops at the
// first sequence iconv refuses (returning false) and leaves `input` pointing at it.
// iconv converts UTF-8 to CP932 in two steps through a buffer of thousands of characters, and
// at a refused character converts that whole buffer again to find where it stopped; short
// pieces keep a text full of refused characters from paying that at every one of them, and
// pieces that double while all goes well keep a clean text from paying for many calls.
bool AppendConverted(iconv_t converter, std::string_view& input, CGrowingText& out,
                     std::size_t maxBytesPerInputByte) {
    for (std::size_t piece = FIRST_PIECE; !input.empty();
         piece = std::min(piece * 2, LARGEST_PIECE)) {
        const std::size_t pieceSize = std::min(input.size(), piece);
        const bool lastPiece = pieceSize == input.size();
        out.Reserve(pieceSize * maxBytesPerInputByte + 16);
        char* in = const_cast<char*>(input.data()); // iconv never writes through it
        std::size_t inLeft = pieceSize;
        char* outPtr = out.Free();
        std::size_t outLeft = out.FreeSize();
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.Advance(static_cast<std::size_t>(outPtr - out.Free()));
        const std::size_t consumed = pieceSize - inLeft;
        input.remove_prefix(consumed);
        if (result != ICONV_FAILED)
            continue;
        if (error == E2BIG) {
            out.Reserve(out.FreeSize() * 2 + 16);
            continue;
        }
        // A character cut at the end of a piece is converted with the next piece.
        if (error != EINVAL || lastPiece || consumed == 0)
            return false;
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

// The characters CP932 lacks, each once in order of first appearance; the set keeps a text
// with many different ones from searching the list at every character.
class CUnmappableList {
public:
    explicit CUnmappableList(std::vector<char32_t>& list) : m_list(list) {}
    void Add(char32_t c) {
        if (m_seen.insert(c).second)
            m_list.push_back(c);
    }

private:
    std::vector<char32_t>& m_list;
    std::unordered_set<char32_t> m_seen;
};

// `run` is valid UTF-8, so whatever iconv refuses in it is a character CP932 lacks.
void EncodeValidRun(iconv_t converter, std::string_view run, CGrowingText& out,
                    CUnmappableList& unmappable) {
    while (!AppendConverted(converter, run, out, 1)) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(run, 0, c);
        unmappable.Add(length == 0 ? REPLACEMENT_CHARACTER : c);
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
    CGrowingText out;
    const std::string replacement = EncodeUtf8(REPLACEMENT_CHARACTER);
    ResetState(m_toUtf8);
    while (!AppendConverted(m_toUtf8, cp932, out, 3)) {
        out.Append(replacement);
        cp932.remove_prefix(InvalidSequenceLength(cp932));
        ResetState(m_toUtf8);
    }
    return out.Take();
}

CEncodeResult CTextCodec::FromUtf8(std::string_view utf8) const {
    CEncodeResult result;
    if (IsAscii(utf8)) {
        result.text = utf8;
        return result;
    }
    CGrowingText out;
    CUnmappableList unmappable(result.unmappable);
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
        EncodeValidRun(m_fromUtf8, utf8.substr(runStart, pos - runStart), out, unmappable);
        unmappable.Add(length == 0 ? REPLACEMENT_CHARACTER : c);
        pos += std::max<std::size_t>(length, 1);
        runStart = pos;
    }
    EncodeValidRun(m_fromUtf8, utf8.substr(runStart), out, unmappable);
    result.text = out.Take();
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
