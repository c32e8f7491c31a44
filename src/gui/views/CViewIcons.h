#pragma once

#include <QIcon>

// The pictures of the two panes, by the numbers the program gives them: the tree's ten item
// images, the person icon of each sex and the drag picture for one, two or more persons.
class CViewIcons {
public:
    static constexpr int TREE_IMAGE_COUNT = 10;
    static constexpr int SEX_COUNT = 3;

    static QIcon TreeImage(int image);
    static QIcon SexIcon(int sex);
    // One, two, or three and more persons.
    static QIcon DragPicture(int persons);

private:
    static QIcon Load(const QString& name);
};
