#pragma once

#include "core/csv/CCsvOptions.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CTextCodec;

// A value whose characters code page 932 cannot hold: where it is and which they are.
struct CCsvUnencodable {
    std::size_t line = 0;
    std::string characters; // UTF-8, each once
};

// What automatic detection takes the bytes for. A UTF-8 file with a few bytes that are not
// UTF-8 is neither: strayByteLine then names the line of the first such byte.
struct CCsvDetection {
    ECsvEncoding encoding = ECsvEncoding::Cp932;
    std::size_t strayByteLine = 0;
};

// The text of a CSV file in code page 932, and what could not be converted.
struct CCsvDecoded {
    std::string text;
    ECsvEncoding encoding = ECsvEncoding::Cp932; // what the bytes were taken for
    std::size_t unencodableValues = 0;
    std::vector<CCsvUnencodable> examples; // the first few such values
    std::size_t strayByteLine = 0;         // see CCsvDetection; the text is then empty
};

// Turns the bytes of a CSV file into code page 932 text. Code page 932 bytes pass unchanged,
// invalid sequences included; UTF-8 is converted, and a character code page 932 lacks is either
// reported or, when the user agreed, replaced by the geta mark "〓".
class CCsvDecoder {
public:
    static constexpr std::size_t MAX_EXAMPLES = 5;
    static constexpr std::string_view GETA_CP932 = "\x81\xAC";

    CCsvDecoder() = delete;

    // A UTF-8 byte-order mark is UTF-8. Without one, valid UTF-8 is UTF-8 unless it holds no
    // Japanese character while its code page 932 reading is Japanese; bytes that are not UTF-8
    // make it code page 932, unless they are few beside Japanese UTF-8 (see CCsvDetection).
    static CCsvDetection Detect(std::string_view bytes);
    static ECsvEncoding Resolve(std::string_view bytes, ECsvEncoding chosen) {
        return chosen == ECsvEncoding::Auto ? Detect(bytes).encoding : chosen;
    }
    // The 1-based line of the byte at `pos`; CR LF, LF and a lone CR each end a line.
    static std::size_t LineAt(std::string_view bytes, std::size_t pos);
    static std::string_view StripBom(std::string_view bytes);
    // The 1-based line of the first NUL byte: such a file is no text.
    static std::optional<std::size_t> FindNul(std::string_view bytes);

    // Without `replace` the text is complete only when no value is unencodable. Code page 932
    // bytes become the text as they are, so `bytes` is taken then and only then; whenever the
    // result is a failure (a stray byte, an unencodable value) `bytes` is left as it was, for
    // a second try.
    static CCsvDecoded Decode(std::string& bytes, const CCsvOptions& options, bool replace,
                              const CTextCodec& codec);
    // One value for display, as the import would store it, in UTF-8.
    static std::string Preview(std::string_view value, ECsvEncoding encoding,
                               const CTextCodec& codec);
    // UTF-8 to code page 932 with "〓" for every character it lacks.
    static std::string ReplaceUnencodable(std::string_view utf8, const CTextCodec& codec);
};
