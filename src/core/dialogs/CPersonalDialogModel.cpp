#include "core/dialogs/CPersonalDialogModel.h"

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CModifyPersonalCommand.h"
#include "core/dialogs/CCategoryDialogModel.h"
#include "core/dialogs/CDialogModelTexts.h"
#include "core/dialogs/CPickOrder.h"
#include "core/document/CAddressDoc.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CEditDialogs.h"
#include "core/ui/CUserInterface.h"

#include <utility>

namespace {
// The edit box of each field number; 11 has none, as the home page has never been a column
// that can be double-clicked, and the dialog numbers it 12.
constexpr int HOME_PAGE_FOCUS = 12;
constexpr std::array<EPersonText, 11> FIELD_BOXES = {
    EPersonText::Name,        EPersonText::Zip,     EPersonText::Address, EPersonText::Tel1,
    EPersonText::Tel2,        EPersonText::Email1,  EPersonText::Email2,  EPersonText::HomeZip,
    EPersonText::HomeAddress, EPersonText::HomeTel, EPersonText::Memo};

std::size_t Slot(EPersonText text) {
    return static_cast<std::size_t>(text);
}
} // namespace

CPersonalDialogModel::CPersonalDialogModel(CAddressDoc& doc, CUserInterface& ui,
                                           CEditDialogs& dialogs, CPersonalData* person,
                                           CGroup* initialGroup)
    : m_doc(doc), m_ui(ui), m_dialogs(dialogs), m_pPerson(person),
      m_groups(doc.GetGroupList().begin(), doc.GetGroupList().end()),
      m_persons(doc.GetPersonList().begin(), doc.GetPersonList().end()),
      m_lists(&CPickOrder::ByGroupName, EPickButtonRule::OneOfTwo) {
    if (person) {
        for (std::size_t slot = 0; slot < m_texts.size(); ++slot)
            m_texts[slot] = person->GetText(static_cast<EPersonText>(slot));
        m_nSex = person->m_nSex;
    }
    FillGroupLists(initialGroup);
}

CPersonalDialogModel::CPersonalDialogModel(CAddressDoc& doc, CUserInterface& ui,
                                           CEditDialogs& dialogs, CGroup* initialGroup)
    : CPersonalDialogModel(doc, ui, dialogs, nullptr, initialGroup) {}

CPersonalDialogModel::CPersonalDialogModel(CAddressDoc& doc, CUserInterface& ui,
                                           CEditDialogs& dialogs, CPersonalData& person)
    : CPersonalDialogModel(doc, ui, dialogs, &person, nullptr) {}

CPersonalDialogModel::~CPersonalDialogModel() = default;

void CPersonalDialogModel::FillGroupLists(CGroup* initialGroup) {
    for (CGroup* group : m_groups) {
        m_lists.Insert(group == initialGroup ? EPickSide::Members : EPickSide::Others, group);
    }
    if (!m_pPerson)
        return;
    for (CGroup* group : m_pPerson->m_groupList) {
        m_lists.Insert(EPickSide::Members, group);
        m_lists.GetList(EPickSide::Others).Remove(group);
    }
}

std::string CPersonalDialogModel::GetTitle() const {
    return IsNew() ? CDialogModelTexts::PERSON_TITLE_NEW : CDialogModelTexts::PERSON_TITLE_EDIT;
}

std::string_view CPersonalDialogModel::GetText(EPersonText text) const {
    return m_texts[Slot(text)];
}

void CPersonalDialogModel::SetText(EPersonText text, std::string value) {
    m_texts[Slot(text)] = std::move(value);
}

CFieldFocus CPersonalDialogModel::GetOpeningFocus() const {
    if (m_nFocusField >= 0 && m_nFocusField < static_cast<int>(FIELD_BOXES.size()))
        return {FIELD_BOXES[static_cast<std::size_t>(m_nFocusField)], true};
    if (m_nFocusField == HOME_PAGE_FOCUS)
        return {EPersonText::HomePage, true};
    return {EPersonText::Name, false};
}

std::string CPersonalDialogModel::GetCountText() const {
    return CTextFormat::Format(CDialogModelTexts::PERSON_GROUP_COUNT,
                               {std::to_string(m_lists.GetList(EPickSide::Members).GetCount())});
}

bool CPersonalDialogModel::OnNewGroup() {
    CCategoryDialogModel dialog(m_ui, m_persons, m_groups);
    if (!m_dialogs.RunCategoryDialog(dialog))
        return false;
    CGroup* group = dialog.MakeGroup(m_doc);
    m_newGroups.push_back(group);
    const bool joins = m_pPerson && group->m_memberList.Contains(m_pPerson);
    m_lists.Insert(joins ? EPickSide::Members : EPickSide::Others, group);
    m_groups.push_back(group);
    return true;
}

void CPersonalDialogModel::OpenHomePage() {
    const std::string_view homePage = GetText(EPersonText::HomePage);
    if (homePage.empty())
        return;
    std::string url = m_codec.ToUtf8(homePage);
    // The shell opened "www.example.jp" as a web page; the desktop needs to be told.
    if (url.find(':') == std::string::npos)
        url.insert(0, "http://");
    if (!m_ui.OpenUrl(url))
        m_ui.MessageBox(CDialogModelTexts::BROWSER_FAILED, EMessageButtons::Ok,
                        EMessageIcon::Warning);
}

bool CPersonalDialogModel::ConfirmDuplicateName() const {
    const std::string_view name = GetText(EPersonText::Name);
    if (!IsNew() && name == m_pPerson->GetText(EPersonText::Name))
        return true;
    for (const CPersonalData* person : m_persons) {
        if (person->GetText(EPersonText::Name) == name) {
            const std::string question =
                CTextFormat::Format(CDialogModelTexts::PERSON_NAME_EXISTS, {m_codec.ToUtf8(name)});
            return m_ui.MessageBox(question, EMessageButtons::YesNo, EMessageIcon::Question) ==
                   EMessageResult::Yes;
        }
    }
    return true;
}

EOkOutcome CPersonalDialogModel::OnOk() {
    if (!ConfirmDuplicateName())
        return EOkOutcome::RefocusName;
    m_groups = m_lists.GetList(EPickSide::Members).GetRecords();
    return EOkOutcome::Close;
}

CPersonalData* CPersonalDialogModel::MakePerson() const {
    CPersonalData* person = m_doc.NewPerson();
    for (std::size_t slot = 0; slot < m_texts.size(); ++slot)
        person->SetText(static_cast<EPersonText>(slot), m_texts[slot]);
    person->m_nSex = m_nSex;
    person->m_groupList = m_groups;
    return person;
}

std::unique_ptr<CCommandGroup> CPersonalDialogModel::MakeCommand() {
    auto commands = std::make_unique<CCommandGroup>();
    CPersonalData* person = MakePerson();
    for (CGroup* group : m_newGroups)
        commands->AddCommand(std::make_unique<CAddGroupCommand>(group, false));
    if (IsNew())
        commands->AddCommand(std::make_unique<CAddPersonalCommand>(person));
    else
        commands->AddCommand(std::make_unique<CModifyPersonalCommand>(m_pPerson, person));
    return commands;
}
