// The chart tests need a QApplication (fonts, widgets) with the bundled
// fonts loaded before anything is measured.

#include "bundled_fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // CTest sets the platform; listing the tests at build time does not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    morvane::loadBundledFonts();
    return RUN_ALL_TESTS();
}
