#pragma once
// Test helpers: an error reporter that records the boxes instead of showing
// them, and a main() that runs a QTest class inside a Application with the
// program's own fonts, as the program runs.

#include <QList>
#include <QString>
#include <QTest>

#include "application.h"
#include "bundled_fonts.h"
#include "error_reporter.h"

struct ShownBox {
    QString caption;
    QString text;
};

class CapturingReporter : public morvane::ErrorReporter {
public:
    void showErrorBox(const QString& caption, const QString& text) override
    {
        boxes.append({caption, text});
    }
    QList<ShownBox> boxes;
};

#define MORVANE_APP_TEST_MAIN(TestClass)                    \
    int main(int argc, char** argv)                         \
    {                                                       \
        morvane::Application application(argc, argv);      \
        morvane::loadBundledFonts();                        \
        TestClass test;                                     \
        return QTest::qExec(&test, argc, argv);             \
    }
