#pragma once

#include "core/views/CListContextState.h"
#include "core/views/CTreeContextState.h"

#include <vector>

// Turns what a pane says about the entries of its context menu into the command ids to grey;
// the others keep what the command's own update rule says.
class CContextMenuRules {
public:
    static std::vector<int> GetGreyedIds(const CTreeContextState& state);
    static std::vector<int> GetGreyedIds(const CListContextState& state);
};
