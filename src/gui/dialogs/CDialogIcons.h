#pragma once

#include <QIcon>

// The small icons of the editing dialogs, from our resource file.
class CDialogIcons {
public:
    CDialogIcons() = delete;

    static QIcon Person();
    static QIcon Group();

private:
    static QIcon Load(const QString& path);
};
