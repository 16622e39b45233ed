// The pure rules of the application frame: the title from the executable's
// file name, the period of the error box, the "Application Error" text and
// the localised default texts.

#include <QTest>

#include "application_title.h"
#include "error_text.h"
#include "failures.h"
#include "localised_number_text.h"
#include "number_format_settings.h"

using namespace morvane;
using namespace Qt::StringLiterals;

class TestAppTexts : public QObject {
    Q_OBJECT

private slots:
    void titleFromFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/morvane" << "morvane";
        QTest::newRow("capitals and extension") << "/opt/IRRIGATE.EXE" << "Irrigate";
        QTest::newRow("mixed case keeps first letter") << "/x/mORVANE.Bin" << "morvane";
        QTest::newRow("two dots cut at the first") << "/x/Wet.Front.exe" << "Wet";
        QTest::newRow("dot in the directory ignored") << "/my.dir/Sentinel" << "Sentinel";
        QTest::newRow("no directory") << "Morvane.exe" << "Morvane";
        QTest::newRow("leading dot leaves nothing") << "/x/.Hidden" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("non-ASCII lower-cased") << "/x/ÉTÉ.exe" << "Été";
    }
    void titleFromFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(applicationTitleFromFileName(path), title);
    }

    void closingPeriod_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "Floating point division by zero"
                                << "Floating point division by zero.";
        QTest::newRow("digit") << "Error 42" << "Error 42.";
        QTest::newRow("ends in period") << "Done." << "Done.";
        QTest::newRow("quote sorts below period") << "'abc'" << "'abc'";
        QTest::newRow("closing bracket") << "Odd)" << "Odd)";
        QTest::newRow("exclamation") << "Stop!" << "Stop!";
        QTest::newRow("space") << "Trailing " << "Trailing ";
        QTest::newRow("slash sorts after period") << "a/" << "a/.";
        QTest::newRow("colon") << "Reason:" << "Reason:.";
        QTest::newRow("non-ASCII") << "Größe" << "Größe.";
        QTest::newRow("empty") << "" << "";
    }
    void closingPeriod()
    {
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(withClosingPeriod(message.toStdString())), text);
    }

    void applicationError_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<quint64>("address");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("period added")
            << "EConvertError" << quint64(0x1A2B) << "'x' is not a valid floating point value"
            << "Exception EConvertError in module morvane at 00001A2B.\r\n"
               "'x' is not a valid floating point value.\r\n";
        QTest::newRow("period kept")
            << "std::runtime_error" << quint64(0xDEADBEEF) << "Stopped."
            << "Exception std::runtime_error in module morvane at DEADBEEF.\r\nStopped.\r\n";
        // Unlike the ordinary box, only a final "." suppresses the period.
        QTest::newRow("bracket gains a period")
            << "E" << quint64(0) << "Odd)" << "Exception E in module morvane at 00000000.\r\nOdd).\r\n";
        QTest::newRow("empty message")
            << "E" << quint64(0x123456789A) << ""
            << "Exception E in module morvane at 3456789A.\r\n\r\n";
        QTest::newRow("percent signs left alone")
            << "E" << quint64(1) << "%1 %2" << "Exception E in module morvane at 00000001.\r\n%1 %2.\r\n";
    }
    void applicationError()
    {
        QFETCH(QString, className);
        QFETCH(quint64, address);
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(applicationErrorText(className, u"morvane"_s, address, message),
                 text);
    }

    void localisedNumberText_data()
    {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point") << '.' << "2.5" << "2.5";
        QTest::newRow("comma") << ',' << "2.5" << "2,5";
        QTest::newRow("whole number") << ',' << "500" << "500";
    }
    void localisedNumberText()
    {
        QFETCH(char, separator);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const NumberFormatSettings saved = numberFormatSettings();
        numberFormatSettings().decimalSeparator = separator;
        const QString result = morvane::localisedNumberText(stored);
        numberFormatSettings() = saved;
        QCOMPARE(result, shown);
    }
};

QTEST_APPLESS_MAIN(TestAppTexts)
#include "tst_app_texts.moc"
