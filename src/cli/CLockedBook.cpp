#include "cli/CLockedBook.h"

#include "cli/CCliArguments.h"
#include "core/document/CDataFile.h"
#include "core/storage/CStorageTexts.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

CFileResult CLockedBook::Load(CAddressDoc& doc) {
    CFileStamp stamp;
    CFileResult loaded = CDataFile::Load(doc, m_path, &stamp);
    if (loaded.ok)
        m_readStamp = stamp;
    CCliArguments::Warn(loaded.warning);
    return loaded;
}

CFileResult CLockedBook::LoadUnlocked(CAddressDoc& doc, const std::filesystem::path& path) {
    CFileResult loaded = CDataFile::Load(doc, path);
    CCliArguments::Warn(loaded.warning);
    return loaded;
}

CFileResult CLockedBook::Save(CAddressDoc& doc, const std::filesystem::path& madeFrom) {
    if (m_readStamp && CFileStamp::Of(m_path) != m_readStamp)
        return {false,
                CTextFormat::Format(CStorageTexts::CHANGED_SINCE_READ, {CTextEscape::Path(m_path)}),
                0, EFileFailure::Other};
    return CDataFile::Save(doc, m_path, nullptr, madeFrom);
}
