#pragma once

#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/model/CUuid.h"
#include "core/storage/CFileResult.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The UIDs of a book's persons, which the data file has no room for, kept beside it as
// NAME.ids. A text file in UTF-8 (ASCII in fact), lines ending in LF:
//
//     tarnvale-ids 2
//     book <SHA-1 of the book's bytes, 40 lowercase hex digits>
//     <uid> <record key>          one line per person, in the book's stored order
//
// The record key is 16 hex digits of a 64-bit hash of the person's thirteen texts, so a book
// changed by another program still gives back the UIDs of the persons it left alone. Version 2
// hashes eight bytes at a step; version 1, which is still read, hashed bytes one by one (FNV-1a).
// A file that breaks any of this is ignored as a whole: the UIDs are a convenience and never
// stop a book from opening.
class CIdentityFile {
public:
    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;

    CIdentityFile() = delete;

    // "X.adr" gives "X.adr.ids".
    static std::filesystem::path PathFor(const std::filesystem::path& book);

    static std::string Encode(std::string_view bookBytes, const CPersonList& persons);
    // The UIDs of the persons read from `bookBytes`, in file order: by position when the ids
    // file was written with these very bytes; else a person whose texts some remembered record
    // had gets its UID (each UID once); any other person gets one derived from the book's
    // digest and its position, so that two readings of one file agree.
    static std::vector<CUuid> Resolve(std::string_view idsBytes, std::string_view bookBytes,
                                      const std::vector<CTexts>& persons);
    // The same for `count` persons whose texts `textsOf` gives when they are needed.
    static std::vector<CUuid> Resolve(std::string_view idsBytes, std::string_view bookBytes,
                                      std::size_t count,
                                      const std::function<CTexts(std::size_t)>& textsOf);

    // Gives the persons just read from `bookBytes` their UIDs from the file beside `book`.
    static void Restore(const std::filesystem::path& book, std::string_view bookBytes,
                        const std::vector<CPersonalData*>& persons);
    // The UIDs for a book read without a document; as Restore.
    static std::vector<CUuid> Read(const std::filesystem::path& book, std::string_view bookBytes,
                                   const std::vector<CTexts>& persons);
    // Written after the book itself, with the book's permissions.
    static CFileResult Save(const std::filesystem::path& book, std::string_view bookBytes,
                            const CPersonList& persons);

    static CTexts TextsOf(const CPersonalData& person);
};
