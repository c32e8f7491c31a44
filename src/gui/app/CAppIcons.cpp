#include "gui/app/CAppIcons.h"

#include "core/ui/CommandIds.h"

#include <QString>

#include <array>
#include <utility>

namespace {
constexpr auto ICON_FILES = std::to_array<std::pair<int, const char*>>({
    {ID_FILE_SAVE, "save"},
    {ID_NEW_PERSON, "new-person"},
    {ID_NEW_GROUP, "new-group"},
    {ID_EDIT_UNDO, "undo"},
    {ID_EDIT_REDO, "redo"},
    {ID_DELETE, "delete"},
    {ID_REMOVE_FROM_GROUP, "remove-from-group"},
    {ID_MODIFY, "modify"},
    {ID_RESTORE, "restore"},
    {ID_MAIL_EMAIL1, "mail1"},
    {ID_MAIL_EMAIL2, "mail2"},
    {ID_RECENT_ADDRESSES, "recent-addresses"},
    {ID_FILE_PRINT, "print"},
    {ID_FIND, "find"},
    {ID_README, "readme"},
    {ID_CELL_EDIT_MODE, "cell-edit"},
    {ID_COLUMN_SELECT_MODE, "column-select"},
});
} // namespace

// Not in a namespace: Q_INIT_RESOURCE names a global function.
QIcon CAppIcons::Load(const QString& path) {
    // The resources sit in a static library, whose unreferenced objects the linker drops;
    // naming them here keeps them.
    static const bool registered = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    Q_UNUSED(registered);
    return QIcon(path);
}

QIcon CAppIcons::ForCommand(int id) {
    for (const auto& [command, file] : ICON_FILES) {
        if (command == id)
            return Load(QStringLiteral(":/app/icons/%1.svg").arg(QString::fromLatin1(file)));
    }
    return {};
}

QIcon CAppIcons::Application() {
    return Load(QStringLiteral(":/app/tarnvale.svg"));
}
