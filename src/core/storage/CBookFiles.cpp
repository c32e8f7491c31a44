#include "core/storage/CBookFiles.h"

#include "core/storage/CFileStamp.h"
#include "core/storage/CStorageTexts.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

namespace fs = std::filesystem;

namespace {
bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error) && !error)
        return true;
    const std::optional<CFileStamp> first = CFileStamp::Of(a);
    const std::optional<CFileStamp> second = CFileStamp::Of(b);
    return first && second && first->device == second->device && first->inode == second->inode;
}
} // namespace

bool CBookFiles::BelongTo(const fs::path& book, const fs::path& output) {
    return !book.empty() && (SameFile(book, output) || IsSideFile(book, output));
}

bool CBookFiles::IsSideFile(const fs::path& book, const fs::path& output) {
    if (book.empty())
        return false;
    for (const std::string_view suffix : SIDE_SUFFIXES) {
        fs::path side = book;
        side += suffix;
        if (SameFile(side, output))
            return true;
    }
    return false;
}

std::optional<std::string> CBookFiles::Refusal(const fs::path& book, const fs::path& output) {
    if (!BelongTo(book, output))
        return std::nullopt;
    return CTextFormat::Format(CStorageTexts::OUTPUT_BELONGS_TO_BOOK,
                               {CTextEscape::Path(output), CTextEscape::Path(book)});
}
