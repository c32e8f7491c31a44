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
//     tarnvale-sync 2
//     url <the URL the user gave, without user or password>
//     collection <the address book it led to>
//     token <the last sync token, or nothing>
//     <uid> TAB <digest> TAB <etag> TAB <href>        one line per synced person
//
// Every value has its backslashes doubled and its control characters (tabs and line breaks
// among them) written as \xHH, so that whatever a server or a card put in a token, an ETag, an
// href or a UID comes back as it was. Files of version 1, whose values were written as they
// were, are still read. A file that breaks any of this counts as none: the next sync is a first
// one, which matches persons by UID and so duplicates nobody.
class CSyncState {
public:
    // "X.adr" gives "X.adr.sync".
    static std::filesystem::path PathFor(const std::filesystem::path& book);
    static CSyncState Parse(std::string_view bytes);
    std::string Encode() const;
    // A missing, unreadable or damaged file gives an empty state, and so does a symbolic link
    // in its place, which is never followed. A file that group or others may write is refused:
    // whoever could change it could send the password to a server of theirs.
    static CFileResult Load(const std::filesystem::path& book, CSyncState& state);
    // Written for its owner alone (the file names the server and the user's persons), replacing
    // whatever stands at its name.
    CFileResult Save(const std::filesystem::path& book) const;
    bool IsEmpty() const { return m_strCollection.empty() && m_entries.empty(); }

    friend bool operator==(const CSyncState&, const CSyncState&) = default;

    std::string m_strUrl;
    std::string m_strCollection;
    std::string m_strToken;
    std::map<std::string, CSyncEntry> m_entries; // by UID text
};
