#include "gui/app/CAddressBookApp.h"
#include "gui/app/CInterfaceLanguage.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CQtUserInterface.h"

#include <QApplication>
#include <QFile>

#include <optional>
#include <string>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarnvale"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnvale"));
    QApplication::setDesktopFileName(QStringLiteral("tarnvale"));
    CInterfaceLanguage::Install(app);

    std::optional<std::string> commandLineFile;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        commandLineFile = QFile::encodeName(arguments.at(1)).toStdString();

    CQtUserInterface ui;
    CAddressBookApp shell(ui,
                          CAddressBookApp::GetDefaultPaths(QApplication::applicationFilePath()));
    if (!shell.InitInstance(commandLineFile))
        return 1;
    ui.SetParentWidget(shell.GetMainFrame());
    const int result = QApplication::exec();
    shell.ExitInstance();
    return result;
}
