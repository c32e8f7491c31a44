#pragma once

#include "core/dialogs/CPickListPair.h"
#include "core/dialogs/EOkOutcome.h"
#include "core/text/CTextCodec.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CAddressDoc;
class CCommand;
class CGroup;
class CUserInterface;

// What the unite dialog decides: which groups are united, under which name, and whether to ask
// about a name that one of the remaining groups has.
class CUniteGroupModel {
public:
    CUniteGroupModel(CUserInterface& ui, const std::vector<CGroup*>& groups);
    CUniteGroupModel(const CUniteGroupModel&) = delete;
    CUniteGroupModel& operator=(const CUniteGroupModel&) = delete;
    ~CUniteGroupModel() = default;

    std::string GetTitle() const;
    CUserInterface& GetUserInterface() const { return m_ui; }

    const std::string& GetName() const { return m_strName; }
    void SetName(std::string name) { m_strName = std::move(name); }
    static bool IsOkEnabled(std::string_view name) { return !name.empty(); }

    // Members: the groups to unite; others: the groups that stay.
    CPickListPair<CGroup>& GetGroupLists() { return m_lists; }
    const CPickListPair<CGroup>& GetGroupLists() const { return m_lists; }

    // Asks before the united group takes the name of a group that stays; a united group's name
    // is free, as that group goes.
    EOkOutcome OnOk();
    // After OK: the groups to unite, sorted by name as the list shows them.
    const std::vector<CGroup*>& GetChosen() const { return m_chosen; }
    std::unique_ptr<CCommand> MakeCommand(CAddressDoc& doc) const;

private:
    bool IsNameOfRemainingGroup() const;

    CUserInterface& m_ui;
    CTextCodec m_codec;
    std::string m_strName;
    std::vector<CGroup*> m_chosen;
    CPickListPair<CGroup> m_lists;
};
