#include "gui/dialogs/CPickListLayout.h"

#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/CPickListBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

QGridLayout* CPickListLayout::Make(QWidget& parent, const QString& leftLabel, CPickListBox& left,
                                   QLayout& buttons, const QString& rightLabel,
                                   CPickListBox& right) {
    auto* grid = new QGridLayout(&parent);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(leftLabel, &parent);
    label->setBuddy(&left);
    grid->addWidget(label, 0, 0);
    if (!rightLabel.isEmpty()) {
        auto* other = new QLabel(rightLabel, &parent);
        other->setBuddy(&right);
        grid->addWidget(other, 0, 2);
    }
    grid->addWidget(&left, 1, 0);
    grid->addLayout(&buttons, 1, 1);
    grid->addWidget(&right, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    return grid;
}

CPickListLayout::CMoveButtons CPickListLayout::MakeMoveButtons(QWidget& parent,
                                                               const QString& addName,
                                                               const QString& removeName) {
    CMoveButtons buttons{new QPushButton(QString::fromUtf8(CDialogTexts::PICK_ADD), &parent),
                         new QPushButton(QString::fromUtf8(CDialogTexts::PICK_REMOVE), &parent)};
    buttons.add->setObjectName(addName);
    buttons.remove->setObjectName(removeName);
    buttons.add->setAutoDefault(false);
    buttons.remove->setAutoDefault(false);
    return buttons;
}
