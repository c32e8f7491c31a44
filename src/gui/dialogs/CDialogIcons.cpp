#include "gui/dialogs/CDialogIcons.h"

// Not in a namespace: Q_INIT_RESOURCE names a global function.
QIcon CDialogIcons::Load(const QString& path) {
    // The resources sit in a static library, whose unreferenced objects the linker drops;
    // naming them here keeps them.
    static const bool registered = [] {
        Q_INIT_RESOURCE(dialogs);
        return true;
    }();
    Q_UNUSED(registered);
    return QIcon(path);
}

QIcon CDialogIcons::Person() {
    return Load(QStringLiteral(":/dialogs/person.svg"));
}

QIcon CDialogIcons::Group() {
    return Load(QStringLiteral(":/dialogs/group.svg"));
}

QIcon CDialogIcons::CsvAssigned() {
    return Load(QStringLiteral(":/dialogs/csv-assigned.svg"));
}

QIcon CDialogIcons::CsvFree() {
    return Load(QStringLiteral(":/dialogs/csv-free.svg"));
}
