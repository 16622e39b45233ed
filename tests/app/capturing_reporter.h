#pragma once
// Test helpers: an error reporter that records the boxes instead of showing
// them, and a main() that runs a QTest class inside a Application with the
// program's own fonts, as the program runs, and with settings of its own.

#include <QList>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
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

// The user's settings (the soils the window keeps) go to an empty folder of
// the test's own: the tests neither see the user's nor share one another's.
class PrivateSettings {
public:
    PrivateSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path()); }
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

#define MORVANE_APP_TEST_MAIN(TestClass)                    \
    int main(int argc, char** argv)                         \
    {                                                       \
        morvane::Application application(argc, argv);      \
        morvane::loadBundledFonts();                        \
        const PrivateSettings settings;                     \
        TestClass test;                                     \
        return QTest::qExec(&test, argc, argv);             \
    }
