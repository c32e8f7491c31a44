#pragma once

#include <QDialog>

class CCSVImportModel;
class CCsvList;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

// The import dialog: which column of the file feeds which person field, where the persons go,
// and how the file is read. Every rule is the model's; the dialog shows it after each step.
class CCSVImportDlg : public QDialog {
    Q_OBJECT

public:
    CCSVImportDlg(CCSVImportModel& model, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    QWidget* MakeLists();
    QWidget* MakeChoices();
    void OnOptionsChanged();
    // Brings rows, selections and buttons in line with the model.
    void Refresh();

    CCSVImportModel& m_model;
    CCsvList* m_pFields = nullptr;
    CCsvList* m_pColumns = nullptr;
    QPushButton* m_pAssign = nullptr;
    QPushButton* m_pUnassign = nullptr;
    QPushButton* m_pOk = nullptr;
    QButtonGroup* m_pTarget = nullptr;
    QComboBox* m_pEncoding = nullptr;
    QCheckBox* m_pHeader = nullptr;
    QComboBox* m_pQuoting = nullptr;
};
