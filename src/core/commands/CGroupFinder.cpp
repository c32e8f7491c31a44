#include "core/commands/CGroupFinder.h"

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/document/CAddressDoc.h"

#include <algorithm>
#include <unordered_set>

CGroupFinder::CGroupFinder(CAddressDoc& doc, CCommandGroup& composite, std::size_t& created)
    : m_doc(doc), m_composite(composite), m_nCreated(created) {
    for (CGroup* group : doc.GetGroupList()) {
        if (group->m_nSerial != CGroup::GROUP_TRANSIENT)
            m_groups.emplace(group->m_strGroupName.Str(), group);
    }
}

CGroup* CGroupFinder::Get(const std::string& name) {
    if (const auto found = m_groups.find(name); found != m_groups.end())
        return found->second;
    CGroup* group = m_doc.NewGroup(name);
    m_composite.AddCommand(std::make_unique<CAddGroupCommand>(group, false));
    ++m_nCreated;
    m_groups.emplace(name, group);
    return group;
}

void CGroupFinder::JoinAll(CPersonalData& person, const std::vector<std::string>& names) {
    std::unordered_set<const CGroup*> joined(person.m_groupList.begin(), person.m_groupList.end());
    for (const std::string& name : names) {
        CGroup* group = Get(name);
        if (joined.insert(group).second)
            person.m_groupList.push_back(group);
    }
}

void CGroupFinder::Join(CPersonalData& person, CGroup* group) {
    if (std::find(person.m_groupList.begin(), person.m_groupList.end(), group) ==
        person.m_groupList.end())
        person.m_groupList.push_back(group);
}
