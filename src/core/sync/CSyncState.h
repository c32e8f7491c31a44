#pragma once

#include "core/storage/CFileResult.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// What the last sync left of one person: where its card is, the card's ETag and the digest of
// the person's card as it was then.
struct CSyncEntry {
    std::string href;
    std::string etag;
    std::string digest;
    friend bool operator==(const CSyncEntry&, const CSyncEntry&) = default;
};

// What a book remembers of its server between syncs, kept beside it as NAME.sync. A text file
// in UTF-8, lines ending in LF:
//
//     tarnvale-sync 1
//     url <the URL the user gave>
//     collection <the address book it led to>
//     token <the last sync token, or nothing>
//     <uid> TAB <digest> TAB <etag> TAB <href>        one line per synced person
//
// A file that breaks any of this counts as none: the next sync is a first one, which matches
// persons by UID and so duplicates nobody.
class CSyncState {
public:
    // "X.adr" gives "X.adr.sync".
    static std::filesystem::path PathFor(const std::filesystem::path& book);
    static CSyncState Parse(std::string_view bytes);
    std::string Encode() const;
    // A missing or unreadable file gives an empty state.
    static CSyncState Load(const std::filesystem::path& book);
    // Written with the book's permissions: the file names the server and the user's persons.
    CFileResult Save(const std::filesystem::path& book) const;

    friend bool operator==(const CSyncState&, const CSyncState&) = default;

    std::string m_strUrl;
    std::string m_strCollection;
    std::string m_strToken;
    std::map<std::string, CSyncEntry> m_entries; // by UID text
};
