#pragma once

#include <QWidget>

enum class EOptionColor;
class COptionSheetModel;
class QLabel;

// The option sheet's page "配色": text and background colours of the person list and the group
// tree, each with a preview of the caption in its colours.
class CColorPage : public QWidget {
    Q_OBJECT
public:
    CColorPage(COptionSheetModel& model, QWidget* parent = nullptr);

private:
    QWidget* MakeGroup(bool list);
    void ChooseColor(EOptionColor which);
    void ShowPreviews();

    COptionSheetModel& m_model;
    QLabel* m_pListPreview = nullptr;
    QLabel* m_pTreePreview = nullptr;
};
