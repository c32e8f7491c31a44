#pragma once

#include <QDialog>

// The version box: the program's icon, name and version, one line about it and a close button,
// all on a diagonal cross-hatch.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr QRgb HATCH_COLOR = qRgb(210, 210, 250);

    explicit CAboutDialog(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
