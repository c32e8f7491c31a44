#include "core/document/CDataFile.h"

#include "core/document/CAddressDoc.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CDataFileWriter.h"
#include "core/document/CIdentityFile.h"
#include "core/storage/CBookFiles.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/storage/CStorageTexts.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <new>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
CFileResult Failure(std::string message, std::size_t offset = 0,
                    EFileFailure failure = EFileFailure::Other) {
    return {false, std::move(message), offset, failure};
}

CFileResult OutOfMemory(const fs::path& path) {
    return Failure(CTextFormat::Format(CStorageTexts::CANNOT_READ,
                                       {CTextEscape::Path(path), CStorageTexts::OUT_OF_MEMORY}),
                   0, EFileFailure::OutOfMemory);
}

// The persons come with their groups; adding a person makes it a member of each.
void InsertRecords(CAddressDoc& doc, const CReadResult& records) {
    for (CGroup* group : records.groups)
        doc.AddGroup(group);
    for (CPersonalData* person : records.persons)
        doc.AddPerson(person);
}

// The backup is a courtesy: failing to make it does not stop the save. It is written like the
// save itself, so a full disk cannot leave a truncated backup in place of a good one, and a
// backup that is a link is replaced rather than written through.
void MakeBackup(const fs::path& path, std::string_view old) {
    if (old.empty())
        return;
    fs::path backup = path;
    backup += ".bak";
    CSafeFileWriter::Write(backup, old, ELinkRule::Replace, nullptr, path);
}
void Reached(const CDataFile::CSaveStepHook& afterStep, ESaveStep step) {
    if (afterStep)
        afterStep(step);
}
} // namespace

CFileResult CDataFile::Load(CAddressDoc& doc, const fs::path& path, CFileStamp* stamp) {
    std::string warning;
    try {
        // The file's bytes and the reader's lists are gone before the views build themselves
        // from the whole book at once, which is when a load needs the most memory.
        {
            std::string bytes;
            if (CFileResult read = CFileReader::Read(path, bytes, CFileReader::NO_LIMIT, stamp);
                !read.ok)
                return read;
            doc.DeleteContents();
            const CReadResult records = CDataFileReader::Read(bytes, doc);
            if (!records.ok) {
                doc.DeleteContents();
                doc.SetModifiedFlag(false);
                return Damaged(path, {records.message, records.offset});
            }
            warning = CIdentityFile::Restore(path, bytes, records.persons);
            InsertRecords(doc, records);
        }
        doc.UpdateAllViews(nullptr, EHint::Loaded);
    } catch (const std::bad_alloc&) {
        doc.DeleteContents();
        doc.SetModifiedFlag(false);
        return OutOfMemory(path);
    } catch (const std::length_error&) {
        doc.DeleteContents();
        doc.SetModifiedFlag(false);
        return OutOfMemory(path);
    }
    doc.SetModifiedFlag(false);
    CFileResult loaded{true, {}, 0};
    loaded.warning = std::move(warning);
    return loaded;
}

CFileResult CDataFile::ReadBytes(const fs::path& path, std::string& bytes) {
    return CFileReader::Read(path, bytes);
}

CFileResult CDataFile::Damaged(const fs::path& path, const CReadError& error) {
    return Failure(
        CTextFormat::Format(CStorageTexts::NOT_AN_ADDRESS_BOOK,
                            {CTextEscape::Path(path), std::to_string(error.offset), error.message}),
        error.offset);
}

CFileResult CDataFile::Save(CAddressDoc& doc, const fs::path& path, CFileStamp* stamp,
                            const fs::path& madeFrom, const CSaveStepHook& afterStep) {
    std::string bytes;
    try {
        bytes = CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList());
    } catch (const std::exception&) {
        return Failure(CTextFormat::Format(CStorageTexts::CANNOT_SAVE,
                                           {CTextEscape::Path(path), CStorageTexts::OUT_OF_MEMORY}),
                       0, EFileFailure::OutOfMemory);
    }
    // A file that may not be replaced keeps its backup as it is, too.
    if (CFileResult refused = CSafeFileWriter::Check(path); !refused.ok)
        return refused;
    if (CBookFiles::IsSideFile(madeFrom, path))
        return Failure(*CBookFiles::Refusal(madeFrom, path));
    std::string old;
    if (!CFileReader::Read(path, old).ok)
        old.clear();
    MakeBackup(path, old);
    Reached(afterStep, ESaveStep::Backup);
    // The UIDs go first, for the book on disk and the one replacing it: a save cut short
    // anywhere leaves a book whose UIDs are found. The book is saved even when its UIDs cannot
    // be: they are matched by texts next time.
    CIdentityFile::Save(path, bytes, doc.GetPersonList(), old);
    Reached(afterStep, ESaveStep::Identities);
    CFileResult result =
        CSafeFileWriter::Write(path, bytes, ELinkRule::WriteThrough, stamp, {}, madeFrom);
    if (result.ok) {
        Reached(afterStep, ESaveStep::Book);
        doc.SetModifiedFlag(false);
        doc.SetStatusText(CStorageTexts::SAVED);
    }
    return result;
}
