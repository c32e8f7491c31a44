#pragma once

#include <array>
#include <set>
#include <string>
#include <string_view>

class CPersonalData;
class CVCardWriter;
struct CVCardPerson;

// What a person says, as one text that changes whenever the card sent for the person would:
// its thirteen texts, its sex and the names of its groups, but not its UID, so that a person
// whose UID was lost is still recognised by it, here and on the server. Made straight from the
// texts: a sync of a big book digests every person.
class CSyncDigest {
public:
    CSyncDigest() = delete;

    static std::string Of(const CPersonalData& person);
    // The same for a card read from the server (texts CP932).
    static std::string Of(const CVCardPerson& card);
    // Whether a digest a state file kept is of this kind; earlier syncs kept the digest of the
    // whole card, UID included.
    static bool IsCurrent(std::string_view digest);
    // What earlier syncs kept instead: the digest of the person's card without its REV, as
    // `writer` (made with the time 0) writes it.
    static std::string LegacyOf(const CPersonalData& person, CVCardWriter& writer);

    static std::set<std::string> GroupNames(const CPersonalData& person);
};
