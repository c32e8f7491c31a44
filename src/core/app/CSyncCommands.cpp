#include "core/app/CSyncCommands.h"

#include "core/app/CFileController.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/settings/CProfile.h"
#include "core/sync/CHttpClient.h"
#include "core/sync/CSyncState.h"
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
                                    const std::string& url) {
    auto changes = std::make_unique<CCommandGroup>();
    changes->SetName(CUndoTexts::SYNC);
    const CSyncReport report = CSyncEngine(doc, state, http).Run(url, *changes);
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
    m_passwords[path] = login.password;
    if (m_pProfile) {
        const CProfile::CBatch batch(*m_pProfile);
        m_pProfile->WriteProfileString(SECTION, "url-" + key, login.url);
        m_pProfile->WriteProfileString(SECTION, "user-" + key, login.user);
    }
    std::unique_ptr<CHttpClient> http = m_dialogs.MakeClient(login);
    CSyncState state = CSyncState::Load(path);
    const CSyncReport report = SyncBook(m_doc, state, *http, login.url);
    http.reset(); // its progress display ends with the sync
    // Without the book saved, the state must not claim what the book lacks, the UIDs of the
    // persons it sent up among them.
    if ((m_doc.IsModified() || report.uploaded > 0) && !m_files.OnFileSave())
        return;
    if (const CFileResult saved = state.Save(path); !saved.ok) {
        m_ui.MessageBox(saved.message, EMessageButtons::Ok, EMessageIcon::Warning);
        return;
    }
    const bool trouble = !report.error.empty() || !report.conflicts.empty();
    m_ui.MessageBox(CSyncEngine::ReportText(report), EMessageButtons::Ok,
                    trouble ? EMessageIcon::Warning : EMessageIcon::None);
}
