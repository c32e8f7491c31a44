#pragma once

#include "core/dialogs/CPickList.h"
#include "gui/dialogs/CPickListBox.h"

class CPersonalData;
class CTextCodec;

// A list box of persons by name. Core inserts each person at its place by initial kana, so the
// box never sorts by the text it shows.
class CPersonalListBox : public CPickListBox {
    Q_OBJECT

public:
    explicit CPersonalListBox(QWidget* parent = nullptr) : CPickListBox(parent) {}

    // list and codec outlive the box.
    void SetList(const CPickList<CPersonalData>& list, const CTextCodec& codec);
};
