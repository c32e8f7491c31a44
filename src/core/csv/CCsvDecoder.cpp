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

bool IsValidUtf8WithNonAscii(std::string_view text) {
    bool nonAscii = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = SequenceLength(text, pos);
        if (length == 1)
            return false;
        nonAscii = true;
        pos += length;
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

ECsvEncoding CCsvDecoder::Detect(std::string_view bytes) {
    if (bytes.starts_with(UTF8_BOM) || IsValidUtf8WithNonAscii(bytes))
        return ECsvEncoding::Utf8;
    return ECsvEncoding::Cp932;
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
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + nul, '\n')) + 1;
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

CCsvDecoded CCsvDecoder::Decode(std::string&& bytes, const CCsvOptions& options, bool replace,
                                const CTextCodec& codec) {
    CCsvDecoded decoded;
    decoded.encoding = Resolve(bytes, options.encoding);
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
