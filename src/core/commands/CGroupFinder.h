#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

class CAddressDoc;
class CCommandGroup;
class CGroup;
class CPersonalData;

// Finds the book's groups by name (CP932) and makes the missing ones as part of a composite,
// counting them: what an import or a sync needs for the group names a card carries.
class CGroupFinder {
public:
    CGroupFinder(CAddressDoc& doc, CCommandGroup& composite, std::size_t& created);

    CGroup* Get(const std::string& name);
    // Puts the group in a person's list, once; for a person not yet in the document.
    static void Join(CPersonalData& person, CGroup* group);
    // The groups of these names, each once, in a time linear in their number: a card may name
    // hundreds of thousands.
    void JoinAll(CPersonalData& person, const std::vector<std::string>& names);

private:
    CAddressDoc& m_doc;
    CCommandGroup& m_composite;
    std::size_t& m_nCreated;
    std::map<std::string, CGroup*> m_groups;
};
