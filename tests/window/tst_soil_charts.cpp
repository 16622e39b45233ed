// The soil profile charts and the legend as the user sees them: the window
// is grabbed and its pixels read, after start-up and after "Recalculate".
// Chart rows are counted from the top of each chart panel.

#include <QImage>
#include <QScreen>
#include <QWindow>
#include <QList>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "bundled_fonts.h"
#include "capturing_reporter.h"
#include "chart.h"
#include "expected_colours.h"
#include "pixel_runs.h"
#include "circle_marker.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {


// Where the charts and the legend sit in the window.
constexpr QPoint kChartOrigin[2] = {{64, 192}, {240, 192}};
constexpr QSize kChartSize(137, 401);
const QRect kLegendRect(424, 224, 289, 353);
// A column of the plot clear of the markers (columns 80..96).
constexpr int kProbeColumn = 120;

using Inputs = WindowInputs;
const Inputs kDefaultInputs{"10", "2.5", "5", "5", "500"};
const Inputs kSecondExample{"12", "1.75", "3", "6.5", "450"};

// What one chart shows in the probe column, as runs of rows per colour, and
// whether the warning under it shows.
struct ChartRows {
    Runs blue;
    int bandBottom;  // the black line under the band; 0 when there is none
    Runs yellow;
    Runs green;
    Runs fuchsia;
    bool warning;
};

struct Marker {
    bool visible;
    int top;
    QColor fill;
};

struct ChartCase {
    const char* name;
    Inputs inputs;
    ChartRows light, heavy;
    std::array<Marker, 4> markers;  // Shape1 .. Shape4
};

const Marker kHidden{false, 0, {}};

const ChartCase kCases[] = {
    {"default inputs",
     kDefaultInputs,
     {{{41, 199}}, 200, {{327, 329}}, {{269, 271}}, {{26, 39}}, false},
     {{{41, 244}}, 245, {{327, 329}}, {{269, 271}}, {{26, 39}}, false},
     {{{true, 127, kRed}, {true, 225, kYellow}, {true, 127, kRed}, {true, 225, kRed}}}},
    {"second example",
     kSecondExample,
     {{{41, 184}}, 185, {{298, 300}}, {{231, 233}}, {{28, 39}}, false},
     // The 24-hour line covers this band's bottom line.
     {{{41, 230}}, 0, {{298, 300}}, {{231, 233}}, {{28, 39}}, false},
     {{{true, 118, kRed}, {true, 204, kYellow}, {true, 118, kRed}, {true, 204, kRed}}}},
    // Detection depths 5556 and 7143 mm, 24-hour fronts 9900 mm: the band
    // fills the plot, the lines fall outside the panel, the bar above it.
    {"detection and 24-hour front beyond 600",
     {"100", "5", "5", "5", "500"},
     {{{41, 326}, {330, 384}}, 0, {{327, 329}}, {}, {{0, 39}}, true},
     {{{41, 326}, {330, 384}}, 0, {{327, 329}}, {}, {{0, 39}}, true},
     {{{true, 127, kRed}, {true, 225, kRed}, {true, 127, kRed}, {true, 225, kRed}}}},
    // 24-hour fronts at 620 mm (light) and 620.0000000000001 mm (heavy,
    // just past the half pixel): the lines are drawn in the bottom margin.
    {"24-hour front just beyond 600",
     {"36", "1", "5", "5", "500"},
     {{{41, 269}}, 270, {{327, 329}}, {{395, 397}}, {{20, 40}}, true},
     {{{41, 326}, {330, 335}}, 336, {{327, 329}}, {{396, 398}}, {{20, 40}}, true},
     {{{true, 127, kRed}, {true, 225, kRed}, {true, 127, kRed}, {true, 225, kRed}}}},
    // Nothing applied: no band, the 24-hour lines on the surface and a
    // 1-pixel bar over them; every detector lies below the (empty) zone.
    {"applied depth 0",
     {"0", "2.5", "5", "5", "500"},
     {{}, 0, {{327, 329}}, {{39, 39}, {41, 41}}, {{40, 40}}, false},
     {{}, 0, {{327, 329}}, {{39, 39}, {41, 41}}, {{40, 40}}, false},
     {{{true, 127, kYellow}, {true, 225, kYellow}, {true, 127, kYellow}, {true, 225, kYellow}}}},
    // Heavy soil detection depth exactly 200 mm, the deep detector's depth:
    // red. Light soil 150.00000000000006 mm: the shallow detector at 150 is
    // red, the deep one at 200 yellow. Both 24-hour fronts stay inside the
    // zone, so no 24-hour line shows.
    {"detector exactly at the detection depth",
     {"12", "1", "2", "6", "300"},
     {{{41, 125}}, 126, {{211, 213}}, {}, {{34, 40}}, false},
     {{{41, 154}}, 155, {{211, 213}}, {}, {{34, 40}}, false},
     {{{true, 118, kRed}, {true, 147, kYellow}, {true, 118, kRed}, {true, 147, kRed}}}},
    // Just shallower: light detection depth 149.7 mm, the shallow detector
    // no longer responds; the deep markers are hidden below 300 mm.
    {"root zone 299",
     {"12", "1", "2", "6", "299"},
     {{{41, 125}}, 126, {{211, 213}}, {}, {{34, 40}}, false},
     {{{41, 154}}, 155, {{211, 213}}, {}, {{34, 40}}, false},
     {{{true, 118, kYellow}, kHidden, {true, 118, kRed}, kHidden}}},
    {"root zone 250",
     {"10", "2.5", "5", "5", "250"},
     {{{41, 142}}, 143, {{183, 185}}, {{154, 156}}, {{26, 39}}, false},
     {{{41, 159}}, 160, {{183, 185}}, {}, {{26, 39}}, false},
     {{{true, 118, kRed}, kHidden, {true, 118, kRed}, kHidden}}},
};


}  // namespace

class TestSoilCharts : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    std::unique_ptr<MainWindow> window_;

    WindowProbe probe() { return WindowProbe(*window_); }

    void enter(const Inputs& inputs) { probe().enter(inputs); }

    // The window as painted. The markers move at the end of a chart's full
    // redraw, so the first picture may still show them where they were;
    // the second shows where they went.
    QImage windowPicture()
    {
        window_->grab();
        return window_->grab().toImage();
    }
    static QImage chartPicture(const QImage& window, int chart)
    {
        return window.copy(QRect(kChartOrigin[chart], kChartSize));
    }

    void compareChart(const QImage& window, int chart, const ChartRows& rows,
                      const char* warningName)
    {
        const QImage picture = chartPicture(window, chart);
        QCOMPARE(rowRuns(picture, kProbeColumn, kBlue), rows.blue);
        if (rows.bandBottom)
            QCOMPARE(picture.pixelColor(kProbeColumn, rows.bandBottom), kBlack);
        QCOMPARE(rowRuns(picture, kProbeColumn, kYellow), rows.yellow);
        QCOMPARE(rowRuns(picture, kProbeColumn, kGreen), rows.green);
        QCOMPARE(rowRuns(picture, kProbeColumn, kFuchsia), rows.fuchsia);
        QCOMPARE(!probe().control(warningName)->isHidden(), rows.warning);
    }

    void compareMarker(const QImage& window, const char* name, int chart, const Marker& marker)
    {
        auto* shape = probe().control<CircleMarker>(name);
        QCOMPARE(!shape->isHidden(), marker.visible);
        if (!marker.visible)
            return;
        QCOMPARE(shape->geometry(), QRect(80, marker.top, 17, 17));
        const QImage picture = chartPicture(window, chart);
        // A disc of the fill colour centred on the detector's depth, in a
        // yellow outline.
        QCOMPARE(picture.pixelColor(88, marker.top + 8), marker.fill);
        QCOMPARE(picture.pixelColor(88, marker.top), kYellow);
        QCOMPARE(picture.pixelColor(88, marker.top + 16), kYellow);
    }

    QImage legendPicture() { return windowPicture().copy(kLegendRect); }

private slots:
    void initTestCase() { loadBundledFonts(); }

    void init()
    {
        reporter_.boxes.clear();
        Application::instance()->setErrorReporter(&reporter_);
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup()
    {
        window_.reset();
        Application::instance()->setErrorReporter(nullptr);
    }

    void chartsShowTheRun_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].name) << i;
    }
    void chartsShowTheRun()
    {
        QFETCH(int, index);
        const ChartCase& expected = kCases[index];
        enter(expected.inputs);
        QVERIFY(reporter_.boxes.isEmpty());
        const QImage window = windowPicture();
        compareChart(window, 0, expected.light, "warn24h");
        compareChart(window, 1, expected.heavy, "warn24h2");
        const char* names[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
        for (int i = 0; i < 4; ++i)
            compareMarker(window, names[i], i / 2, expected.markers[i]);
    }

    // The bar has its full thickness on the very first paint, before any
    // "Recalculate".
    void startUpShowsTheDefaultRun()
    {
        const ChartCase& expected = kCases[0];
        const QImage window = window_->grab().toImage();
        compareChart(window, 0, expected.light, "warn24h");
        compareChart(window, 1, expected.heavy, "warn24h2");
    }

    // Each chart's full redraw moves its own markers; both charts redraw in
    // the one paint that follows "Recalculate", so the first frame on the
    // screen (the offscreen screen's picture of the window) already shows
    // all four markers at their new depths, and none where they were.
    void firstFrameShowsTheMarkersWhereTheyWent()
    {
        QTest::qWait(50);  // the start-up paints are over
        enter(kSecondExample);
        QEvent updateRequest(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window_->windowHandle(), &updateRequest);
        const QImage frame = window_->screen()->grabWindow(window_->winId()).toImage();
        const char* names[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
        for (int i = 0; i < 4; ++i) {
            compareMarker(frame, names[i], i / 2, kCases[1].markers[i]);
            const int oldTop = kCases[0].markers[i].top;
            QVERIFY(chartPicture(frame, i / 2).pixelColor(88, oldTop) != kYellow);
        }
    }

    void failingRunKeepsTheCharts_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("days");
        QTest::newRow("duration not a number") << "abc" << "3";
        QTest::newRow("zero days") << "1.75" << "0";
    }
    void failingRunKeepsTheCharts()
    {
        QFETCH(QString, duration);
        QFETCH(QString, days);
        enter({"36", "1", "5", "5", "500"});  // shows both warnings
        const QImage before = windowPicture();

        probe().type("AppRate", u"12"_s);
        probe().type("Duration", duration);
        probe().type("LtDIrrig", days);
        probe().type("Ltsdepth", u"250"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);

        const QImage after = windowPicture();
        for (int chart : {0, 1})
            QCOMPARE(chartPicture(after, chart), chartPicture(before, chart));
        for (const char* name : {"warn24h", "warn24h2", "Shape2", "Shape4"})
            QVERIFY(!probe().control(name)->isHidden());
    }

    // Root zone 1e19 mm with 200 days passes the model and the series and
    // marker steps, then fails in the line step, where the root zone is
    // rounded to a 64-bit integer. The band and the markers show the new
    // run; the lines, the bar and the warnings stay as the default run left
    // them.
    void failureInTheLineStepKeepsTheLines()
    {
        windowPicture();
        probe().type("LtDIrrig", u"200"_s);
        probe().type("Ltsdepth", u"1e19"_s);
        probe().pressRecalculate();
        QCOMPARE(reporter_.boxes.size(), 1);
        QCOMPARE(reporter_.boxes[0].text, u"Invalid floating point operation."_s);
        QCOMPARE(probe().labelText("LtSWD"), u"1000"_s);

        const QImage window = windowPicture();
        // Detection depth 625 mm: the band fills the plot under the old lines.
        const ChartRows rows{{{41, 268}, {272, 326}, {330, 384}}, 0, {{327, 329}},
                             {{269, 271}}, {{26, 39}}, false};
        compareChart(window, 0, rows, "warn24h");
        compareChart(window, 1, rows, "warn24h2");
        // Every detector lies far below the band: yellow, and shown, as the
        // root zone is deep.
        for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape4"}) {
            auto* shape = probe().control<CircleMarker>(name);
            QVERIFY(!shape->isHidden());
            QCOMPARE(shape->fillColour(), kYellow);
        }
    }

    void legendShowsEverySymbol()
    {
        const QImage legend = legendPicture();
        QCOMPARE(legend.size(), QSize(289, 353));
        // Squares 10 x 10, cream around them.
        for (const auto& [top, colour] : {std::pair{25, kFuchsia}, std::pair{85, kBlue}}) {
            for (int y = top; y < top + 10; ++y)
                for (int x = 5; x < 15; ++x)
                    QCOMPARE(legend.pixelColor(x, y), colour);
            QCOMPARE(legend.pixelColor(4, top + 5), kCream);
            QCOMPARE(legend.pixelColor(15, top + 5), kCream);
            QCOMPARE(legend.pixelColor(10, top + 10), kCream);
        }
        // Plain dots: the fill colour on cream, with no outline colour.
        for (const auto& [top, colour] : {std::pair{45, kYellow}, std::pair{65, kRed}}) {
            QCOMPARE(legend.pixelColor(10, top + 5), colour);
            QCOMPARE(legend.pixelColor(5, top), kCream);
            for (int y = top - 1; y <= top + 10; ++y)
                for (int x = 4; x <= 15; ++x)
                    QVERIFY(legend.pixelColor(x, y) == colour ||
                            legend.pixelColor(x, y) == kCream);
        }
        // Solid 3-pixel lines.
        QCOMPARE(rowRuns(legend, 9, kGreen), (Runs{{109, 111}}));
        QCOMPARE(legend.pixelColor(17, 110), kGreen);
        QCOMPARE(legend.pixelColor(18, 110), kCream);
        for (int y = 100; y < 140; ++y)
            QCOMPARE(legend.pixelColor(8, y) == kYellow, y >= 129 && y <= 131);
        QCOMPARE(legend.pixelColor(2, 130), kYellow);
        QCOMPARE(legend.pixelColor(14, 130), kYellow);
        QCOMPARE(legend.pixelColor(1, 130), kCream);
        QCOMPARE(legend.pixelColor(15, 130), kCream);
    }

    void legendFrameIsDotted()
    {
        const QImage legend = legendPicture();
        // The green line starts on the frame's left edge, under it.
        for (int y = 0; y <= 180; ++y) {
            const QColor gap = (y == 109 || y == 111) ? kGreen : kCream;
            QCOMPARE(legend.pixelColor(0, y), y % 2 == 0 ? kBlack : gap);
        }
        // The right edge is column 248 (see legendTextsKeepInsideTheFrame).
        for (int x = 0; x <= 248; ++x)
            QCOMPARE(legend.pixelColor(x, 180), x % 2 == 0 ? kBlack : kCream);
        QCOMPARE(legend.pixelColor(248, 1), kCream);
        QCOMPARE(legend.pixelColor(248, 2), kBlack);
        // Beyond the frame the card stays cream.
        for (const QPoint point : {QPoint(249, 90), QPoint(120, 181), QPoint(288, 352),
                                   QPoint(150, 300), QPoint(120, 150)})
            QCOMPARE(legend.pixelColor(point), kCream);
    }

    void legendTextsStandBesideTheirSymbols()
    {
        const QImage legend = legendPicture();
        // Each text row holds dark glyph pixels from x 20 on, and none left
        // of it; entries 5 and 6 begin with a space.
        for (const auto& [top, firstColumn] :
             {std::pair{25, 20}, std::pair{45, 20}, std::pair{65, 20}, std::pair{85, 20},
              std::pair{105, 22}, std::pair{125, 22}}) {
            int darkPixels = 0;
            int leftmost = legend.width();
            for (int y = top; y < top + 14; ++y)
                for (int x = 18; x < 240; ++x)
                    if (isDark(legend.pixelColor(x, y))) {
                        ++darkPixels;
                        leftmost = std::min(leftmost, x);
                    }
            QVERIFY2(darkPixels > 40, qPrintable(QString::number(top)));
            QVERIFY2(leftmost >= firstColumn, qPrintable(QString::number(top)));
        }
    }

    // The frame encloses the longest text, " Position of wetting front at 24
    // hr after irrigation", with the margin it has on the left: 5 pixels
    // from its left edge (column 0) to the symbols, 5 from the text's last
    // pixel (column 243) to its right edge.
    void legendTextsKeepInsideTheFrame()
    {
        const QImage legend = legendPicture();
        // The last column with any ink of a text, the frame's dots left out.
        int textRight = 0;
        for (int y = 20; y < 175; ++y)
            for (int x = 20; x < legend.width(); ++x)
                if (legend.pixelColor(x, y) != kCream && legend.pixelColor(x, 2) != kBlack)
                    textRight = std::max(textRight, x);
        QCOMPARE(textRight, 243);
        // The frame's right edge: a dotted column from row 2 to 180.
        for (int y = 2; y <= 180; y += 2)
            QCOMPARE(legend.pixelColor(textRight + 5, y), kBlack);
        for (int x = textRight + 1; x < textRight + 5; ++x)
            for (int y = 1; y < 180; ++y)
                QCOMPARE(legend.pixelColor(x, y), kCream);
    }

    void legendIsPaintedOnce()
    {
        const QImage before = legendPicture();
        enter(kSecondExample);
        QVERIFY(reporter_.boxes.isEmpty());
        QCOMPARE(legendPicture(), before);
    }
};

MORVANE_APP_TEST_MAIN(TestSoilCharts)
#include "tst_soil_charts.moc"
