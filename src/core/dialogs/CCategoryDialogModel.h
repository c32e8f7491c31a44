#pragma once

#include "core/dialogs/CPickListPair.h"
#include "core/dialogs/EOkOutcome.h"
#include "core/text/CTextCodec.h"

#include <string>
#include <string_view>
#include <vector>

class CAddressDoc;
class CGroup;
class CPersonalData;
class CUserInterface;

// What the group dialog decides: the name, the members and non-members in kana order, and the
// refusal of a name another group has. On OK it yields a new group record; the caller builds
// the command, so the dialog serves the new-group command, the change of a group and the person
// dialog's new groups alike.
class CCategoryDialogModel {
public:
    // A new group. persons and groups are the lists the caller works with: the document's, or
    // the person dialog's copies that already hold the groups made in it.
    CCategoryDialogModel(CUserInterface& ui, std::vector<CPersonalData*> persons,
                         std::vector<CGroup*> groups);
    // Editing group, which stays as it is: MakeGroup builds a new record.
    CCategoryDialogModel(CUserInterface& ui, std::vector<CPersonalData*> persons,
                         std::vector<CGroup*> groups, const CGroup& group);
    CCategoryDialogModel(const CCategoryDialogModel&) = delete;
    CCategoryDialogModel& operator=(const CCategoryDialogModel&) = delete;
    ~CCategoryDialogModel() = default;

    bool IsNew() const { return m_pGroup == nullptr; }
    std::string GetTitle() const;
    CUserInterface& GetUserInterface() const { return m_ui; }

    const std::string& GetName() const { return m_strName; }
    void SetName(std::string name) { m_strName = std::move(name); }
    static bool IsOkEnabled(std::string_view name) { return !name.empty(); }

    CPickListPair<CPersonalData>& GetPersonLists() { return m_lists; }
    const CPickListPair<CPersonalData>& GetPersonLists() const { return m_lists; }
    // "%d人": the number of members.
    std::string GetCountText() const;

    // Refuses a name another group already has; on Close the members become the persons.
    EOkOutcome OnOk();
    const std::vector<CPersonalData*>& GetPersons() const { return m_persons; }
    // After OK: a record outside the document holding the members in kana order; the add-group
    // command links them.
    CGroup* MakeGroup(CAddressDoc& doc) const;

private:
    CCategoryDialogModel(CUserInterface& ui, std::vector<CPersonalData*> persons,
                         std::vector<CGroup*> groups, const CGroup* group);
    bool IsNameTaken() const;

    CUserInterface& m_ui;
    CTextCodec m_codec;
    const CGroup* m_pGroup;
    std::vector<CPersonalData*> m_persons;
    std::vector<CGroup*> m_groups;
    std::string m_strName;
    CPickListPair<CPersonalData> m_lists;
};
