#pragma once

#include "core/dialogs/CPickList.h"
#include "gui/dialogs/CPickListBox.h"

class CGroup;
class CTextCodec;

// A list box of groups by name, in the order core keeps them; two groups of the same name are
// two entries.
class CGroupListBox : public CPickListBox {
    Q_OBJECT

public:
    explicit CGroupListBox(QWidget* parent = nullptr) : CPickListBox(parent) {}

    // list and codec outlive the box.
    void SetList(const CPickList<CGroup>& list, const CTextCodec& codec);
};
