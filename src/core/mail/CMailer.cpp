#include "core/mail/CMailer.h"

#include "core/document/CAddressDoc.h"
#include "core/mail/CMailAddressText.h"
#include "core/mail/CMailTexts.h"
#include "core/mail/CMailtoLink.h"
#include "core/mail/CRecentAddressFile.h"
#include "core/model/CFieldTable.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CMailDialogs.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"

#include <algorithm>

CMailer::CMailer(CUserInterface& ui, std::filesystem::path recentFile)
    : m_ui(ui), m_recentFile(std::move(recentFile)) {}

CMailer::~CMailer() {
    ListenTo(nullptr);
}

void CMailer::ListenTo(CAddressDoc* doc) {
    if (m_pDoc)
        m_pDoc->RemoveView(this);
    m_pDoc = doc;
    if (m_pDoc)
        m_pDoc->AddView(this);
}

void CMailer::OnUpdate(CDocView*, EHint hint, const CHintObject&) {
    if (hint == EHint::Emptied)
        SaveRecentAddresses();
}

bool CMailer::HasCommand(int id) const {
    return id == ID_RECENT_ADDRESSES && m_pDialogs != nullptr;
}

void CMailer::OnUpdateCommand(int id, CCmdUI& ui) {
    if (id == ID_RECENT_ADDRESSES)
        ui.Enable(!m_recent.IsEmpty());
}

void CMailer::OnCommand(int id) {
    if (id == ID_RECENT_ADDRESSES)
        OnRecentAddresses();
}

void CMailer::Load(const CProfile& profile) {
    m_settings.Load(profile);
    LoadRecentAddresses();
}

void CMailer::SaveSettings(CProfile& profile) const {
    m_settings.Save(profile);
}

void CMailer::LoadRecentAddresses() {
    if (m_recentFile.empty())
        return;
    const auto capacity = static_cast<std::size_t>(std::max(m_settings.m_nRecentCapacity, 0));
    m_recent.SetStrings(CRecentAddressFile::Load(m_recentFile, capacity));
    m_fileStrings = m_recent.GetStrings();
    TrimRecentAddresses();
}

void CMailer::SaveRecentAddresses() {
    if (m_recentFile.empty() || m_fileStrings == m_recent.GetStrings())
        return;
    if (CRecentAddressFile::Save(m_recentFile, m_recent.GetStrings()).ok)
        m_fileStrings = m_recent.GetStrings();
}

int CMailer::FieldOfCommand(int id) {
    return id == ID_MAIL_EMAIL2 ? CFieldTable::FIELD_EMAIL2 : CFieldTable::FIELD_EMAIL1;
}

void CMailer::WriteMail(const std::vector<CPersonalData*>& persons, int field) {
    const auto text = CMailAddressText::Build(persons, field, m_settings.m_strMailSeparator);
    if (!text) {
        m_ui.MessageBox(CTextFormat::Format(CMailTexts::NO_ADDRESS, {CFieldTable::GetLabel(field)}),
                        EMessageButtons::Ok, EMessageIcon::Warning);
        return;
    }
    // The use is remembered before delivery, so a mail program that fails loses nothing.
    RememberAddresses(text->m_strAddress, text->m_strLabel);
    DeliverAddresses(text->m_strAddress);
}

void CMailer::RememberAddresses(std::string_view address, std::string_view label) {
    m_recent.Remember(address, label, m_settings.m_nRecentCapacity);
}

void CMailer::TrimRecentAddresses() {
    m_recent.Trim(m_settings.m_nRecentCapacity);
}

void CMailer::DeliverAddresses(const std::string& address) {
    if (m_settings.m_bMailToClipboard) {
        CopyTextToClipboard(address);
        return;
    }
    if (address.size() > LONG_LINK_BYTES &&
        m_ui.MessageBox(CMailTexts::LONG_LINK_QUESTION, EMessageButtons::YesNo,
                        EMessageIcon::Question) == EMessageResult::Yes) {
        CopyTextToClipboard(address);
        return;
    }
    if (m_ui.OpenUrl(CMailtoLink::Build(m_codec.ToUtf8(address))))
        return;
    if (m_ui.MessageBox(CMailTexts::START_FAILED_QUESTION, EMessageButtons::YesNoCancel,
                        EMessageIcon::Question) == EMessageResult::Yes)
        CopyTextToClipboard(address);
}

void CMailer::CopyTextToClipboard(std::string_view address) {
    m_ui.SetClipboardText(m_codec.ToUtf8(address));
}

void CMailer::OnRecentAddresses() {
    if (!m_pDialogs || m_recent.IsEmpty())
        return;
    const auto chosen = m_pDialogs->RunCopiedAddressDialog(m_recent.GetStrings());
    if (!chosen || !m_recent.MoveToHead(*chosen))
        return;
    const std::string address = m_recent.GetStrings().front();
    TrimRecentAddresses();
    DeliverAddresses(address);
}
