#pragma once

#include <vector>

// How the bytes of a CSV file are text: as they are (code page 932), UTF-8, or whichever of the
// two the bytes look like.
enum class ECsvEncoding : int { Auto = 0, Cp932 = 1, Utf8 = 2 };

// Where imported persons go: into a new book, or into the one that is open. The import dialog's
// radio group has always counted them so.
enum class ECsvTarget : int { NewFile = 0, OpenFile = 1 };

// Which persons an export writes. The export dialog's radio group has always counted them so.
enum class ECsvScope : int { All = 0, Selected = 1, Group = 2 };

// How quotes are read: the program's own rule (only the outer pair of a field goes, a comma
// always separates) or RFC 4180 (quoted fields hold commas, line breaks and doubled quotes).
enum class ECsvQuoting : int { Plain = 0, Rfc4180 = 1 };

// The choices an import makes about a file from elsewhere; the defaults read the program's own
// files exactly as before.
struct CCsvOptions {
    ECsvEncoding encoding = ECsvEncoding::Auto;
    bool header = false; // the first line only names the columns
    ECsvQuoting quoting = ECsvQuoting::Plain;

    bool operator==(const CCsvOptions&) const = default;
};

// For each target field in order, the file columns (0-based) that feed it; several are joined by
// one blank, none leaves the field empty.
using CCsvColumnMap = std::vector<std::vector<int>>;
