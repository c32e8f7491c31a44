#pragma once

#include <optional>
#include <string>
#include <string_view>

class CTextCodec;

// A card sent back for a person changed here: the card the server had, with only the texts
// that changed replaced, so that whatever the book cannot hold (a photo, a birthday, the types
// of a telephone or an address, another program's own properties) goes back as it came. The
// texts are compared as the book holds them (code page 932), so that a character the book
// cannot hold does not count as a change.
class CVCardPatch {
public:
    CVCardPatch() = delete;

    // `base`: the card as it was last fetched or sent; `fresh`: the export of the person now.
    // Nothing when the base is not one card of version 3.0 or 4.0 (the export goes up then).
    static std::optional<std::string> Apply(std::string_view base, std::string_view fresh,
                                            const CTextCodec& codec);
};
