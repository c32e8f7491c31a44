#pragma once

#include "core/model/CPersonalData.h"
#include "gui/dialogs/CEncodedFields.h"
#include "gui/dialogs/CPickListBinding.h"

#include <QDialog>

#include <array>
#include <memory>

class CGroupListBox;
class CPersonalDialogModel;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The person dialog: every text of a person, the sex and the groups, with groups created on the
// way. It shows its model and hands it what the user typed; the model decides the rest.
class CPersonalDialog : public QDialog {
    Q_OBJECT

public:
    CPersonalDialog(CPersonalDialogModel& model, QWidget* parent = nullptr);
    ~CPersonalDialog() override;

    // The edit box of a text, the memo included.
    QWidget* GetBox(EPersonText text) const;

    void setVisible(bool visible) override;

public slots:
    void accept() override;

signals:
    // The main window's mail commands, as if chosen from its menu.
    void commandRequested(int id);

private:
    void AddLine(QGridLayout& grid, int row, EPersonText text);
    void AddLine(QGridLayout& grid, int row, EPersonText text, QLineEdit& edit);
    QWidget* MakeTextArea();
    QWidget* MakeSexBox();
    QWidget* MakeHomeTownBox();
    QWidget* MakeGroupArea();
    QWidget* MakeButtons();
    void ShowValues();
    void SetTabOrder();
    void SetOpeningFocus();
    bool ReadValues();
    void OnNameChanged();
    void OnNewGroup();
    void OnOpenHomePage();
    void UpdateCount();

    CPersonalDialogModel& m_model;
    CEncodedFields m_fields;
    std::array<QWidget*, CPersonalData::TEXT_COUNT> m_boxes{};
    QRadioButton* m_pMale = nullptr;
    QRadioButton* m_pFemale = nullptr;
    QButtonGroup* m_pSex = nullptr;
    CGroupListBox* m_pMembers = nullptr;
    CGroupListBox* m_pOthers = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pRemove = nullptr;
    QLabel* m_pCount = nullptr;
    QPushButton* m_pOk = nullptr;
    std::unique_ptr<CPickListBinding<CGroup>> m_binding;
};
