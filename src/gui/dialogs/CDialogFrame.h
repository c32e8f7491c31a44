#pragma once

#include <QWidget>

// The frame every dialog and message box wears: a title and a close button, never minimise or
// maximise, asked of the window manager explicitly so that none adds them.
class CDialogFrame {
public:
    static constexpr Qt::WindowFlags FLAGS = Qt::Dialog | Qt::CustomizeWindowHint |
                                             Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                             Qt::WindowCloseButtonHint;
    // A dialog without a caption keeps only its border, drawn by itself.
    static constexpr Qt::WindowFlags CAPTIONLESS_FLAGS = Qt::Dialog | Qt::FramelessWindowHint;
};
