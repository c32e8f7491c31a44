#pragma once

#include <QString>

class CPickListBox;
class QGridLayout;
class QLayout;
class QWidget;

// The two list boxes of an editing dialog with their buttons between them and their labels
// above, so that both boxes start at the same height whether or not the right one has a label.
class CPickListLayout {
public:
    CPickListLayout() = delete;

    // An empty right label leaves the space above the right box blank.
    static QGridLayout* Make(QWidget& parent, const QString& leftLabel, CPickListBox& left,
                             QLayout& buttons, const QString& rightLabel, CPickListBox& right);
};
