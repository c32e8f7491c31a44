#include "core/csv/CCsvDecoder.h"

#include "core/csv/CCsvRecordCursor.h"
#include "core/text/CTextCodec.h"

#include <algorithm>

namespace {
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) {
    return (c & 0xC0U) == 0x80;
}

// The length of the UTF-8 sequence at `pos` by its lead byte, or 1 for a stray byte; strictness
// (overlong forms, surrogates) is left to the converter.
std::size_t SequenceLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (pos + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i])))
            return 1;
    }
    return length;
}

char32_t CodePoint(std::string_view sequence) {
    constexpr unsigned char LEAD_BITS[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(sequence[0]) & LEAD_BITS[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3FU);
    return c;
}

// Kana, kanji, Japanese punctuation and the full- and half-width forms.
bool IsJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

// An accented Latin letter, as in Müller or José.
bool IsLatinLetter(char32_t c) {
    return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// What the bytes look like when read as UTF-8.
struct CUtf8Walk {
    std::size_t japanese = 0; // sequences that are Japanese characters
    std::size_t otherNonAscii = 0;
    // Accented letters with an ASCII letter beside them: a European name, where a pair of
    // half-width katakana beside Latin letters would be rare.
    std::size_t latinInWords = 0;
    std::size_t strayBytes = 0; // bytes that start no valid sequence
    std::size_t firstStray = std::string_view::npos;
};

CUtf8Walk WalkUtf8(std::string_view text) {
    CUtf8Walk walk;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = SequenceLength(text, pos);
        if (length == 1) {
            if (walk.strayBytes++ == 0)
                walk.firstStray = pos;
        } else if (const char32_t c = CodePoint(text.substr(pos, length)); IsJapanese(c)) {
            ++walk.japanese;
        } else {
            ++walk.otherNonAscii;
            const bool letterBefore = pos > 0 && IsAsciiLetter(text[pos - 1]);
            const bool letterAfter =
                pos + length < text.size() && IsAsciiLetter(text[pos + length]);
            if (IsLatinLetter(c) && (letterBefore || letterAfter))
                ++walk.latinInWords;
        }
        pos += length;
    }
    return walk;
}

// Code page 932 that holds at least one character beyond ASCII, every one of which is Japanese:
// half-width katakana, or a double-byte character outside the user-defined rows F0-F9 (where
// every four-byte UTF-8 sequence would begin).
bool IsJapaneseCp932(std::string_view text) {
    bool nonAscii = false;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80)
            continue;
        nonAscii = true;
        if (c >= 0xA1 && c <= 0xDF)
            continue;
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF) || c >= 0xFA;
        if (!lead || pos + 1 >= text.size())
            return false;
        const auto trail = static_cast<unsigned char>(text[++pos]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
            return false;
    }
    return nonAscii;
}

std::string Characters(const std::vector<char32_t>& unmappable) {
    std::string text;
    for (const char32_t c : unmappable)
        text += CTextCodec::EncodeUtf8(c);
    return text;
}

// Walks the UTF-8 text as the import will and notes every value that will not convert.
void FindUnencodable(std::string_view utf8, ECsvQuoting quoting, const CTextCodec& codec,
                     CCsvDecoded& decoded) {
    CCsvRecordCursor cursor(utf8, quoting);
    std::vector<std::string_view> fields;
    while (cursor.Next(fields)) {
        for (const std::string_view field : fields) {
            const CEncodeResult result = codec.FromUtf8(field);
            if (result.ok())
                continue;
            ++decoded.unencodableValues;
            if (decoded.examples.size() < CCsvDecoder::MAX_EXAMPLES)
                decoded.examples.push_back({cursor.GetLine(), Characters(result.unmappable)});
        }
    }
}
} // namespace

CCsvDetection CCsvDecoder::Detect(std::string_view bytes) {
    if (bytes.starts_with(UTF8_BOM))
        return {ECsvEncoding::Utf8, 0};
    const CUtf8Walk walk = WalkUtf8(bytes);
    if (walk.strayBytes == 0) {
        // Code page 932 half-width katakana pairs can be valid UTF-8 too (ﾂｧ is C2 A7, §):
        // the reading that gives Japanese text wins, unless the UTF-8 reading spells words.
        if (walk.japanese == 0 &&
            (walk.otherNonAscii == 0 || (walk.latinInWords == 0 && IsJapaneseCp932(bytes))))
            return {ECsvEncoding::Cp932, 0};
        return {ECsvEncoding::Utf8, 0};
    }
    // Code page 932 read as UTF-8 is nearly all stray bytes; Japanese UTF-8 with a few of them
    // is a damaged UTF-8 file, which neither reading would import faithfully.
    if (walk.japanese > walk.strayBytes)
        return {ECsvEncoding::Utf8, LineAt(bytes, walk.firstStray)};
    return {ECsvEncoding::Cp932, 0};
}

std::size_t CCsvDecoder::LineAt(std::string_view bytes, std::size_t pos) {
    std::size_t line = 1;
    const std::size_t end = std::min(pos, bytes.size());
    for (std::size_t i = 0; i < end; ++i) {
        const char c = bytes[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

std::string_view CCsvDecoder::StripBom(std::string_view bytes) {
    if (bytes.starts_with(UTF8_BOM))
        bytes.remove_prefix(UTF8_BOM.size());
    return bytes;
}

std::optional<std::size_t> CCsvDecoder::FindNul(std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string_view::npos)
        return std::nullopt;
    return LineAt(bytes, nul);
}

std::string CCsvDecoder::ReplaceUnencodable(std::string_view utf8, const CTextCodec& codec) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Whole lines convert in one step; only a line that fails goes character by character.
        const std::size_t lf = utf8.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? utf8.size() : lf + 1;
        const std::string_view line = utf8.substr(pos, end - pos);
        const CEncodeResult whole = codec.FromUtf8(line);
        if (whole.ok()) {
            out += whole.text;
        } else {
            for (std::size_t at = 0; at < line.size();) {
                const std::size_t length = SequenceLength(line, at);
                const CEncodeResult one = codec.FromUtf8(line.substr(at, length));
                out += one.ok() ? std::string_view(one.text) : GETA_CP932;
                at += length;
            }
        }
        pos = end;
    }
    return out;
}

CCsvDecoded CCsvDecoder::Decode(std::string& bytes, const CCsvOptions& options, bool replace,
                                const CTextCodec& codec) {
    CCsvDecoded decoded;
    if (options.encoding == ECsvEncoding::Auto) {
        const CCsvDetection detected = Detect(bytes);
        decoded.encoding = detected.encoding;
        decoded.strayByteLine = detected.strayByteLine;
        if (decoded.strayByteLine > 0)
            return decoded;
    } else {
        decoded.encoding = options.encoding;
    }
    if (decoded.encoding != ECsvEncoding::Utf8) {
        decoded.text = std::move(bytes);
        return decoded;
    }
    const std::string_view utf8 = StripBom(bytes);
    CEncodeResult whole = codec.FromUtf8(utf8);
    if (whole.ok()) {
        decoded.text = std::move(whole.text);
        return decoded;
    }
    whole = {};
    FindUnencodable(utf8, options.quoting, codec, decoded);
    // A quote that never closes can hide the value from the walk; the text is then still made,
    // and the import stops at that quote.
    if (replace || decoded.unencodableValues == 0)
        decoded.text = ReplaceUnencodable(utf8, codec);
    return decoded;
}

std::string CCsvDecoder::Preview(std::string_view value, ECsvEncoding encoding,
                                 const CTextCodec& codec) {
    if (encoding == ECsvEncoding::Utf8)
        return codec.ToUtf8(ReplaceUnencodable(value, codec));
    return codec.ToUtf8(value);
}
