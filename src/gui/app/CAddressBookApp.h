#pragma once

#include "core/app/CApplicationCommands.h"
#include "core/app/CFileController.h"
#include "core/document/CAddressDoc.h"
#include "core/mail/CMailer.h"
#include "core/settings/CProfile.h"
#include "core/settings/CRecentFileList.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class CInstanceLock;
class CMainFrame;
class CUserInterface;

// Where the program keeps and finds its files; the real program derives them from where it
// lies, tests point them into a folder of their own.
struct CAppPaths {
    std::filesystem::path m_settingsFile;
    QString m_lockFile;
    // Where the readme and the support page are looked for first.
    std::filesystem::path m_programFolder;
};

// The application: one running copy per user, the settings file, the document with its file
// commands and the main window, started and ended in the program's order.
class CAddressBookApp {
public:
    CAddressBookApp(CUserInterface& ui, CAppPaths paths);
    ~CAddressBookApp();
    CAddressBookApp(const CAddressBookApp&) = delete;
    CAddressBookApp& operator=(const CAddressBookApp&) = delete;

    // False, after telling the person, when another copy is running; then no window exists.
    // Otherwise the window is shown with the command line's file, or else the newest recent one.
    bool InitInstance(const std::optional<std::string>& commandLineFile);
    // Writes the recent-file list back and gives up the running copy's mark.
    void ExitInstance();

    // The paths of the real program, from its own location and the environment.
    static CAppPaths GetDefaultPaths(const QString& programPath);

    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CAddressDoc& GetDocument() { return m_doc; }
    CFileController& GetFileController() { return m_files; }
    CProfile& GetProfile() { return m_profile; }
    CMailer& GetMailer() { return m_mailer; }

private:
    void ShowAboutBox();

    CUserInterface& m_ui;
    CAppPaths m_paths;
    std::unique_ptr<CInstanceLock> m_lock;
    CProfile m_profile;
    CRecentFileList m_recent;
    CAddressDoc m_doc;
    CMailer m_mailer;
    bool m_bMailerLoaded = false;
    CFileController m_files;
    CApplicationCommands m_commands;
    std::unique_ptr<CMainFrame> m_frame;
};
