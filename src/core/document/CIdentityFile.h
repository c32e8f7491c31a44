#pragma once

#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/model/CUid.h"
#include "core/storage/CFileResult.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How a book's persons got their UIDs back.
enum class EIdentityOutcome {
    Exact,   // the ids file was written with this very book
    ByTexts, // it describes another version of the book; persons recognised by their texts
    Damaged, // it is damaged; persons recognised by the lines that could still be read
    Missing, // there is none (or it is no ids file at all)
};

// The UIDs of a book's persons in file order, and how they were found.
struct CIdentities {
    std::vector<CUid> uids;
    EIdentityOutcome outcome = EIdentityOutcome::Missing;
    std::size_t recognised = 0; // persons that got a remembered UID
};

// The UIDs of a book's persons, which the data file has no room for, kept beside it as
// NAME.ids. A text file in UTF-8, lines ending in LF:
//
//     tarnvale-ids 3
//     book <SHA-1 of the book's bytes, 40 lowercase hex digits>
//     <record key> <check> <uid>     one line per person, in the book's stored order
//     book <SHA-1 of the book this save replaced>
//     <record key> <check> <uid>     ...
//
// The ids file is written before the book, and holds the UIDs of both the book about to be
// written and the one it replaces, so a save cut short at any point leaves a book whose UIDs
// are found by position. The record key is 16 hex digits of a 64-bit hash of the person's
// thirteen texts, so a book changed by another program still gives back the UIDs of the
// persons it left alone; the check is 8 hex digits of a hash of the UID, so a damaged line is
// recognised and skipped rather than giving someone a wrong UID. The UID is any text without a
// control character, as a card brought it.
//
// Versions 1 and 2 ("<uuid> <record key>", one book) are still read; version 1 hashed bytes one
// by one (FNV-1a), later versions eight bytes at a step. The UIDs are a convenience and never
// stop a book from opening.
class CIdentityFile {
public:
    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;

    CIdentityFile() = delete;

    // "X.adr" gives "X.adr.ids".
    static std::filesystem::path PathFor(const std::filesystem::path& book);

    // The file for `persons`, saved as `bookBytes`; the section of `previousIds` that describes
    // `replacedBytes` (the book on disk) is kept after it.
    static std::string Encode(std::string_view bookBytes, const CPersonList& persons,
                              std::string_view previousIds = {},
                              std::string_view replacedBytes = {});
    // The UIDs of the persons read from `bookBytes`: by position from the section written with
    // these very bytes; else a person whose texts some remembered record had gets its UID
    // (each UID once); any other person gets one derived from the book's digest and its
    // position, so that two readings of one file agree.
    static CIdentities Resolve(std::string_view idsBytes, std::string_view bookBytes,
                               const std::vector<CTexts>& persons);
    // The same for `count` persons whose texts `textsOf` gives when they are needed.
    static CIdentities Resolve(std::string_view idsBytes, std::string_view bookBytes,
                               std::size_t count,
                               const std::function<CTexts(std::size_t)>& textsOf);

    // Gives the persons just read from `bookBytes` their UIDs from the file beside `book`; a
    // warning for the user when that file was damaged, else nothing.
    static std::string Restore(const std::filesystem::path& book, std::string_view bookBytes,
                               const std::vector<CPersonalData*>& persons);
    // The UIDs for a book read without a document; as Restore.
    static CIdentities Read(const std::filesystem::path& book, std::string_view bookBytes,
                            const std::vector<CTexts>& persons);
    // What the user is told about a damaged ids file; empty for any other outcome.
    static std::string Warning(const std::filesystem::path& book, const CIdentities& identities);
    // Written before the book `bookBytes` replaces `replacedBytes` on disk, with the book's
    // permissions.
    static CFileResult Save(const std::filesystem::path& book, std::string_view bookBytes,
                            const CPersonList& persons, std::string_view replacedBytes);

    static CTexts TextsOf(const CPersonalData& person);
};
