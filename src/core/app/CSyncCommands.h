#pragma once

#include "core/sync/CSyncEngine.h"
#include "core/ui/CCommandTarget.h"
#include "core/ui/CSyncDialogs.h"

#include <map>
#include <string>

class CAddressDoc;
class CFileController;
class CHttpClient;
class CProfile;
class CSyncState;
class CUserInterface;

// "サーバーと同期": the book's two-way sync with an address-book server as one undo step. The
// book is saved with its NAME.sync, since the state speaks of the book as the sync left it.
// The server's URL and user are remembered per book in the settings; the password only for the
// session.
class CSyncCommands : public CCommandTarget {
public:
    CSyncCommands(CAddressDoc& doc, CUserInterface& ui, CFileController& files,
                  CSyncDialogs& dialogs, CProfile* profile);

    bool HasCommand(int id) const override;
    void OnCommand(int id) override;

    void OnSync();

    // Runs the engine and records what it changed as one command named "サーバーと同期",
    // telling the views. With `cards`, a person changed here goes up as its kept card with the
    // changed texts replaced.
    static CSyncReport SyncBook(CAddressDoc& doc, CSyncState& state, CHttpClient& http,
                                const std::string& url, bool switchCollection = false,
                                CSyncCardStore* cards = nullptr);

private:
    std::string SettingsKey(const std::string& path) const;
    static void TakeCredentials(CSyncLogin& login);
    void Remember(const std::string& key, const CSyncLogin& login);
    // False when the user let a refusal stand.
    bool Settle(CSyncReport& report, CSyncState& state, CSyncCardStore& cards, CHttpClient& http,
                CSyncLogin& login, const std::string& key);

    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CFileController& m_files;
    CSyncDialogs& m_dialogs;
    CProfile* m_pProfile;
    std::map<std::string, std::string> m_passwords; // by book, for this session
};
