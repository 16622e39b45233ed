// Start-up in the user's locale: the default texts are shown with the
// locale's decimal separator, so the first calculation succeeds and writes
// its results with that separator too. Run once per locale by CTest, which
// names the separator the locale must give in EXPECTED_DECIMAL_SEPARATOR.

#include <memory>

#include "capturing_reporter.h"
#include "number_format_settings.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

class TestLocaleStartUp : public QObject {
    Q_OBJECT

private slots:
    void startsCleanlyInTheLocale()
    {
        const QString separator = qEnvironmentVariable("EXPECTED_DECIMAL_SEPARATOR");
        QCOMPARE(separator.size(), 1);
        // The program loads its settings before the application object.
        loadNumberFormatSettings();
        QCOMPARE(QString(QLatin1Char(numberFormatSettings().decimalSeparator)), separator);

        CapturingReporter reporter;
        Application::instance()->setErrorReporter(&reporter);
        auto window = std::make_unique<MainWindow>();
        const WindowProbe probe(*window);
        Application::instance()->setErrorReporter(nullptr);

        QVERIFY(reporter.boxes.isEmpty());
        QCOMPARE(probe.control<QLineEdit>("Duration")->text(), "2" + separator + "5");
        QCOMPARE(probe.labelText("AppAmount"), u"25"_s);
        QCOMPARE(probe.labelText("LtTAW"), "35" + separator + "0");
        QCOMPARE(probe.labelText("LtAW"), "10" + separator + "0");
        QCOMPARE(probe.labelText("LtSTO"), u"29%"_s);
    }
};

MORVANE_APP_TEST_MAIN(TestLocaleStartUp)
#include "tst_locale_start_up.moc"
