// The window in the locale it is started in, against the same window in the
// C locale: the two soil charts with their axes and the legend are the same
// pixels, and the second worked example typed with the locale's decimal
// separator gives its stated texts with that separator. CTest runs this
// once per locale and names the separator the locale must give in
// EXPECTED_DECIMAL_SEPARATOR; the C pictures come from this program started
// again in the C locale, which then saves them instead of testing.

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "application.h"
#include "bundled_fonts.h"
#include "capturing_reporter.h"
#include "main_window.h"
#include "number_format_settings.h"
#include "text_label.h"

using namespace morvane;

namespace {

const char* const kPictureDirVariable = "MORVANE_SAVE_PICTURES_TO";

// The parts of the window that show no number text.
const char* const kRegions[] = {"Chart1", "Chart2", "Image1"};

enum class Scenario { DefaultsAtStartUp, SecondExample };
const char* const kScenarioNames[] = {"defaults", "second-example"};

struct Input {
    const char* edit;
    const char* text;  // with "." for the decimal separator
};
const Input kSecondExample[] = {
    {"AppRate", "12"}, {"Duration", "1.75"}, {"LtDIrrig", "3"},
    {"LtCWU", "6.5"},  {"Ltsdepth", "450"},
};
// The stated results of the second example, with "." for the separator.
const Input kSecondExampleResults[] = {
    {"AppAmount", "21"}, {"LtSWD", "19.5"}, {"LtTAW", "31.5"}, {"LtAW", "12.0"},
    {"LtSTO", "38%"},    {"LtSD", "150"},   {"LtDD", "300"},   {"Hv1STO", "57%"},
};

QString inLocale(const char* text, QChar separator)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), separator);
}

QChar activeSeparator() { return QLatin1Char(numberFormatSettings().decimalSeparator); }

template <typename T = QWidget>
T* control(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// The window as the program starts it: number settings from the locale
// first, then the window, shown.
std::unique_ptr<MainWindow> startWindow()
{
    loadNumberFormatSettings();
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window was not shown");
    return window;
}

void enterSecondExample(QWidget& window)
{
    for (const Input& input : kSecondExample)
        control<QLineEdit>(window, input.edit)->setText(inLocale(input.text, activeSeparator()));
    QTest::mouseClick(control<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
}

// The markers move at the end of a chart's full redraw: the second picture
// shows them where they went.
QImage picture(QWidget& window)
{
    window.grab();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage region(QWidget& window, const QImage& whole, const char* name)
{
    const QWidget* part = control(window, name);
    return whole.copy(QRect(part->mapTo(&window, QPoint(0, 0)), part->size()));
}

// Shows the scenario in a fresh window and hands each region's picture to
// take(name, picture).
template <typename Take>
void showScenario(Scenario scenario, Take take)
{
    const std::unique_ptr<MainWindow> window = startWindow();
    if (scenario == Scenario::SecondExample)
        enterSecondExample(*window);
    const QImage whole = picture(*window);
    for (const char* name : kRegions)
        take(name, region(*window, whole, name));
}

QString pictureFile(const QString& dir, Scenario scenario, const char* region)
{
    return QDir(dir).filePath(QString("%1-%2.png")
                                  .arg(QLatin1String(kScenarioNames[int(scenario)]),
                                       QLatin1String(region)));
}

int savePictures(const QString& dir)
{
    bool saved = true;
    for (Scenario scenario : {Scenario::DefaultsAtStartUp, Scenario::SecondExample})
        showScenario(scenario, [&](const char* name, const QImage& image) {
            saved = image.save(pictureFile(dir, scenario, name)) && saved;
        });
    return saved ? 0 : 1;
}

}  // namespace

class TestWindowInLocale : public QObject {
    Q_OBJECT

private:
    QTemporaryDir cPictures_;

private slots:
    void initTestCase()
    {
        QVERIFY(cPictures_.isValid());
        QProcess cLocale;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QString::fromLatin1(kPictureDirVariable), cPictures_.path());
        cLocale.setProcessEnvironment(environment);
        cLocale.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(cLocale.waitForFinished(60000));
        QCOMPARE(cLocale.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cLocale.exitCode(), 0);
    }

    void separatorIsTheLocales()
    {
        const QString expected = qEnvironmentVariable("EXPECTED_DECIMAL_SEPARATOR");
        QCOMPARE(expected.size(), 1);
        loadNumberFormatSettings();
        QCOMPARE(activeSeparator(), expected.at(0));
    }

    void picturesMatchTheCLocale_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::newRow("defaults at start-up") << int(Scenario::DefaultsAtStartUp);
        QTest::newRow("second example") << int(Scenario::SecondExample);
    }
    void picturesMatchTheCLocale()
    {
        QFETCH(int, scenario);
        CapturingReporter reporter;
        Application::instance()->setErrorReporter(&reporter);
        QStringList differing;
        showScenario(Scenario(scenario), [&](const char* name, const QImage& image) {
            const QImage inC(pictureFile(cPictures_.path(), Scenario(scenario), name));
            if (inC.isNull() || image != inC.convertToFormat(image.format()))
                differing << QString::fromLatin1(name);
        });
        Application::instance()->setErrorReporter(nullptr);
        QVERIFY(reporter.boxes.isEmpty());
        QVERIFY2(differing.isEmpty(), qPrintable("differ from the C locale: " + differing.join(", ")));
    }

    void secondExampleTextsUseTheSeparator()
    {
        CapturingReporter reporter;
        Application::instance()->setErrorReporter(&reporter);
        const std::unique_ptr<MainWindow> window = startWindow();
        enterSecondExample(*window);
        Application::instance()->setErrorReporter(nullptr);
        QVERIFY(reporter.boxes.isEmpty());
        const QChar separator = activeSeparator();
        QCOMPARE(control<QLineEdit>(*window, "Duration")->text(), inLocale("1.75", separator));
        for (const Input& result : kSecondExampleResults)
            QCOMPARE(control<TextLabel>(*window, result.edit)->text(),
                     inLocale(result.text, separator));
    }
};

int main(int argc, char** argv)
{
    Application application(argc, argv);
    loadBundledFonts();
    const PrivateSettings settings;
    const QString pictureDir = qEnvironmentVariable(kPictureDirVariable);
    if (!pictureDir.isEmpty())
        return savePictures(pictureDir);
    TestWindowInLocale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_in_locale.moc"
