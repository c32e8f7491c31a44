#pragma once

#include <QDialog>

class CColorPage;
class CMailPage;
class COptionSheetModel;
class CViewPage;
class QTabWidget;

// The options: the pages "メール関係", "配色" and "その他" over one model. OK and leaving the
// mail page are refused while its capacity is wrong.
class COptionSheet : public QDialog {
    Q_OBJECT
public:
    COptionSheet(COptionSheetModel& model, QWidget* parent = nullptr);

    QTabWidget* GetTabs() const { return m_pTabs; }

    void accept() override;

private:
    void OnPageChanged(int index);

    QTabWidget* m_pTabs;
    CMailPage* m_pMailPage;
    CColorPage* m_pColorPage;
    CViewPage* m_pViewPage;
    int m_nCurrentPage = 0;
};
