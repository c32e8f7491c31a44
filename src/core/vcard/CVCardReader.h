#pragma once

#include "core/vcard/CVCardProperty.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What reading a vCard file gave: every card, or what is wrong and on which line. A file that
// is wrong gives no cards at all, so an import never adds half of it.
struct CVCardReadResult {
    std::vector<CVCard> cards;
    std::string error; // UTF-8, empty when the file was read
    std::size_t errorLine = 0;
    // The error is bytes that are no text: reading again may replace them, if the user agrees.
    bool badBytes = false;
    std::string replaceQuestion; // UTF-8
    std::size_t replacedBytes = 0;
    // Lines inside cards that are no property (no colon): skipped, and told in the summary.
    std::size_t malformedLines = 0;
    std::size_t firstMalformedLine = 0;
};

// Reads vCard 2.1, 3.0 and 4.0 text into cards: line ends of any kind, a UTF-8 byte-order mark,
// folded lines (2.1 keeps the blank that starts a continuation, later versions drop it),
// quoted-printable values with soft line breaks, CHARSET parameters, and names and parameters
// in any case. Values stay escaped; Unescape and Split undo that for each kind of value.
class CVCardReader {
public:
    CVCardReader() = delete;

    // Bytes that are no text in the value's charset refuse the file, unless `replaceBadBytes`
    // makes each a "〓". Inline data is left out unless `keepBinary`: an import has no use for
    // it, a card that goes back to its server must keep it.
    static CVCardReadResult Read(std::string_view bytes, bool replaceBadBytes = false,
                                 bool keepBinary = false);

    // "\n" and "\N" become a line break, "\," "\;" "\:" and "\\" the character itself.
    static std::string Unescape(std::string_view value);
    // The parts between unescaped `separator`s, each unescaped.
    static std::vector<std::string> Split(std::string_view value, char separator);
};
