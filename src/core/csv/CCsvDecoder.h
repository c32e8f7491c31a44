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

// The text of a CSV file in code page 932, and what could not be converted.
struct CCsvDecoded {
    std::string text;
    ECsvEncoding encoding = ECsvEncoding::Cp932; // what the bytes were taken for
    std::size_t unencodableValues = 0;
    std::vector<CCsvUnencodable> examples; // the first few such values
};

// Turns the bytes of a CSV file into code page 932 text. Code page 932 bytes pass unchanged,
// invalid sequences included; UTF-8 is converted, and a character code page 932 lacks is either
// reported or, when the user agreed, replaced by the geta mark "〓".
class CCsvDecoder {
public:
    static constexpr std::size_t MAX_EXAMPLES = 5;
    static constexpr std::string_view GETA_CP932 = "\x81\xAC";

    CCsvDecoder() = delete;

    // A UTF-8 byte-order mark, or valid UTF-8 that holds non-ASCII bytes, is UTF-8; everything
    // else is code page 932.
    static ECsvEncoding Detect(std::string_view bytes);
    static ECsvEncoding Resolve(std::string_view bytes, ECsvEncoding chosen) {
        return chosen == ECsvEncoding::Auto ? Detect(bytes) : chosen;
    }
    static std::string_view StripBom(std::string_view bytes);
    // The 1-based line of the first NUL byte: such a file is no text.
    static std::optional<std::size_t> FindNul(std::string_view bytes);

    // Without `replace` the text is complete only when no value is unencodable.
    static CCsvDecoded Decode(std::string&& bytes, const CCsvOptions& options, bool replace,
                              const CTextCodec& codec);
    // One value for display, as the import would store it, in UTF-8.
    static std::string Preview(std::string_view value, ECsvEncoding encoding,
                               const CTextCodec& codec);
    // UTF-8 to code page 932 with "〓" for every character it lacks.
    static std::string ReplaceUnencodable(std::string_view utf8, const CTextCodec& codec);
};
