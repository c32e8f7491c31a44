#pragma once

#include "core/commands/CCommandGroup.h"
#include "core/commands/CUndoTexts.h"

class CGroup;

// Deletes a group and sends every one of its members to the deleted persons.
class CDeleteGroupAndMembersCommand : public CCommandGroup {
public:
    explicit CDeleteGroupAndMembersCommand(CGroup* group);
    std::string GetName() const override { return CUndoTexts::DELETE_GROUP_AND_MEMBERS; }
};
