#pragma once

#include <QIcon>

// The small icons of the editing dialogs, from our resource file.
class CDialogIcons {
public:
    CDialogIcons() = delete;

    static QIcon Person();
    static QIcon Group();
    // The CSV dialogs' marks of a column or field in use and of one still free.
    static QIcon CsvAssigned();
    static QIcon CsvFree();

private:
    static QIcon Load(const QString& path);
};
