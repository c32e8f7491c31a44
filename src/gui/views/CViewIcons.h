#pragma once

#include "core/views/CTreeControl.h"

#include <QIcon>

// The pictures of the two panes: the tree's item pictures, the person icon of each sex and the drag
// picture for one, two or more persons.
class CViewIcons {
public:
    static constexpr int SEX_COUNT = 3;

    static QIcon TreeImage(ETreeImage image);
    static QIcon SexIcon(int sex);
    // One, two, or three and more persons.
    static QIcon DragPicture(int persons);

private:
    static QIcon Load(const QString& name);
};
