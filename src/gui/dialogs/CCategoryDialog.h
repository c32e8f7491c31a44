#pragma once

#include "gui/dialogs/CEncodedFields.h"
#include "gui/dialogs/CPickListBinding.h"

#include <QDialog>

#include <memory>

class CCategoryDialogModel;
class CPersonalData;
class CPersonalListBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The group dialog: a group's name and its members, chosen from every person in kana order.
class CCategoryDialog : public QDialog {
    Q_OBJECT

public:
    CCategoryDialog(CCategoryDialogModel& model, QWidget* parent = nullptr);
    ~CCategoryDialog() override;

public slots:
    void accept() override;

private:
    QWidget* MakeMemberArea();
    QWidget* MakeButtons();
    void OnNameChanged();
    void UpdateCount();

    CCategoryDialogModel& m_model;
    CEncodedFields m_fields;
    QLineEdit* m_pName = nullptr;
    CPersonalListBox* m_pMembers = nullptr;
    CPersonalListBox* m_pOthers = nullptr;
    QLabel* m_pCount = nullptr;
    QPushButton* m_pOk = nullptr;
    std::unique_ptr<CPickListBinding<CPersonalData>> m_binding;
};
