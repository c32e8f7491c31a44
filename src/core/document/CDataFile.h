#pragma once

#include "core/storage/CFileResult.h"
#include "core/storage/CFileStamp.h"
#include "core/storage/CReadError.h"

#include <filesystem>
#include <functional>
#include <string>

class CAddressDoc;

// The file operations of a save, in the order they happen.
enum class ESaveStep { Backup, Identities, Book };

// Opening and saving an address book: the document's side of the data file.
class CDataFile {
public:
    CDataFile() = delete;

    // Replaces the document's contents with the file's, leaving no undo history; the views
    // build themselves from the whole book. A file that cannot be read leaves the
    // document as it was; a damaged one leaves it empty. A load that succeeded with something
    // to tell (the persons' UIDs were damaged) says it in the result's `warning`. `stamp`, when
    // given, receives the version of the file that was read.
    static CFileResult Load(CAddressDoc& doc, const std::filesystem::path& path,
                            CFileStamp* stamp = nullptr);

    // For tools that look at a file without a document: its whole bytes, or why not. Only a
    // regular file is read.
    static CFileResult ReadBytes(const std::filesystem::path& path, std::string& bytes);
    // What the user is told about a file whose bytes are no address book.
    static CFileResult Damaged(const std::filesystem::path& path, const CReadError& error);

    // Keeps the old file as path + ".bak" and replaces it in one step: after a failure the
    // previous file is intact and the document stays modified. `stamp`, when given, receives
    // the version of the file that was written. `madeFrom` names the file the book was made
    // from, whose permissions the new file does not exceed.
    // `afterStep`, when given, is called after each file operation; a test stops the save
    // there by throwing, as a crash would.
    using CSaveStepHook = std::function<void(ESaveStep)>;
    static CFileResult Save(CAddressDoc& doc, const std::filesystem::path& path,
                            CFileStamp* stamp = nullptr, const std::filesystem::path& madeFrom = {},
                            const CSaveStepHook& afterStep = {});
};
