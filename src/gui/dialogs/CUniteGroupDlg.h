#pragma once

#include "gui/dialogs/CEncodedFields.h"
#include "gui/dialogs/CPickListBinding.h"

#include <QDialog>

#include <memory>

class CGroup;
class CGroupListBox;
class CUniteGroupModel;
class QLineEdit;
class QPushButton;

// The unite dialog: the groups to unite and the name of the group that replaces them.
class CUniteGroupDlg : public QDialog {
    Q_OBJECT

public:
    CUniteGroupDlg(CUniteGroupModel& model, QWidget* parent = nullptr);
    ~CUniteGroupDlg() override;

public slots:
    void accept() override;

private:
    QWidget* MakeGroupArea();
    QWidget* MakeButtons();
    void OnNameChanged();

    CUniteGroupModel& m_model;
    CEncodedFields m_fields;
    QLineEdit* m_pName = nullptr;
    CGroupListBox* m_pChosen = nullptr;
    CGroupListBox* m_pOthers = nullptr;
    QPushButton* m_pOk = nullptr;
    std::unique_ptr<CPickListBinding<CGroup>> m_binding;
};
