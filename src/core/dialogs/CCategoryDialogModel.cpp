#include "core/dialogs/CCategoryDialogModel.h"

#include "core/dialogs/CDialogModelTexts.h"
#include "core/dialogs/CPickOrder.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CUserInterface.h"

#include <algorithm>

CCategoryDialogModel::CCategoryDialogModel(CUserInterface& ui, std::vector<CPersonalData*> persons,
                                           std::vector<CGroup*> groups, const CGroup* group)
    : m_ui(ui), m_pGroup(group), m_persons(std::move(persons)), m_groups(std::move(groups)),
      m_strName(group ? group->m_strGroupName.Str() : std::string()),
      m_lists(&CPickOrder::ByInitial, EPickButtonRule::OneOfTwo) {
    for (CPersonalData* person : m_persons)
        m_lists.Insert(EPickSide::Others, person);
    if (!group)
        return;
    for (CPersonalData* member : group->m_memberList) {
        m_lists.Insert(EPickSide::Members, member);
        m_lists.GetList(EPickSide::Others).Remove(member);
    }
}

CCategoryDialogModel::CCategoryDialogModel(CUserInterface& ui, std::vector<CPersonalData*> persons,
                                           std::vector<CGroup*> groups)
    : CCategoryDialogModel(ui, std::move(persons), std::move(groups), nullptr) {}

CCategoryDialogModel::CCategoryDialogModel(CUserInterface& ui, std::vector<CPersonalData*> persons,
                                           std::vector<CGroup*> groups, const CGroup& group)
    : CCategoryDialogModel(ui, std::move(persons), std::move(groups), &group) {}

std::string CCategoryDialogModel::GetTitle() const {
    return IsNew() ? CDialogModelTexts::GROUP_TITLE_NEW : CDialogModelTexts::GROUP_TITLE_EDIT;
}

std::string CCategoryDialogModel::GetCountText() const {
    return CTextFormat::Format(CDialogModelTexts::GROUP_MEMBER_COUNT,
                               {std::to_string(m_lists.GetList(EPickSide::Members).GetCount())});
}

bool CCategoryDialogModel::IsNameTaken() const {
    if (!IsNew() && m_strName == m_pGroup->m_strGroupName)
        return false;
    return std::any_of(m_groups.begin(), m_groups.end(),
                       [this](const CGroup* group) { return group->m_strGroupName == m_strName; });
}

EOkOutcome CCategoryDialogModel::OnOk() {
    if (IsNameTaken()) {
        m_ui.MessageBox(
            CTextFormat::Format(CDialogModelTexts::GROUP_NAME_TAKEN, {m_codec.ToUtf8(m_strName)}),
            EMessageButtons::Ok, EMessageIcon::Warning);
        return EOkOutcome::RefocusName;
    }
    m_persons = m_lists.GetList(EPickSide::Members).GetRecords();
    return EOkOutcome::Close;
}

CGroup* CCategoryDialogModel::MakeGroup(CAddressDoc& doc) const {
    CGroup* group = doc.NewGroup(m_strName);
    for (CPersonalData* person : m_persons)
        group->m_memberList.AddTail(person);
    return group;
}
