#include "commands/CDeleteGroupAndMembersCommand.h"

#include "commands/CDeleteGroupCommand.h"
#include "commands/CDeletePersonalCommand.h"
#include "model/CGroup.h"

CDeleteGroupAndMembersCommand::CDeleteGroupAndMembersCommand(CGroup* group) {
    AddCommand(std::make_unique<CDeleteGroupCommand>(group));
    for (CPersonalData* person : group->m_memberList)
        AddCommand(std::make_unique<CDeletePersonalCommand>(person));
}
