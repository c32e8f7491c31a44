#include "gui/app/CAddressBookApp.h"

#include "core/mail/CRecentAddressFile.h"
#include "core/settings/CSettingsLocation.h"
#include "core/ui/CUserInterface.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CAppTexts.h"
#include "gui/app/CInstanceLock.h"
#include "gui/app/CMainFrame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
std::filesystem::path ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
} // namespace

CAddressBookApp::CAddressBookApp(CUserInterface& ui, CAppPaths paths)
    : m_ui(ui), m_paths(std::move(paths)),
      m_lock(std::make_unique<CInstanceLock>(m_paths.m_lockFile)),
      m_profile(m_paths.m_settingsFile),
      m_mailer(m_ui, CRecentAddressFile::PathFor(m_paths.m_settingsFile)),
      m_files(m_doc, m_ui, m_recent), m_commands(m_ui, CProgramFiles(m_paths.m_programFolder)) {
    m_files.SetHomeFolder(ToPath(QDir::homePath()).string());
}

CAddressBookApp::~CAddressBookApp() {
    // The window and its views go before the document they show.
    m_frame.reset();
    m_mailer.ListenTo(nullptr);
}

bool CAddressBookApp::InitInstance(const std::optional<std::string>& commandLineFile) {
    if (!m_lock->TryLock()) {
        m_ui.MessageBox(CAppTexts::ALREADY_RUNNING, EMessageButtons::Ok, EMessageIcon::None);
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(m_paths.m_settingsFile.parent_path(), ignored);
    m_recent.Load(m_profile);
    m_mailer.Load(m_profile);
    m_bMailerLoaded = true;
    m_mailer.ListenTo(&m_doc);

    m_frame = std::make_unique<CMainFrame>(m_doc, m_profile, m_ui, m_files, m_commands, &m_mailer);
    QObject::connect(m_frame.get(), &CMainFrame::documentFileChanged, m_frame.get(),
                     [this] { m_recent.Save(m_profile); });
    m_commands.SetAboutHandler([this] { ShowAboutBox(); });
    m_commands.SetExitHandler([this] { m_frame->close(); });
    m_doc.OnNewDocument();
    m_files.OpenAtStartup(commandLineFile);
    m_frame->show();
    return true;
}

void CAddressBookApp::ExitInstance() {
    m_recent.Save(m_profile);
    // Whatever a batch left unwritten goes now, before the program's mark is given up.
    m_profile.Flush();
    m_commands.SetAboutHandler({});
    m_commands.SetExitHandler({});
    m_frame.reset();
    // The mail settings and the recent addresses outlive every address book; only what was
    // read at start is written back.
    if (m_bMailerLoaded) {
        m_mailer.SaveRecentAddresses();
        m_mailer.SaveSettings(m_profile);
    }
    m_lock.reset();
}

void CAddressBookApp::ShowAboutBox() {
    CAboutDialog about(m_frame.get());
    about.exec();
}

CAppPaths CAddressBookApp::GetDefaultPaths(const QString& programPath) {
    const std::filesystem::path program = ToPath(QFileInfo(programPath).absoluteFilePath());
    return {CSettingsLocation::Resolve(program), CInstanceLock::GetDefaultPath(),
            program.parent_path()};
}
