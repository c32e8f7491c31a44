#pragma once

#include "core/duplicates/CDuplicateFinder.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

class CPersonalData;
class CProfile;

// The pairs of persons the user said are not one person, kept in the settings so that they are
// not offered again, in this book or after the program restarts.
class CNotDuplicatePairs {
public:
    // Without a profile the pairs last as long as this object.
    explicit CNotDuplicatePairs(CProfile* profile);

    // What names a person across saves and restarts: its UID.
    static std::string PersonKey(const CPersonalData& person);

    // Remembers the pair and writes the settings; false when they could not be written.
    bool Add(const CPersonalData& a, const CPersonalData& b);
    // The remembered pairs among `persons`, by their positions, as the finder takes them.
    std::vector<CDuplicateFinder::CPair>
    Among(const std::vector<const CPersonalData*>& persons) const;

private:
    using CKeyPair = std::pair<std::string, std::string>; // the smaller key first

    static CKeyPair KeysOf(const CPersonalData& a, const CPersonalData& b);
    void Load();

    CProfile* m_pProfile;
    std::set<CKeyPair> m_pairs;
};
