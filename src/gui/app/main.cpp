#include "gui/app/CAddressBookApp.h"
#include "gui/app/CInterfaceLanguage.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CQtUserInterface.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    // Answered before Qt starts, so that it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("tarnvale " TARNVALE_VERSION);
        return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarnvale"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnvale"));
    QApplication::setDesktopFileName(QStringLiteral("org.tarnvale.Tarnvale"));
    CInterfaceLanguage::Install(app);

    // --quit-after-load opens the book, paints the window once and ends: how much memory a
    // book costs is measured so.
    QStringList arguments = QApplication::arguments();
    const bool quitAfterLoad = arguments.removeAll(QStringLiteral("--quit-after-load")) > 0;
    std::optional<std::string> commandLineFile;
    if (arguments.size() > 1)
        commandLineFile = QFile::encodeName(arguments.at(1)).toStdString();

    CQtUserInterface ui;
    CAddressBookApp shell(ui,
                          CAddressBookApp::GetDefaultPaths(QApplication::applicationFilePath()));
    if (!shell.InitInstance(commandLineFile))
        return 1;
    ui.SetParentWidget(shell.GetMainFrame());
    if (quitAfterLoad) {
        QApplication::processEvents();
        shell.GetMainFrame()->repaint();
        shell.ExitInstance();
        return 0;
    }
    const int result = QApplication::exec();
    shell.ExitInstance();
    return result;
}
