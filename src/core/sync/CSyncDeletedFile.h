#pragma once

#include "core/storage/CFileResult.h"

#include <filesystem>
#include <string_view>

// The persons a sync deleted here because they were deleted on the server, kept beside the book
// as NAME.deleted.vcf: the deleted folder lasts only until the book is saved, the cards until
// the user imports them back.
class CSyncDeletedFile {
public:
    CSyncDeletedFile() = delete;

    // "X.adr" gives "X.adr.deleted.vcf".
    static std::filesystem::path PathFor(const std::filesystem::path& book);
    // The cards after those the file holds already, written for the owner alone; whatever else
    // stands at the name (a symbolic link among them) is replaced, never followed.
    static CFileResult Append(const std::filesystem::path& book, std::string_view cards);
};
