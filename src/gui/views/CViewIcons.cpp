#include "gui/views/CViewIcons.h"

QIcon CViewIcons::Load(const QString& name) {
    // The pictures are in a static library, which the linker would leave out unless asked for;
    // registering again is harmless.
    Q_INIT_RESOURCE(views);
    return QIcon(QStringLiteral(":/views/") + name);
}

QIcon CViewIcons::TreeImage(ETreeImage image) {
    const int number = static_cast<int>(image);
    if (number < 0 || number >= TREE_IMAGE_COUNT)
        return {};
    return Load(QStringLiteral("tree%1.svg").arg(number));
}

QIcon CViewIcons::SexIcon(int sex) {
    if (sex < 0 || sex >= SEX_COUNT)
        return {};
    return Load(QStringLiteral("person%1.svg").arg(sex));
}

QIcon CViewIcons::DragPicture(int persons) {
    if (persons <= 0)
        return {};
    return Load(QStringLiteral("drag%1.svg").arg(qMin(persons, 3)));
}
