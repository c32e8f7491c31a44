#include "core/app/CPrintCommands.h"

#include "core/document/CAddressDoc.h"
#include "core/print/CListPrintout.h"
#include "core/print/CPostcardPreviewModel.h"
#include "core/print/CPostcardSender.h"
#include "core/print/CPostcardSettings.h"
#include "core/print/CPrintTexts.h"
#include "core/settings/CProfile.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CPrintDialogs.h"
#include "core/ui/CommandIds.h"
#include "core/views/CFriendListView.h"

#include <chrono>

CPrintCommands::CPrintCommands(CAddressDoc& doc, const CFriendListView& list,
                               CPrintDialogs& dialogs, CProfile& profile)
    : m_doc(doc), m_list(list), m_dialogs(dialogs), m_profile(profile) {}

bool CPrintCommands::HasCommand(int id) const {
    switch (id) {
    case ID_POSTCARDS:
    case ID_SET_SENDER:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PAGE_SETUP:
        return true;
    default:
        return false;
    }
}

void CPrintCommands::OnUpdateCommand(int id, CCmdUI& ui) {
    if (id == ID_POSTCARDS)
        ui.Enable(m_list.GetRowCount() > 0);
    else if (id == ID_SET_SENDER)
        ui.Enable(m_list.GetSelectedCount() == 1 && !m_list.ShowsDeleted());
}

void CPrintCommands::OnCommand(int id) {
    switch (id) {
    case ID_POSTCARDS:
        OnPostcards();
        break;
    case ID_SET_SENDER:
        OnSetSender();
        break;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
        OnPrintList(id == ID_FILE_PRINT_PREVIEW);
        break;
    case ID_FILE_PAGE_SETUP:
        m_dialogs.RunPageSetup();
        break;
    default:
        break;
    }
}

std::vector<const CPersonalData*> CPrintCommands::GetPostcardPersons() const {
    std::vector<const CPersonalData*> persons;
    for (int row = 0; row < m_list.GetRowCount(); ++row) {
        const CPersonalData* person = m_list.GetRowPerson(row);
        if (m_list.GetSelectedCount() == 0 || m_list.IsSelected(person))
            persons.push_back(person);
    }
    return persons;
}

std::string CPrintCommands::Today() {
    const std::chrono::year_month_day date(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return CTextFormat::Format(CPrintTexts::LIST_DATE,
                               {std::to_string(static_cast<int>(date.year())),
                                std::to_string(static_cast<unsigned>(date.month())),
                                std::to_string(static_cast<unsigned>(date.day()))});
}

void CPrintCommands::OnPostcards() {
    CPostcardSettings settings;
    settings.Load(m_profile);
    const CTextCodec codec;
    const CPersonalData* sender =
        CPostcardSender::Find(m_doc.GetPersonList(), settings.m_strSenderKey);
    CPostcardPreviewModel model(GetPostcardPersons(), sender, settings, codec);
    m_dialogs.RunPostcardPreview(model);
    model.GetSettings().Save(m_profile);
}

void CPrintCommands::OnSetSender() {
    const auto selected = m_list.GetSelectedPersons();
    if (selected.size() != 1)
        return;
    CPostcardSettings settings;
    settings.Load(m_profile);
    settings.m_strSenderKey = CPostcardSender::KeyOf(*selected.front());
    settings.Save(m_profile);
    const CTextCodec codec;
    m_doc.SetStatusText(CTextFormat::Format(
        CPrintTexts::SENDER_SET, {codec.ToUtf8(selected.front()->GetText(EPersonText::Name))}));
}

void CPrintCommands::OnPrintList(bool preview) {
    const CTextCodec codec;
    CListPrintout printout = CListPrintout::FromList(m_list, codec, Today());
    m_dialogs.PrintList(printout, preview);
}
