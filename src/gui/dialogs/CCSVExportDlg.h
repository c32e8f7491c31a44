#pragma once

#include <QDialog>

class CCSVExportModel;
class CCsvList;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

// The export dialog: the fields to write in their order, which persons, and in which format. Every
// rule is the model's; the dialog shows it after each step.
class CCSVExportDlg : public QDialog {
    Q_OBJECT

public:
    CCSVExportDlg(CCSVExportModel& model, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    QWidget* MakeLists();
    QWidget* MakeScope();
    QPushButton* MakeButton(const QString& text, const QString& name,
                            void (CCSVExportModel::*step)());
    void Refresh();

    CCSVExportModel& m_model;
    CCsvList* m_pFields = nullptr;
    CCsvList* m_pOrder = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pExclude = nullptr;
    QPushButton* m_pUp = nullptr;
    QPushButton* m_pDown = nullptr;
    QPushButton* m_pOk = nullptr;
    QButtonGroup* m_pScope = nullptr;
    QComboBox* m_pFormat = nullptr;
    QCheckBox* m_pHeader = nullptr;
};
