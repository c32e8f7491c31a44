#pragma once

#include <QString>

class CPickListBox;
class QGridLayout;
class QLayout;
class QPushButton;
class QWidget;

// The two list boxes of an editing dialog with their buttons between them and their labels
// above, so that both boxes start at the same height whether or not the right one has a label.
class CPickListLayout {
public:
    CPickListLayout() = delete;

    // An empty right label leaves the space above the right box blank.
    struct CMoveButtons {
        QPushButton* add;
        QPushButton* remove;
    };
    // "<< 追加" and "削除 >>", which never take Enter from the dialog's OK button.
    static CMoveButtons MakeMoveButtons(QWidget& parent, const QString& addName,
                                        const QString& removeName);

    static QGridLayout* Make(QWidget& parent, const QString& leftLabel, CPickListBox& left,
                             QLayout& buttons, const QString& rightLabel, CPickListBox& right);
};
