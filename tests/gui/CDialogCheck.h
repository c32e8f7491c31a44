#pragma once

#include <QDialog>

#include <gtest/gtest.h>

// What every dialog owes a small screen: a frame with a close button but no minimise or
// maximise, and a smallest size that fits a 1024 x 600 screen under a panel and a title bar.
class CDialogCheck {
public:
    static constexpr int SCREEN_WIDTH = 1024;
    static constexpr int SCREEN_HEIGHT = 600;
    // A desktop panel, the title bar and the frame's edges.
    static constexpr int RESERVED_HEIGHT = 90;
    static constexpr int RESERVED_WIDTH = 20;

    static void Expect(const QDialog& dialog) {
        const QString name = dialog.metaObject()->className();
        EXPECT_FALSE(dialog.windowFlags().testAnyFlag(Qt::WindowMinMaxButtonsHint))
            << name.toStdString();
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint)) << name.toStdString();
        const QSize smallest = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
        EXPECT_LE(smallest.height(), SCREEN_HEIGHT - RESERVED_HEIGHT) << name.toStdString();
        EXPECT_LE(smallest.width(), SCREEN_WIDTH - RESERVED_WIDTH) << name.toStdString();
    }
};
