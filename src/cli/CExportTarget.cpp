#include "cli/CExportTarget.h"

#include "cli/CCliTexts.h"
#include "core/document/CDataFileReader.h"
#include "core/storage/CBookFiles.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CFileStamp.h"
#include "core/storage/CRecordVisitor.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

namespace fs = std::filesystem;

std::optional<std::string> CExportTarget::Refusal(const fs::path& book, const fs::path& output,
                                                  bool force) {
    if (CBookFiles::IsSideFile(book, output))
        return CBookFiles::Refusal(book, output);
    const std::optional<CFileStamp> target = CFileStamp::Of(output);
    if (!target)
        return std::nullopt;
    const std::optional<CFileStamp> source = CFileStamp::Of(book);
    if (source && source->device == target->device && source->inode == target->inode)
        return CTextFormat::Format(CCliTexts::OUTPUT_IS_BOOK, {CTextEscape::Path(output)});
    if (!force && IsAddressBook(output))
        return CTextFormat::Format(CCliTexts::OUTPUT_IS_A_BOOK, {CTextEscape::Path(output)});
    return std::nullopt;
}

bool CExportTarget::IsAddressBook(const fs::path& path) {
    std::string bytes;
    if (!CFileReader::Read(path, bytes).ok)
        return false;
    CRecordVisitor checkOnly;
    return !CDataFileReader::Visit(bytes, checkOnly);
}
