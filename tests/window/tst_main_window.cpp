// The main window in use: start-up results, failures shown in the error box,
// the deep-detector labels, the layout and the keyboard.

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>

#include "capturing_reporter.h"
#include "failures.h"
#include "picture_view.h"
#include "text_label.h"
#include "labeled_edit.h"
#include "number_format_settings.h"
#include "panel.h"
#include "startup.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

const QString kBadDuration = u"'abc' is not a valid floating point value."_s;
const QString kZeroDivide = u"Floating point division by zero."_s;

// The result labels and their texts for the default inputs.
const QList<std::pair<const char*, const char*>> kDefaultResults = {
    {"AppAmount", "25"}, {"LtSWD", "25"},  {"LtTAW", "35.0"},
    {"LtAW", "10.0"},    {"LtSTO", "29%"}, {"LtSD", "165"},   {"LtDD", "335"},
    {"Hv1STO", "50%"},
};

Application& application() { return *Application::instance(); }

// What a control covers in its parent: a label its glyphs, another control
// its rectangle.
QRect footprint(const QWidget& control)
{
    const auto* label = qobject_cast<const TextLabel*>(&control);
    if (label == nullptr)
        return control.geometry();
    const QFontMetrics metrics(label->font());
    return metrics.tightBoundingRect(label->text())
        .translated(label->pos() + QPoint(0, metrics.ascent()));
}

// A label's name and where its left edge is expected.
using TextLabelLeft = std::pair<QString, int>;

// A widget whose paint fails, as a chart's after-draw handler could.
class FailingWidget : public QWidget {
public:
    std::function<void()> onPaint = [] {};

protected:
    void paintEvent(QPaintEvent*) override { onPaint(); }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    std::unique_ptr<MainWindow> window_;

    WindowProbe probe() { return WindowProbe(*window_); }

    void compareDefaultResults()
    {
        for (const auto& [name, text] : kDefaultResults)
            QCOMPARE(probe().labelText(name), QString::fromLatin1(text));
    }

private slots:
    void init()
    {
        reporter_.boxes.clear();
        application().setErrorReporter(&reporter_);
        window_ = std::make_unique<MainWindow>();
        window_->show();
    }
    void cleanup()
    {
        window_.reset();
        application().setErrorReporter(nullptr);
    }

    void startUpShowsDefaultResults()
    {
        QVERIFY(reporter_.boxes.isEmpty());
        compareDefaultResults();
        QCOMPARE(probe().control<QLineEdit>("Duration")->text(), u"2.5"_s);
        QVERIFY(probe().control("LightPage")->isVisible());
        QVERIFY(probe().control("ltStoWarn")->isHidden());
        QVERIFY(probe().control("HvSTOWarn")->isHidden());
        QVERIFY(!probe().control("LtDD")->isHidden());
    }

    void titleComesFromTheExecutable()
    {
        QCOMPARE(application().title(), u"tst_main_window"_s);
    }

    void recalculatingTwiceChangesNothing()
    {
        probe().pressRecalculate();
        probe().pressRecalculate();
        QVERIFY(reporter_.boxes.isEmpty());
        compareDefaultResults();
    }

    void badDurationShowsOneBoxAndKeepsAppliedDepth()
    {
        probe().type("Duration", u"abc"_s);
        probe().type("Ltsdepth", u"600"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].caption, application().title());
        QCOMPARE(reporter_.boxes[0].text, kBadDuration);
        compareDefaultResults();
        QVERIFY(window_->isVisible());

        probe().type("Duration", u"3"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(probe().labelText("AppAmount"), u"30"_s);
        QCOMPARE(probe().labelText("LtTAW"), u"42.0"_s);
        QCOMPARE(probe().labelText("LtAW"), u"17.0"_s);
        QCOMPARE(probe().labelText("LtSTO"), u"40%"_s);
        QCOMPARE(probe().labelText("Hv1STO"), u"58%"_s);
        QCOMPARE(probe().labelText("LtSD"), u"200"_s);
        QCOMPARE(probe().labelText("LtDD"), u"400"_s);
    }

    void zeroDaysUpdatesWhatWasWrittenBeforeTheFailure()
    {
        probe().type("Duration", u"3"_s);
        probe().type("LtDIrrig", u"0"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].caption, application().title());
        QCOMPARE(reporter_.boxes[0].text, kZeroDivide);
        QCOMPARE(probe().labelText("AppAmount"), u"30"_s);
        QCOMPARE(probe().labelText("LtSWD"), u"0"_s);
        QCOMPARE(probe().labelText("LtTAW"), u"35.0"_s);
        QCOMPARE(probe().labelText("LtAW"), u"10.0"_s);
        QCOMPARE(probe().labelText("LtSTO"), u"29%"_s);
        QCOMPARE(probe().labelText("Hv1STO"), u"50%"_s);
        QCOMPARE(probe().labelText("LtSD"), u"165"_s);

        probe().type("Duration", u"2.5"_s);
        probe().type("LtDIrrig", u"5"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        compareDefaultResults();
    }

    void deepDetectorFollowsRootZone_data()
    {
        QTest::addColumn<QString>("rootZone");
        QTest::addColumn<bool>("deepShown");
        QTest::addColumn<QString>("deepDepth");
        QTest::newRow("299 hides") << "299" << false << "200";
        QTest::newRow("300 shows") << "300" << true << "200";
        QTest::newRow("250 hides") << "250" << false << "165";
    }
    void deepDetectorFollowsRootZone()
    {
        QFETCH(QString, rootZone);
        QFETCH(bool, deepShown);
        QFETCH(QString, deepDepth);
        probe().type("Ltsdepth", rootZone);
        probe().pressRecalculate();
        QVERIFY(reporter_.boxes.isEmpty());
        for (const char* name : {"Label26", "LtDD", "Shape2", "Shape4"})
            QCOMPARE(probe().control(name)->isHidden(), !deepShown);
        for (const char* name : {"Label9", "Label8", "Label25", "LtSD", "Shape1", "Shape3"})
            QVERIFY(!probe().control(name)->isHidden());
        if (deepShown)
            QCOMPARE(probe().labelText("LtDD"), deepDepth);
    }

    void negativeStorageTurnsRedAndWarns()
    {
        probe().type("LtDIrrig", u"10"_s);
        probe().pressRecalculate();
        QCOMPARE(probe().labelText("LtSTO"), u"-43%"_s);
        QCOMPARE(probe().control<TextLabel>("LtSTO")->fontColour(), QColor(255, 0, 0));
        QVERIFY(!probe().control("ltStoWarn")->isHidden());
        QCOMPARE(probe().labelText("Hv1STO"), u"0%"_s);
        QCOMPARE(probe().control<TextLabel>("Hv1STO")->fontColour(), QColor(0, 0, 0));
        QVERIFY(probe().control("HvSTOWarn")->isHidden());

        probe().type("LtDIrrig", u"5"_s);
        probe().pressRecalculate();
        QCOMPARE(probe().control<TextLabel>("LtSTO")->fontColour(), QColor(0, 0, 0));
        QVERIFY(probe().control("ltStoWarn")->isHidden());
    }

    void enterDoesNotRecalculate()
    {
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        probe().type("Duration", u"3"_s);
        for (const char* name : {"Duration", "BitBtn1"}) {
            QWidget* control = probe().control(name);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClick(control, Qt::Key_Enter);
        }
        QCOMPARE(probe().labelText("AppAmount"), u"25"_s);
    }

    void tabKeyFollowsInputOrder()
    {
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        const char* order[] = {"Ltsdepth", "LtCWU", "LtDIrrig", "BitBtn1", "Duration", "AppRate"};
        probe().control(order[0])->setFocus();
        for (const char* name : order) {
            QCOMPARE(QApplication::focusWidget(), probe().control(name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), probe().control(order[0]));
    }

    void windowIsFixedSize()
    {
        QCOMPARE(window_->windowTitle(), u"Morvane"_s);
        QCOMPARE(window_->size(), QSize(862, 628));
        QCOMPARE(window_->minimumSize(), QSize(862, 628));
        QCOMPARE(window_->maximumSize(), QSize(862, 628));
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void controlGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 862, 628);
        QTest::newRow("Panel2") << "Panel2" << QRect(1, 1, 860, 176);
        QTest::newRow("Panel3") << "Panel3" << QRect(24, 8, 601, 161);
        QTest::newRow("LightPage") << "LightPage" << QRect(1, 1, 599, 135);
        QTest::newRow("AppRate") << "AppRate" << QRect(664, 24, 161, 19);
        QTest::newRow("Duration") << "Duration" << QRect(664, 80, 161, 19);
        QTest::newRow("Label3") << "Label3" << QRect(664, 112, 121, 17);
        QTest::newRow("AppAmount") << "AppAmount" << QRect(792, 112, 25, 17);
        QTest::newRow("BitBtn1") << "BitBtn1" << QRect(664, 144, 161, 25);
        QTest::newRow("Ltsdepth") << "Ltsdepth" << QRect(8, 16, 129, 19);
        QTest::newRow("LtCWU") << "LtCWU" << QRect(8, 56, 129, 19);
        QTest::newRow("LtDIrrig") << "LtDIrrig" << QRect(8, 96, 129, 19);
        QTest::newRow("ltStoWarn") << "ltStoWarn" << QRect(405, 80, 193, 17);
        QTest::newRow("HvSTOWarn") << "HvSTOWarn" << QRect(405, 104, 193, 17);
        QTest::newRow("Chart1") << "Chart1" << QRect(64, 192, 137, 401);
        QTest::newRow("Chart2") << "Chart2" << QRect(240, 192, 137, 401);
        QTest::newRow("warn24h") << "warn24h" << QRect(80, 592, 110, 13);
        QTest::newRow("warn24h2") << "warn24h2" << QRect(272, 592, 110, 13);
        QTest::newRow("Image1") << "Image1" << QRect(424, 224, 289, 353);
        QTest::newRow("Image2") << "Image2" << QRect(728, 184, 97, 417);
    }
    void controlGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(probe().control(name.toLatin1().constData())->geometry(), geometry);
    }

    void labelPositions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        const QList<std::pair<const char*, QPoint>> labels = {
            {"Label4", {824, 112}},  {"Label15", {216, 8}},   {"LtSWD", {368, 8}},
            {"Label19", {216, 80}},  {"LtSTO", {368, 80}},    {"Label5", {216, 104}},
            {"Hv1STO", {368, 104}},  {"Label25", {440, 8}},   {"LtSD", {544, 8}},
            {"Label8", {576, 8}},    {"Label26", {440, 40}},  {"LtDD", {544, 40}},
            {"Label9", {576, 40}},   {"LtTAW", {368, 56}},    {"LtAW", {368, 80}},
            {"Label6", {80, 176}},   {"Label7", {264, 176}},
        };
        for (const auto& [name, position] : labels)
            QTest::newRow(name) << QString::fromLatin1(name) << position;
    }
    void labelPositions()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QCOMPARE(probe().control(name.toLatin1().constData())->pos(), position);
    }

    // Hidden labels too: a warning must fit when it shows. Long results (a
    // negative storage, the warnings) come from a run that shows them all.
    void everyLabelShowsItsWholeText()
    {
        probe().type("AppRate", u"100"_s);
        probe().type("LtDIrrig", u"10"_s);
        probe().pressRecalculate();
        QVERIFY(!probe().control("ltStoWarn")->isHidden());
        QVERIFY(!probe().control("warn24h")->isHidden());
        for (const TextLabel* label : window_->findChildren<TextLabel*>()) {
            const QString name = label->objectName() + u": "_s + label->text();
            const QSize needed = label->sizeHint();
            QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height(),
                     qPrintable(name));
            // The glyphs (not the empty cell above them) lie inside the parent.
            const QFontMetrics metrics(label->font());
            const QRect ink = metrics.tightBoundingRect(label->text())
                                  .translated(label->pos() + QPoint(0, metrics.ascent()));
            QVERIFY2(label->parentWidget()->rect().contains(ink), qPrintable(name));
        }
    }

    // Long values: each label shows its whole text inside its panel and
    // overlaps nothing beside it. A value that outgrows its place moves what
    // follows it right, 4 pixels after it; a line that would then pass the
    // panel's right edge (856 on the teal panel, 4 pixels inside it; 599 on
    // the white page) moves left as a whole. Digits are 7 pixels wide at 13
    // pixels bold, 6 at 11 pixels bold ("%" 11, "-" 4).
    void longValuesStayWholeAndApart_data()
    {
        QTest::addColumn<QStringList>("inputs");  // rate, duration, root zone, days
        QTest::addColumn<QList<TextLabelLeft>>("lefts");
        QTest::newRow("five-digit applied depth")  // "14850": 35 wide, "mm" at 792 + 35 + 4
            << QStringList{u"150"_s, u"99"_s, u"500"_s, u"5"_s}
            << QList<TextLabelLeft>{
                   {u"Label3"_s, 664}, {u"AppAmount"_s, 792}, {u"Label4"_s, 831}};
        QTest::newRow("seven-digit applied depth")  // 49 wide: "mm" would end at 869
            << QStringList{u"10000"_s, u"100"_s, u"500"_s, u"5"_s}
            << QList<TextLabelLeft>{
                   {u"Label3"_s, 651}, {u"AppAmount"_s, 779}, {u"Label4"_s, 832}};
        QTest::newRow("nine-digit applied depth")  // 63 wide: 27 to the left
            << QStringList{u"999999999"_s, u"1"_s, u"500"_s, u"5"_s}
            << QList<TextLabelLeft>{{u"Label3"_s, 637}, {u"Label4"_s, 832}};
        QTest::newRow("five-digit detector depths")  // "33335": 30 wide, "mm" ends at 598
            << QStringList{u"10"_s, u"2.5"_s, u"99999"_s, u"5"_s}
            << QList<TextLabelLeft>{
                   {u"Label25"_s, 440}, {u"LtSD"_s, 544}, {u"Label8"_s, 578},
                   {u"Label26"_s, 440}, {u"LtDD"_s, 544}, {u"Label9"_s, 578}};
        QTest::newRow("six-digit detector depths")  // 36 wide: "mm" would end at 604
            << QStringList{u"10"_s, u"2.5"_s, u"999999"_s, u"5"_s}
            << QList<TextLabelLeft>{
                   {u"Label15"_s, 211}, {u"LtSWD"_s, 363}, {u"Label25"_s, 435},
                   {u"LtSD"_s, 539}, {u"Label8"_s, 579}, {u"Label26"_s, 435}};
        QTest::newRow("negative storages")  // "-100800%" 50 wide, "-70530%" 44
            << QStringList{u"10"_s, u"2.5"_s, u"500"_s, u"7063"_s}
            << QList<TextLabelLeft>{
                   {u"Label19"_s, 200}, {u"LtSTO"_s, 352}, {u"ltStoWarn"_s, 406},
                   {u"Label5"_s, 206}, {u"Hv1STO"_s, 358}, {u"HvSTOWarn"_s, 406}};
        QTest::newRow("seven-digit deficit")  // "6172835" at 12 pixels: 49 wide
            << QStringList{u"10"_s, u"2.5"_s, u"500"_s, u"1234567"_s}
            << QList<TextLabelLeft>{{u"LtSWD"_s, 368}, {u"Label25"_s, 440}};
    }
    void longValuesStayWholeAndApart()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QList<TextLabelLeft>, lefts);
        probe().type("AppRate", inputs[0]);
        probe().type("Duration", inputs[1]);
        probe().type("Ltsdepth", inputs[2]);
        probe().type("LtDIrrig", inputs[3]);
        probe().pressRecalculate();
        QVERIFY(reporter_.boxes.isEmpty());
        for (const auto& [name, left] : lefts)
            QCOMPARE(probe().control(name.toLatin1().constData())->x(), left);

        for (const TextLabel* label : window_->findChildren<TextLabel*>()) {
            if (label->isHidden())
                continue;
            const QString name = label->objectName() + u": "_s + label->text();
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name));
            // The glyphs, not the empty cell above them, lie inside the
            // parent and clear of every other control there.
            QVERIFY2(label->parentWidget()->rect().contains(footprint(*label)), qPrintable(name));
            for (const QWidget* neighbour : label->parentWidget()->findChildren<QWidget*>(
                     Qt::FindDirectChildrenOnly))
                if (neighbour != label && !neighbour->isHidden())
                    QVERIFY2(!footprint(*neighbour).intersects(footprint(*label)),
                             qPrintable(name + u" overlaps "_s + neighbour->objectName()));
        }
    }

    void editLabelsSitAboveTheirEdits()
    {
        for (const char* name : {"AppRate", "Duration", "Ltsdepth", "LtCWU", "LtDIrrig"}) {
            auto* edit = probe().control<LabeledEdit>(name);
            const QRect label = edit->label()->geometry();
            QCOMPARE(label.left(), edit->x());
            QCOMPARE(label.top() + label.height(), edit->y() - 3);
            QCOMPARE(edit->label()->size(), edit->label()->sizeHint());
        }
    }

    void fontsAndColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("AppRate label") << "AppRateLabel" << 11 << true << QColor(0, 255, 255);
        QTest::newRow("Label3") << "Label3" << 13 << true << QColor(0, 255, 255);
        QTest::newRow("AppAmount") << "AppAmount" << 13 << true << QColor(255, 255, 255);
        QTest::newRow("Ltsdepth label") << "LtsdepthLabel" << 12 << true << QColor(0, 0, 0);
        QTest::newRow("LtSWD") << "LtSWD" << 12 << true << QColor(0, 0, 0);
        QTest::newRow("LtSTO") << "LtSTO" << 11 << true << QColor(0, 0, 0);
        QTest::newRow("ltStoWarn") << "ltStoWarn" << 11 << true << QColor(255, 0, 0);
        QTest::newRow("Label6") << "Label6" << 13 << true << QColor(0, 0, 0);
        QTest::newRow("warn24h") << "warn24h" << 11 << false << QColor(255, 0, 0);
        QTest::newRow("LtTAW") << "LtTAW" << 11 << false << QColor(0, 0, 0);
    }
    void fontsAndColours()
    {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        auto* label = probe().control<TextLabel>(name.toLatin1().constData());
        QCOMPARE(label->font().pixelSize(), pixelSize);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->fontColour(), colour);
    }

    void panelColours()
    {
        QCOMPARE(probe().control<Panel>("Panel1")->palette().color(QPalette::Window), QColor(255, 251, 240));
        QCOMPARE(probe().control<Panel>("Panel2")->palette().color(QPalette::Window), QColor(0, 128, 128));
        QCOMPARE(probe().control<Panel>("Panel3")->palette().color(QPalette::Window), QColor(255, 255, 255));
        // The charts paint their own panels: sand outside the plot.
        for (const char* chart : {"Chart1", "Chart2"})
            QCOMPARE(probe().control(chart)->grab().toImage().pixelColor(2, 2),
                     QColor(240, 202, 166));
        QCOMPARE(window_->palette().color(QPalette::Window), QColor(240, 202, 166));
    }

    void detectorPictureIsStretchedToItsControl()
    {
        const QPixmap picture = probe().control<PictureView>("Image2")->picture();
        QCOMPARE(picture.size(), QSize(97, 417));
    }

    void everyInputAndResultHasAnAccessibleName()
    {
        for (const char* name : {"AppRate", "Duration", "Ltsdepth", "LtCWU", "LtDIrrig",
                                 "BitBtn1", "AppAmount", "LtSWD", "LtTAW", "LtAW", "LtSTO",
                                 "LtSD", "LtDD", "Hv1STO"})
            QVERIFY2(!probe().control(name)->accessibleName().isEmpty(), name);
    }

    void localeChangeReloadsTheSeparator()
    {
        const QByteArray saved = qgetenv("LC_ALL");
        qputenv("LC_ALL", "de_DE.utf8");
        QEvent localeChange(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &localeChange);
        const char separator = numberFormatSettings().decimalSeparator;
        probe().pressRecalculate();  // "2.5" is no number with ","
        probe().type("Duration", u"2,5"_s);
        probe().pressRecalculate();
        const QString tawAfter = probe().labelText("LtTAW");

        qputenv("LC_ALL", saved);
        QCoreApplication::sendEvent(qApp, &localeChange);
        QCOMPARE(separator, ',');
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].text,
                 u"'2.5' is not a valid floating point value."_s);
        QCOMPARE(tawAfter, u"35,0"_s);
        QCOMPARE(numberFormatSettings().decimalSeparator, '.');
    }

    // No box may open while a widget paints: a failure caught there is shown
    // once the event loop runs again.
    void failureWhilePaintingIsShownAfterThePaint()
    {
        FailingWidget widget;
        widget.onPaint = [] {
            try {
                throw EZeroDivide();
            } catch (...) {
                Application::reportLater(std::current_exception());
            }
        };
        widget.resize(20, 20);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCoreApplication::processEvents();
        reporter_.boxes.clear();
        widget.repaint();
        QVERIFY(reporter_.boxes.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].text, kZeroDivide);
        QCOMPARE(reporter_.boxes[0].caption, application().title());
    }

    void foreignFailureGetsTheApplicationErrorBox()
    {
        Application::reportFailures([] { throw std::runtime_error("cable cut"); });
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].caption, u"Application Error"_s);
        const QRegularExpression expected(u"^Exception std::runtime_error in module tst_main_window at [0-9A-F]{8}\\.\r\n"
            "cable cut\\.\r\n$"_s);
        QVERIFY2(expected.match(reporter_.boxes[0].text).hasMatch(),
                 qPrintable(reporter_.boxes[0].text));
        // The program carries on: the next press still recalculates.
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
    }

    void startUpFailureEndsWithExitCodeOne()
    {
        const int exitCode = runApplication(application(), [] {
            throw EConvertError("'x' is not a valid floating point value");
        });
        QCOMPARE(exitCode, 1);
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].caption, u"Application Error"_s);
        const QRegularExpression expected(u"^Exception EConvertError in module tst_main_window at [0-9A-F]{8}\\.\r\n"
            "'x' is not a valid floating point value\\.\r\n$"_s);
        QVERIFY2(expected.match(reporter_.boxes[0].text).hasMatch(),
                 qPrintable(reporter_.boxes[0].text));
    }

    void realErrorBox()
    {
        application().setErrorReporter(nullptr);
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        Qt::WindowModality modality = Qt::NonModal;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        closer.start(10);
        probe().type("Duration", u"abc"_s);
        probe().pressRecalculate();
        closer.stop();
        QCOMPARE(caption, application().title());
        QCOMPARE(text, kBadDuration);
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(probe().labelText("AppAmount"), u"25"_s);
    }
};

MORVANE_APP_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
