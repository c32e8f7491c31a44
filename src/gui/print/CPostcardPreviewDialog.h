#pragma once

#include <QDialog>

class CPostcardPageWidget;
class CPostcardPreviewModel;
class CUserInterface;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// The postcard preview: one card per page with the paper's outline, zoom, the choices that
// change the cards (honorific, numerals, printer offset, font), and 印刷 / PDFに保存 / 閉じる.
// It only shows the model and forwards what the user does.
class CPostcardPreviewDialog : public QDialog {
    Q_OBJECT

public:
    CPostcardPreviewDialog(CPostcardPreviewModel& model, CUserInterface& ui,
                           QWidget* parent = nullptr);

    // Asks for a file name and writes every card to it; false when nothing was written.
    bool SavePdf();
    void Print();

    QLabel* GetStatusLabel() const { return m_status; }
    QLabel* GetPageLabel() const { return m_page; }
    QPushButton* GetNextButton() const { return m_next; }
    QPushButton* GetPreviousButton() const { return m_previous; }
    QComboBox* GetHonorificBox() const { return m_honorific; }
    QCheckBox* GetArabicBox() const { return m_arabic; }
    QComboBox* GetZoomBox() const { return m_zoom; }
    CPostcardPageWidget* GetPageWidget() const { return m_pageWidget; }

private:
    QLayout* CreateChoices();
    QLayout* CreatePaging();
    QLayout* CreateButtons();
    void Refresh();
    void OnOffsetChanged();

    CPostcardPreviewModel& m_model;
    CUserInterface& m_ui;
    CPostcardPageWidget* m_pageWidget;
    QLabel* m_status = nullptr;
    QLabel* m_page = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_savePdf = nullptr;
    QComboBox* m_zoom = nullptr;
    QComboBox* m_honorific = nullptr;
    QCheckBox* m_arabic = nullptr;
    QDoubleSpinBox* m_offsetX = nullptr;
    QDoubleSpinBox* m_offsetY = nullptr;
    QFontComboBox* m_font = nullptr;
};
