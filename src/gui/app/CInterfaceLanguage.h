#pragma once

class QCoreApplication;

// The whole program speaks Japanese, whatever the desktop's locale: Qt's own texts (the file
// choosers' labels and buttons, the edit boxes' menus) come from its Japanese translations.
class CInterfaceLanguage {
public:
    // False when Qt's Japanese translations are not installed; Qt's texts then stay English.
    static bool Install(QCoreApplication& app);
};
