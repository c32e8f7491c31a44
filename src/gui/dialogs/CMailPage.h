#pragma once

#include "gui/dialogs/CEncodedFields.h"

#include <QWidget>

class COptionSheetModel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The option sheet's page "メール関係": where written mail goes, the separator of the addresses
// and how many uses are remembered.
class CMailPage : public QWidget {
    Q_OBJECT
public:
    CMailPage(COptionSheetModel& model, QWidget* parent = nullptr);

    // Takes the other separator and checks the capacity; false leaves the page open with the
    // offending box focused, after the person was told.
    bool Leave();

private:
    QWidget* MakeDeliveryGroup();
    QWidget* MakeSeparatorGroup();
    void ShowSeparatorChoice();

    COptionSheetModel& m_model;
    CEncodedFields m_fields;
    QRadioButton* m_pComma = nullptr;
    QRadioButton* m_pSemicolon = nullptr;
    QRadioButton* m_pOther = nullptr;
    QPlainTextEdit* m_pOtherText = nullptr;
    QLineEdit* m_pCapacity = nullptr;
};
