// The window as a screen reader reads it through Qt's accessibility
// interfaces: each result named with its meaning and value, each chart and
// marker in words, the pictures named. That changes are announced is read
// off the accessibility bus (xvfb_accessibility.sh).

#include <QAccessible>
#include <QList>

#include <memory>

#include "capturing_reporter.h"
#include "chart_description.h"
#include "localised_number_text.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

using Inputs = WindowInputs;

// Control name -> what a screen reader reads: a result's name, a chart's
// description.
using Readings = QList<QPair<QString, QString>>;

QAccessibleInterface* accessible(QWidget* control)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
    if (interface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(control->objectName()));
    return interface;
}

// Numbers in a stored text ("19.5 mm") written with the locale's separator.
QString localised(const char* text) { return localisedNumberText(QString::fromUtf8(text)); }

}  // namespace

Q_DECLARE_METATYPE(Inputs)

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    std::unique_ptr<MainWindow> window_;

    WindowProbe probe() { return WindowProbe(*window_); }

    void enter(const Inputs& inputs)
    {
        probe().enter(inputs);
        QVERIFY(reporter_.boxes.isEmpty());
    }

    QString description(const char* name)
    {
        return accessible(probe().control(name))->text(QAccessible::Description);
    }
    QString name(const char* name) { return accessible(probe().control(name))->text(QAccessible::Name); }

private slots:
    void init()
    {
        reporter_.boxes.clear();
        Application::instance()->setErrorReporter(&reporter_);
        window_ = std::make_unique<MainWindow>();
        window_->show();
    }
    void cleanup()
    {
        window_.reset();
        Application::instance()->setErrorReporter(nullptr);
    }

    // What is read for each control after start-up (no inputs) or after a
    // run with the given inputs: each result is named with its meaning and
    // value, each chart is described.
    void readsEveryResultAndChart_data()
    {
        QTest::addColumn<bool>("run");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<Readings>("readings");

        QTest::newRow("default inputs")
            << false << Inputs{} << Readings{
            {u"AppAmount"_s, u"Applied depth: 25 mm"_s},
            {u"LtSWD"_s, u"Soil water deficit: 25 mm"_s},
            {u"LtSTO"_s, u"Light soil storage: 29 percent"_s},
            {u"Hv1STO"_s, u"Heavy soil storage: 50 percent"_s},
            {u"LtSD"_s, u"Light soil shallow detector depth: 165 mm"_s},
            {u"LtDD"_s, u"Light soil deep detector depth: 335 mm"_s},
            {u"Chart1"_s,
             u"Light textured soil: 25 mm applied; the soil is wetted enough for a detector to "
             "respond down to 278 mm; shallow detector at 165 mm responds; deep detector at "
             "335 mm does not respond; the wetting front is at 400 mm after 24 hours; root "
             "zone 500 mm."_s},
            {u"Chart2"_s, u"Heavy textured soil: 25 mm applied; the soil is wetted enough for a detector to "
             "respond down to 357 mm; shallow detector at 165 mm responds; deep detector at "
             "335 mm responds; the wetting front is at 400 mm after 24 hours; root "
             "zone 500 mm."_s}};
        QTest::newRow("second example")
            << true << Inputs{"12", "1.75", "3", "6.5", "450"}
            << Readings{
            {u"AppAmount"_s, u"Applied depth: 21 mm"_s},
            {u"LtSWD"_s, u"Soil water deficit: "_s + localised("19.5") + u" mm"_s},
            {u"LtSTO"_s, u"Light soil storage: 38 percent"_s},
            {u"LtSD"_s, u"Light soil shallow detector depth: 150 mm"_s},
            {u"LtDD"_s, u"Light soil deep detector depth: 300 mm"_s},
            {u"Chart1"_s, u"Light textured soil: 21 mm applied; the soil is wetted enough for a detector to "
             "respond down to 252 mm; shallow detector at 150 mm responds; deep detector at "
             "300 mm does not respond; the wetting front is at 335 mm after 24 hours; root "
             "zone 450 mm."_s},
            {u"Chart2"_s, u"Heavy textured soil: 21 mm applied; the soil is wetted enough for a detector to "
             "respond down to 332 mm; shallow detector at 150 mm responds; deep detector at "
             "300 mm responds; the wetting front is at 335 mm after 24 hours; root "
             "zone 450 mm."_s}};
        QTest::newRow("storage negative")
            << true << Inputs{"10", "2.5", "10", "5", "500"}
            << Readings{
            {u"LtSTO"_s, u"Light soil storage: -43 percent"_s},
            {u"ltStoWarn"_s, u"Too much water removed from soil 1"_s}};
        QTest::newRow("24-hour front beyond the chart")
            << true << Inputs{"100", "5", "5", "5", "500"}
            << Readings{
            {u"Chart1"_s, u"Light textured soil: 500 mm applied; the soil is wetted enough for a detector to "
             "respond down to 5556 mm; shallow detector at 165 mm responds; deep detector at "
             "335 mm responds; the wetting front is at 9900 mm after 24 hours; root "
             "zone 500 mm; 24h is beyond 600 mm."_s}};
    }
    void readsEveryResultAndChart()
    {
        QFETCH(bool, run);
        QFETCH(Inputs, inputs);
        QFETCH(Readings, readings);
        if (run)
            enter(inputs);
        for (const auto& [control, expected] : readings) {
            const QByteArray name = control.toLatin1();
            const bool chart = control.startsWith(u"Chart"_s);
            QCOMPARE(chart ? description(name.constData()) : this->name(name.constData()),
                     expected);
        }
    }

    // The description keeps what a value means; the name carries the value.
    void resultsExplainTheirMeaning()
    {
        QAccessibleInterface* label = accessible(probe().control("LtSTO"));
        QCOMPARE(label->role(), QAccessible::StaticText);
        QVERIFY(label->text(QAccessible::Description).startsWith(u"How much of the water"_s));
    }

    void chartsAndPicturesAreNamed_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::newRow("light chart") << u"Chart1"_s << u"Light textured soil"_s << QAccessible::Client;
        QTest::newRow("heavy chart") << u"Chart2"_s << u"Heavy textured soil"_s << QAccessible::Client;
        QTest::newRow("legend") << u"Image1"_s << u"Legend"_s << QAccessible::Graphic;
        // A pane, not a frame: a screen reader takes a frame for a window and
        // follows no focus into it.
        QTest::newRow("teal panel") << u"Panel2"_s << QString() << QAccessible::Pane;
        QTest::newRow("detector picture")
            << u"Image2"_s << u"A wetting-front detector held upright"_s << QAccessible::Graphic;
    }
    void chartsAndPicturesAreNamed()
    {
        QFETCH(QString, control);
        QFETCH(QString, expectedName);
        QFETCH(QAccessible::Role, role);
        QAccessibleInterface* interface = accessible(probe().control(control.toLatin1().constData()));
        QCOMPARE(interface->text(QAccessible::Name), expectedName);
        QCOMPARE(interface->role(), role);
    }

    // A shallow root zone shows no deep detector and a front above the
    // detection zone no 24-hour line: neither is read.
    void chartDescriptionLeavesOutWhatIsNotDrawn()
    {
        ChartFacts facts;
        facts.soilName = u"Heavy textured soil"_s;
        facts.appliedDepth = 3;
        facts.detectionDepth = 27.5;
        facts.shallow = {150, false};
        facts.rootZone = 250;
        QCOMPARE(chartDescription(facts),
                 u"Heavy textured soil: 3 mm applied; the soil is wetted enough for a detector "
                 "to respond down to 28 mm; shallow detector at 150 mm does not respond; root "
                 "zone 250 mm."_s);
    }

    // Each marker says which detector it is and whether it responds, as its
    // colour shows.
    void markersSayWhetherTheirDetectorResponds()
    {
        QCOMPARE(name("Shape1"), u"Light textured soil: Shallow detector at 165 mm responds"_s);
        QCOMPARE(name("Shape2"),
                 u"Light textured soil: Deep detector at 335 mm does not respond"_s);
        QCOMPARE(name("Shape4"), u"Heavy textured soil: Deep detector at 335 mm responds"_s);
    }
};

MORVANE_APP_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
