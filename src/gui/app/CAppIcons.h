#pragma once

#include <QIcon>

// The pictures of the commands on the toolbar and in menus, and the program's own icon.
class CAppIcons {
public:
    // A null icon for a command without a picture.
    static QIcon ForCommand(int id);
    static QIcon Application();

private:
    static QIcon Load(const QString& path);
};
