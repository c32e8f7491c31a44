#include "core/dialogs/CUniteGroupModel.h"

#include "core/commands/CUniteGroupCommand.h"
#include "core/dialogs/CDialogModelTexts.h"
#include "core/dialogs/CPickOrder.h"
#include "core/model/CGroup.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CUserInterface.h"

CUniteGroupModel::CUniteGroupModel(CUserInterface& ui, const std::vector<CGroup*>& groups)
    : m_ui(ui), m_lists(&CPickOrder::ByGroupName, EPickButtonRule::EachOwn) {
    for (CGroup* group : groups)
        m_lists.Insert(EPickSide::Others, group);
}

std::string CUniteGroupModel::GetTitle() const {
    return CDialogModelTexts::UNITE_TITLE;
}

bool CUniteGroupModel::IsNameOfRemainingGroup() const {
    const CPickList<CGroup>& remaining = m_lists.GetList(EPickSide::Others);
    for (int index = 0; index < remaining.GetCount(); ++index) {
        if (remaining.GetAt(index)->m_strGroupName == m_strName)
            return true;
    }
    return false;
}

EOkOutcome CUniteGroupModel::OnOk() {
    if (IsNameOfRemainingGroup() &&
        m_ui.MessageBox(
            CTextFormat::Format(CDialogModelTexts::UNITE_NAME_EXISTS, {m_codec.ToUtf8(m_strName)}),
            EMessageButtons::YesNo, EMessageIcon::Question) != EMessageResult::Yes)
        return EOkOutcome::RefocusName;
    m_chosen = m_lists.GetList(EPickSide::Members).GetRecords();
    return EOkOutcome::Close;
}

std::unique_ptr<CCommand> CUniteGroupModel::MakeCommand(CAddressDoc& doc) const {
    return std::make_unique<CUniteGroupCommand>(doc, m_chosen, m_strName);
}
