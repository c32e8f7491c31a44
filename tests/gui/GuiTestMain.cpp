#include "gui/app/CInterfaceLanguage.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widgets need an application object; tests run offscreen and never show a modal window.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    CInterfaceLanguage::Install(app); // as the program does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
