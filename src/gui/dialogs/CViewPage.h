#pragma once

#include <QWidget>

class COptionSheetModel;

// The option sheet's page "その他": cell editing by double-click and the reset of the person
// list's columns.
class CViewPage : public QWidget {
    Q_OBJECT
public:
    CViewPage(COptionSheetModel& model, QWidget* parent = nullptr);

private:
    COptionSheetModel& m_model;
};
