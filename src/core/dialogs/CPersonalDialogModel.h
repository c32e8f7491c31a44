#pragma once

#include "core/dialogs/CPickListPair.h"
#include "core/dialogs/EOkOutcome.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CAddressDoc;
class CCommandGroup;
class CEditDialogs;
class CGroup;
class CUserInterface;

// The control that gets the keyboard focus when the person dialog opens.
struct CFieldFocus {
    EPersonText text;
    bool selectAll;
};

// What the person dialog decides, without pixels: its texts and sex, the member and non-member
// group lists, groups created on the way, the duplicate-name question and the one command that
// makes every change at once. The document is left alone until that command runs.
class CPersonalDialogModel {
public:
    // A new person, starting in initialGroup when there is one.
    CPersonalDialogModel(CAddressDoc& doc, CUserInterface& ui, CEditDialogs& dialogs,
                         CGroup* initialGroup);
    // Editing person, which stays as it is: MakeCommand builds the edited copy.
    CPersonalDialogModel(CAddressDoc& doc, CUserInterface& ui, CEditDialogs& dialogs,
                         CPersonalData& person);
    CPersonalDialogModel(const CPersonalDialogModel&) = delete;
    CPersonalDialogModel& operator=(const CPersonalDialogModel&) = delete;
    ~CPersonalDialogModel();

    bool IsNew() const { return m_pPerson == nullptr; }
    std::string GetTitle() const;
    CUserInterface& GetUserInterface() const { return m_ui; }

    std::string_view GetText(EPersonText text) const;
    void SetText(EPersonText text, std::string value);
    // 0 male, 1 female, 2 when neither button is chosen.
    int GetSex() const { return m_nSex; }
    void SetSex(int sex) { m_nSex = sex; }
    // A person cannot be saved without a name.
    static bool IsOkEnabled(std::string_view name) { return !name.empty(); }

    // The field number of the list column the dialog was opened from, or -1.
    void SetFocusField(int field) { m_nFocusField = field; }
    int GetFocusField() const { return m_nFocusField; }
    CFieldFocus GetOpeningFocus() const;

    CPickListPair<CGroup>& GetGroupLists() { return m_lists; }
    const CPickListPair<CGroup>& GetGroupLists() const { return m_lists; }
    // "%d個": the number of member groups.
    std::string GetCountText() const;

    // "新規ｸﾞﾙｰﾌﾟ": a group made in the group dialog joins the lists; true when one was made.
    bool OnNewGroup();
    const std::vector<CGroup*>& GetNewGroups() const { return m_newGroups; }
    // "←開く": the home page set with SetText, in the desktop's browser; one without a scheme
    // is taken as a web address.
    void OpenHomePage();

    // Asks the duplicate-name question; on Close the member groups become the person's groups.
    EOkOutcome OnOk();
    const std::vector<CGroup*>& GetGroups() const { return m_groups; }
    // After OK: new groups first, then the person's addition or replacement.
    std::unique_ptr<CCommandGroup> MakeCommand();

private:
    CPersonalDialogModel(CAddressDoc& doc, CUserInterface& ui, CEditDialogs& dialogs,
                         CPersonalData* person, CGroup* initialGroup);
    void FillGroupLists(CGroup* initialGroup);
    bool ConfirmDuplicateName() const;
    CPersonalData* MakePerson() const;

    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CEditDialogs& m_dialogs;
    CTextCodec m_codec;
    CPersonalData* m_pPerson;
    std::vector<CGroup*> m_groups;
    std::vector<CPersonalData*> m_persons;
    std::vector<CGroup*> m_newGroups;
    CPickListPair<CGroup> m_lists;
    std::array<std::string, CPersonalData::TEXT_COUNT> m_texts;
    int m_nSex = CPersonalData::SEX_MALE;
    int m_nFocusField = -1;
};
