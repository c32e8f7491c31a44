#include "core/commands/CDeleteGroupAndMembersCommand.h"

#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/model/CGroup.h"

CDeleteGroupAndMembersCommand::CDeleteGroupAndMembersCommand(CGroup* group) {
    AddCommand(std::make_unique<CDeleteGroupCommand>(group));
    for (CPersonalData* person : group->m_memberList)
        AddCommand(std::make_unique<CDeletePersonalCommand>(person));
}
