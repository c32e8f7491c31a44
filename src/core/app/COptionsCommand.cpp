#include "core/app/COptionsCommand.h"

#include "core/dialogs/COptionSheetModel.h"
#include "core/mail/CMailer.h"
#include "core/ui/CMailDialogs.h"
#include "core/ui/CommandIds.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

COptionsCommand::COptionsCommand(CMailer* mailer, CFriendTreeView& tree, CFriendListView& list,
                                 CUserInterface& ui, CMailDialogs& dialogs)
    : m_pMailer(mailer), m_tree(tree), m_list(list), m_ui(ui), m_dialogs(dialogs) {}

bool COptionsCommand::HasCommand(int id) const {
    return id == ID_OPTIONS && m_pMailer != nullptr;
}

void COptionsCommand::OnCommand(int id) {
    if (id == ID_OPTIONS)
        OnOptions();
}

COptionValues COptionsCommand::LoadValues() const {
    const CMailSettings& mail = m_pMailer->GetSettings();
    COptionValues values;
    values.m_listBackground = m_list.GetBackgroundColor();
    values.m_treeBackground = m_tree.GetBackgroundColor();
    values.m_listText = m_list.GetTextColor();
    values.m_treeText = m_tree.GetTextColor();
    values.m_strMailSeparator = mail.m_strMailSeparator;
    values.m_bEditByDblClk = m_list.GetCellEditor().GetEditByDblClk();
    values.m_nRecentCapacity = mail.m_nRecentCapacity;
    values.m_eDelivery =
        mail.m_bMailToClipboard ? EMailDelivery::Clipboard : EMailDelivery::MailProgram;
    return values;
}

bool COptionsCommand::OnOptions() {
    if (!m_pMailer)
        return false;
    COptionSheetModel sheet(LoadValues(), m_ui, m_sendCommand);
    if (!m_dialogs.RunOptionSheet(sheet))
        return false;
    ApplyValues(sheet.GetValues());
    return true;
}

void COptionsCommand::ApplyValues(const COptionValues& values) {
    CMailer& mailer = *m_pMailer;
    CMailSettings& mail = mailer.GetSettings();
    mail.m_strMailSeparator = values.m_strMailSeparator;
    m_list.GetCellEditor().SetEditByDblClk(values.m_bEditByDblClk);
    m_list.SetColors(values.m_listText, values.m_listBackground);
    m_tree.SetColors(values.m_treeText, values.m_treeBackground);
    if (m_repaint)
        m_repaint();
    mail.m_nRecentCapacity = values.m_nRecentCapacity;
    mailer.TrimRecentAddresses();
    mail.m_bMailToClipboard = values.m_eDelivery == EMailDelivery::Clipboard;
}
