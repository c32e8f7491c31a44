#include "cli/CLockedBook.h"

#include "cli/CCliArguments.h"
#include "core/document/CDataFile.h"
#include "core/storage/CStorageTexts.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>

namespace {
// A book that another run made and took away again meanwhile is looked for this often.
constexpr int CREATE_ATTEMPTS = 3;
} // namespace

CFileResult CLockedBook::LockOrCreate() {
    for (int attempt = 0; attempt < CREATE_ATTEMPTS; ++attempt) {
        const CFileHandle made(
            ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (made.IsOpen()) {
            m_bCreated = true;
            CFileResult locked = Lock();
            m_readStamp = CFileStamp::Of(m_path);
            return locked;
        }
        if (errno != EEXIST)
            return Lock(); // the save says why the book cannot be made
        CFileResult locked = Lock();
        std::error_code error;
        if (!locked.ok || std::filesystem::exists(m_path, error))
            return locked;
    }
    return Lock();
}

void CLockedBook::RemoveUnsaved() {
    std::error_code error;
    if (m_bCreated && m_readStamp && CFileStamp::Of(m_path) == m_readStamp &&
        std::filesystem::file_size(m_path, error) == 0)
        std::filesystem::remove(m_path, error);
    m_bCreated = false;
}

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
