#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CGroup;
class CGroupList;
class CPersonList;
class CPersonalData;

// Records in the order the tree shows them under one item: by name, equal names in the order
// they came. Put in that order, each item lands after its siblings and no insertion moves the
// others.
class CNameOrder {
public:
    CNameOrder() = delete;

    // With `firstFour`, also each name's first four characters as CTreeControl::TextPrefix
    // packs them, in the same order.
    static std::vector<CPersonalData*> Of(const CPersonList& persons,
                                          std::vector<std::uint64_t>* firstFour = nullptr);
    static std::vector<CGroup*> Of(const CGroupList& groups);
    // In name order the records lie scattered in memory: a walk through them asks for each a
    // few persons ahead of `at`, and for its groups and name once it has come.
    static void FetchAhead(const std::vector<CPersonalData*>& persons, std::size_t at);
};
