#pragma once

#include <QDialog>

class CDuplicateDialogModel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The duplicates dialog: the sets found, the chosen set's persons side by side where they
// differ, the person who stays, and what that person becomes. 統合 closes it to merge.
class CDuplicateDlg : public QDialog {
    Q_OBJECT

public:
    explicit CDuplicateDlg(CDuplicateDialogModel& model, QWidget* parent = nullptr);

private:
    QWidget* MakeSetArea();
    QWidget* MakeDetailArea();
    QWidget* MakeButtons();
    void FillSets();
    void OnSetChosen();
    void OnKeepChosen(int member);
    void ShowSet();
    void OnNotDuplicates();

    CDuplicateDialogModel& m_model;
    QListWidget* m_pSets = nullptr;
    QLabel* m_pNone = nullptr;
    QComboBox* m_pKeep = nullptr;
    QTableWidget* m_pDifferences = nullptr;
    QTableWidget* m_pResult = nullptr;
    QPushButton* m_pMerge = nullptr;
    QPushButton* m_pNotDuplicates = nullptr;
};
