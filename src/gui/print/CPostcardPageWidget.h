#pragma once

#include <QWidget>

class CPostcardPreviewModel;

// The card the preview shows, drawn to scale with its edge and printed boxes; a card whose
// postal code needs a look is framed in red with a note.
class CPostcardPageWidget : public QWidget {
    Q_OBJECT

public:
    CPostcardPageWidget(const CPostcardPreviewModel& model, QWidget* parent = nullptr);

    // 1.0 shows the card at its real size on the screen.
    void SetZoom(double zoom);
    double GetZoom() const { return m_dZoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double UnitsPerMm() const;

    const CPostcardPreviewModel& m_model;
    double m_dZoom = 1.0;
};
