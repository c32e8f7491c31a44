#include "core/app/CSyncCommands.h"

#include "core/app/CFileController.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/settings/CProfile.h"
#include "core/sync/CDavUrl.h"
#include "core/sync/CHttpClient.h"
#include "core/sync/CSyncCardStore.h"
#include "core/sync/CSyncDeletedFile.h"
#include "core/sync/CSyncState.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CSha1.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"

namespace {
constexpr const char* SECTION = "Sync";
}

CSyncCommands::CSyncCommands(CAddressDoc& doc, CUserInterface& ui, CFileController& files,
                             CSyncDialogs& dialogs, CProfile* profile)
    : m_doc(doc), m_ui(ui), m_files(files), m_dialogs(dialogs), m_pProfile(profile) {}

bool CSyncCommands::HasCommand(int id) const {
    return id == ID_SYNC;
}

void CSyncCommands::OnCommand(int id) {
    if (id == ID_SYNC)
        OnSync();
}

CSyncReport CSyncCommands::SyncBook(CAddressDoc& doc, CSyncState& state, CHttpClient& http,
                                    const std::string& url, bool switchCollection,
                                    CSyncCardStore* cards) {
    auto changes = std::make_unique<CCommandGroup>();
    changes->SetName(CUndoTexts::SYNC);
    CSyncEngine engine(doc, state, http);
    if (cards)
        engine.SetCards(*cards);
    const CSyncReport report = engine.Run(url, *changes, switchCollection);
    if (changes->GetCount() == 0)
        return report;
    CCommand* done = changes.get();
    doc.AddCommand(std::move(changes));
    doc.UpdateAllViews(nullptr, EHint::CommandDone, {done, nullptr});
    return report;
}

// A book's settings go under a key made from its path, which may hold any character.
std::string CSyncCommands::SettingsKey(const std::string& path) const {
    return CSha1::Hex(CSha1::Of(path)).substr(0, 16);
}

// A user and password written into the URL serve this sync and the session; the URL is kept
// without them.
void CSyncCommands::TakeCredentials(CSyncLogin& login) {
    std::optional<CDavUrl> url = CDavUrl::Parse(login.url);
    if (!url || url->userInfo.empty())
        return;
    if (login.user.empty())
        login.user = url->User();
    if (url->HasPassword())
        login.password = url->Password();
    login.url = url->ToString();
}

void CSyncCommands::Remember(const std::string& key, const CSyncLogin& login) {
    if (!m_pProfile)
        return;
    const CProfile::CBatch batch(*m_pProfile);
    m_pProfile->WriteProfileString(SECTION, "url-" + key, login.url);
    m_pProfile->WriteProfileString(SECTION, "user-" + key, login.user);
}

// A refusal the user can answer: the address book to take, or whether to switch collections.
bool CSyncCommands::Settle(CSyncReport& report, CSyncState& state, CSyncCardStore& cards,
                           CHttpClient& http, CSyncLogin& login, const std::string& key) {
    if (report.refusal == ESyncRefusal::SeveralBooks) {
        std::string chosen;
        if (!m_dialogs.ChooseCollection(report.collections, chosen))
            return false;
        login.url = chosen;
        Remember(key, login);
        report = SyncBook(m_doc, state, http, login.url, false, &cards);
    }
    if (report.refusal == ESyncRefusal::OtherCollection) {
        const std::string question = report.error + "\n" + CSyncTexts::SWITCH_QUESTION;
        if (m_ui.MessageBox(question, EMessageButtons::YesNo, EMessageIcon::Question) !=
            EMessageResult::Yes)
            return false;
        report = SyncBook(m_doc, state, http, login.url, true, &cards);
    }
    return true;
}

void CSyncCommands::OnSync() {
    if (!m_doc.CommitViewEdits())
        return;
    if (m_files.GetPathName().empty() && !m_files.OnFileSaveAs())
        return; // NAME.sync needs the book's name
    const std::string path = m_files.GetPathName();
    const std::string key = SettingsKey(path);
    CSyncLogin login;
    if (m_pProfile) {
        login.url = m_pProfile->GetProfileString(SECTION, "url-" + key, "");
        login.user = m_pProfile->GetProfileString(SECTION, "user-" + key, "");
    }
    login.password = m_passwords[path];
    if (!m_dialogs.AskServer(login))
        return;
    TakeCredentials(login);
    m_passwords[path] = login.password;
    Remember(key, login);
    CSyncState state;
    if (const CFileResult loaded = CSyncState::Load(path, state); !loaded.ok) {
        m_ui.MessageBox(loaded.message, EMessageButtons::Ok, EMessageIcon::Warning);
        return;
    }
    const CSyncState before = state;
    CSyncCardStore cards;
    CSyncCardStore::Load(path, cards);
    std::unique_ptr<CHttpClient> http = m_dialogs.MakeClient(login);
    CSyncReport report = SyncBook(m_doc, state, *http, login.url, false, &cards);
    bool settled = Settle(report, state, cards, *http, login, key);
    // A refused password stopped the sync before it changed anything: the user says so, may
    // retype it, and the sync starts again.
    while (settled && report.IsAuthFailure()) {
        m_ui.MessageBox(report.Text(), EMessageButtons::Ok, EMessageIcon::Warning);
        login.password.clear();
        if (!m_dialogs.AskServer(login))
            return;
        TakeCredentials(login);
        m_passwords[path] = login.password;
        http = m_dialogs.MakeClient(login);
        report = SyncBook(m_doc, state, *http, login.url, false, &cards);
        settled = Settle(report, state, cards, *http, login, key);
    }
    http.reset(); // its progress display ends with the sync
    if (!settled)
        return;
    // Without the book saved, the state must not claim what the book lacks, the UIDs of the
    // persons it sent up among them.
    if ((m_doc.IsModified() || report.uploaded > 0) && !m_files.OnFileSave())
        return;
    if (state != before) {
        if (const CFileResult saved = state.Save(path); !saved.ok) {
            m_ui.MessageBox(saved.message, EMessageButtons::Ok, EMessageIcon::Warning);
            return;
        }
    }
    if (cards.IsChanged()) {
        if (const CFileResult saved = cards.Save(path); !saved.ok) {
            m_ui.MessageBox(saved.message, EMessageButtons::Ok, EMessageIcon::Warning);
            return;
        }
    }
    if (!report.deletedCards.empty()) {
        if (const CFileResult kept = CSyncDeletedFile::Append(path, report.deletedCards);
            !kept.ok) {
            m_ui.MessageBox(kept.message, EMessageButtons::Ok, EMessageIcon::Warning);
            return;
        }
        report.deletedFile = CSyncDeletedFile::PathFor(path).string();
    }
    const bool trouble = !report.IsComplete() || !report.conflicts.empty() || report.outside > 0;
    m_ui.MessageBox(CSyncEngine::ReportText(report), EMessageButtons::Ok,
                    trouble ? EMessageIcon::Warning : EMessageIcon::None);
}
