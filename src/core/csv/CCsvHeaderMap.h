#pragma once

#include "core/csv/CCsvOptions.h"

#include <string>
#include <string_view>
#include <vector>

// Knows the column names of the common address exports (web address books, mail programs,
// Japanese spreadsheets and the program's own labels) and which person field each column feeds,
// so that a file with a header line needs no column assigned by hand.
class CCsvHeaderMap {
public:
    CCsvHeaderMap() = delete;

    // For fields 0 to 10, the columns of the header (UTF-8 names) that feed them: a column that
    // holds the whole value, else the parts (a name's or an address's) in Japanese order.
    static CCsvColumnMap Map(const std::vector<std::string>& header);
    static bool HasAnyColumn(const CCsvColumnMap& map);
    // A first line is a header when no cell is digits only and some cell is a known name.
    static bool LooksLikeHeader(const std::vector<std::string>& cells);
    // Quoted fields that hold a comma or a line break, or doubled quotes: only RFC 4180 reads
    // them as meant. Looks at the text's beginning.
    static bool HasRfcQuoting(std::string_view text);
};
