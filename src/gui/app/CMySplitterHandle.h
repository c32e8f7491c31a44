#pragma once

#include <QSplitterHandle>

// A white bar outlined in light grey instead of the style's own handle.
class CMySplitterHandle : public QSplitterHandle {
    Q_OBJECT

public:
    static constexpr QRgb OUTLINE = qRgb(201, 201, 201);

    CMySplitterHandle(Qt::Orientation orientation, QSplitter* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
