#pragma once

#include "core/storage/CFileResult.h"
#include "core/sync/CSyncState.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// The last card fetched from the server or sent to it for each synced person, kept beside the
// book as NAME.cards, so that a person changed here goes back as that card with only the
// changed texts replaced and another program's properties survive. A binary-safe file:
//
//     tarnvale-cards 1 LF
//     <UID bytes> SP <card bytes> LF <UID> <card>          one record per person
//
// A damaged file counts as none (the export goes up instead); a symbolic link in its place is
// never followed, and the file is written for its owner alone.
class CSyncCardStore {
public:
    // "X.adr" gives "X.adr.cards".
    static std::filesystem::path PathFor(const std::filesystem::path& book);
    static CSyncCardStore Parse(std::string_view bytes);
    std::string Encode() const;
    static CFileResult Load(const std::filesystem::path& book, CSyncCardStore& store);
    CFileResult Save(const std::filesystem::path& book) const;

    const std::string* Find(const std::string& uid) const;
    void Put(const std::string& uid, std::string card);
    // Only the cards of persons the state still knows stay.
    void Keep(const std::map<std::string, CSyncEntry>& entries);
    // Whether anything changed since it was loaded, so that a quiet sync writes nothing.
    bool IsChanged() const { return m_bChanged; }
    std::size_t GetCount() const { return m_cards.size(); }

private:
    std::map<std::string, std::string> m_cards; // by UID text
    bool m_bChanged = false;
};
