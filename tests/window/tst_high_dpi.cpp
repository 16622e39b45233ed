// The window on a screen with two device pixels per logical pixel (run with
// QT_SCALE_FACTOR=2): the layout stays the same in logical pixels, and the
// charts, the legend, the markers, the picture and the texts are drawn at the
// device resolution, not as enlarged 1-pixel pictures.
// Rows and columns below are device pixels unless they are called logical.

#include <QGuiApplication>
#include <QImage>
#include <QList>

#include <memory>
#include <utility>

#include "bundled_fonts.h"
#include "capturing_reporter.h"
#include "chart.h"
#include "expected_colours.h"
#include "picture_view.h"
#include "pixel_runs.h"
#include "window_probe.h"

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

constexpr int kScale = 2;

// Logical places in the window.
const QRect kLightChart(64, 192, 137, 401);
const QRect kLegend(424, 224, 289, 353);
// A logical column of the plot clear of the markers.
constexpr int kProbeColumn = 120;
// A logical row of the light-soil chart with no label, tick, grid or line.
constexpr int kQuietRow = 367;

QRect toDevice(const QRect& logical)
{
    return QRect(logical.topLeft() * kScale, logical.size() * kScale);
}

// text drawn at the device resolution has glyph edges that fall inside the
// 2 x 2 blocks of logical pixels; an enlarged 1-pixel picture fills every
// such block with one colour.
int mixedBlocks(const QImage& area)
{
    int mixed = 0;
    for (int y = 0; y + 1 < area.height(); y += 2)
        for (int x = 0; x + 1 < area.width(); x += 2) {
            const QRgb corner = area.pixel(x, y);
            if (area.pixel(x + 1, y) != corner || area.pixel(x, y + 1) != corner ||
                area.pixel(x + 1, y + 1) != corner)
                ++mixed;
        }
    return mixed;
}

int darkPixels(const QImage& area)
{
    int dark = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            dark += isDark(area.pixelColor(x, y));
    return dark;
}

}  // namespace

class TestHighDpi : public QObject {
    Q_OBJECT

private:
    CapturingReporter reporter_;
    std::unique_ptr<MainWindow> window_;
    QImage picture_;  // the window as grabbed, in device pixels

    WindowProbe probe() { return WindowProbe(*window_); }

    QImage devicePicture(const QRect& logical) const { return picture_.copy(toDevice(logical)); }

private slots:
    void initTestCase()
    {
        QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), qreal(kScale)),
                 "run with QT_SCALE_FACTOR=2");
        loadBundledFonts();
        Application::instance()->setErrorReporter(&reporter_);
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // The markers move when the light-soil chart is first drawn; the
        // second picture shows where they went.
        window_->grab();
        const QPixmap grabbed = window_->grab();
        QCOMPARE(grabbed.devicePixelRatio(), qreal(kScale));
        picture_ = grabbed.toImage();
        QVERIFY(reporter_.boxes.isEmpty());
    }
    void cleanupTestCase()
    {
        window_.reset();
        Application::instance()->setErrorReporter(nullptr);
    }

    void layoutIsTheSameInLogicalPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Chart1") << "Chart1" << kLightChart;
        QTest::newRow("Chart2") << "Chart2" << QRect(240, 192, 137, 401);
        QTest::newRow("Image1") << "Image1" << kLegend;
        QTest::newRow("Image2") << "Image2" << QRect(728, 184, 97, 417);
        QTest::newRow("AppRate") << "AppRate" << QRect(664, 24, 161, 19);
        QTest::newRow("BitBtn1") << "BitBtn1" << QRect(664, 144, 161, 25);
        QTest::newRow("Shape1") << "Shape1" << QRect(80, 127, 17, 17);
    }
    void layoutIsTheSameInLogicalPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(window_->size(), QSize(862, 628));
        QCOMPARE(probe().control(qPrintable(name))->geometry(), geometry);
    }

    void grabHasTwiceTheLogicalSize()
    {
        QCOMPARE(picture_.size(), QSize(1724, 1256));
    }

    // The default run: band 0 .. row 200, 24-hour line at 270, root zone
    // line at 328, bar rows 26 .. 39, frame at rows 40 and 385 (logical rows
    // of the chart). Each logical row becomes two device rows.
    void chartRowsLandOnTwiceTheirLogicalRows()
    {
        const QImage chart = devicePicture(kLightChart);
        const int x = kProbeColumn * kScale;
        QCOMPARE(rowRuns(chart, x, kYellow), (Runs{{654, 659}}));
        QCOMPARE(rowRuns(chart, x, kGreen), (Runs{{538, 543}}));
        QCOMPARE(rowRuns(chart, x, kBlue), (Runs{{82, 399}}));
        QCOMPARE(rowRuns(chart, x, kFuchsia), (Runs{{52, 79}}));
        // The frame and the band's bottom line: 1 logical pixel, 2 device rows.
        QCOMPARE(rowRuns(chart, x, kBlack), (Runs{{80, 81}, {400, 401}, {770, 771}}));
    }

    // The chart drawn at one device pixel per logical pixel, doubled, is
    // what the screen shows: every line keeps its place and its thickness.
    void chartIsItsLogicalPictureDoubled_data()
    {
        QTest::addColumn<QColor>("colour");
        for (const auto& [name, colour] :
             {std::pair{"black", kBlack}, std::pair{"yellow", kYellow}, std::pair{"green", kGreen},
              std::pair{"blue", kBlue}, std::pair{"fuchsia", kFuchsia}})
            QTest::newRow(name) << colour;
    }
    void chartIsItsLogicalPictureDoubled()
    {
        QFETCH(QColor, colour);
        const QImage logical = probe().control<Chart>("Chart1")->renderToImage();
        const QImage chart = devicePicture(kLightChart);
        const auto doubled = [](const Runs& runs) {
            Runs result;
            for (const auto& [first, last] : runs)
                result.append({first * kScale, last * kScale + kScale - 1});
            return result;
        };
        const Runs column = rowRuns(logical, kProbeColumn, colour);
        const Runs row = columnRuns(logical, kQuietRow, colour);
        for (int offset = 0; offset < kScale; ++offset) {
            QCOMPARE(rowRuns(chart, kProbeColumn * kScale + offset, colour), doubled(column));
            QCOMPARE(columnRuns(chart, kQuietRow * kScale + offset, colour), doubled(row));
        }
    }

    // The frame's right edge, 1 logical pixel at logical column 133.
    void frameIsTwoDevicePixelsThick()
    {
        const QImage chart = devicePicture(kLightChart);
        for (int y : {kQuietRow * kScale, kQuietRow * kScale + 1})
            QCOMPARE(columnRuns(chart, y, kBlack).value(1), std::make_pair(266, 267));
    }

    void chartLabelsAreDrawnAtDeviceResolution()
    {
        const QImage chart = devicePicture(kLightChart);
        const int plotLeft = columnRuns(chart, kQuietRow * kScale, kBlack).value(0).first;
        QVERIFY(plotLeft > 0);
        const QImage labels = chart.copy(0, 40 * kScale, plotLeft - 1, 345 * kScale);
        QVERIFY(darkPixels(labels) > 400);
        QVERIFY(mixedBlocks(labels) > 100);
    }

    void windowTextsAreDrawnAtDeviceResolution_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::newRow("Light textured soil") << QRect(80, 176, 120, 16);
        QTest::newRow("Soil Water Deficit(mm)") << QRect(24 + 1 + 216, 8 + 1 + 8, 140, 16);
        QTest::newRow("Recalculate") << QRect(664, 144, 161, 25);
    }
    void windowTextsAreDrawnAtDeviceResolution()
    {
        QFETCH(QRect, area);
        const QImage text = devicePicture(area);
        QVERIFY(darkPixels(text) > 50);
        QVERIFY(mixedBlocks(text) > 20);
    }

    void legendFrameIsDottedAtDeviceResolution()
    {
        const QImage legend = devicePicture(kLegend);
        // Each dot of the frame is a 2 x 2 block of black, each gap cream
        // (or the green line's colour where it crosses): no grey in between.
        for (int y = 0; y <= 180 * kScale + 1; ++y) {
            const int logicalY = y / kScale;
            const QColor gap = (logicalY == 109 || logicalY == 111) ? kGreen : kCream;
            const QColor expected = logicalY % 2 == 0 ? kBlack : gap;
            QCOMPARE(legend.pixelColor(0, y), expected);
            QCOMPARE(legend.pixelColor(1, y), expected);
        }
        for (int x = 0; x <= 248 * kScale + 1; ++x) {
            const QColor expected = (x / kScale) % 2 == 0 ? kBlack : kCream;
            QCOMPARE(legend.pixelColor(x, 180 * kScale), expected);
            QCOMPARE(legend.pixelColor(x, 180 * kScale + 1), expected);
        }
    }

    void legendSymbolsAndTextsAreDrawnAtDeviceResolution()
    {
        const QImage legend = devicePicture(kLegend);
        // The fuchsia square (5, 25)-(15, 35) and the 3-pixel green line.
        for (int y = 25 * kScale; y < 35 * kScale; ++y)
            QCOMPARE(columnRuns(legend, y, kFuchsia), (Runs{{10, 29}}));
        QCOMPARE(rowRuns(legend, 9 * kScale, kGreen), (Runs{{218, 223}}));
        const QImage text = legend.copy(QRect(QPoint(20, 25) * kScale, QSize(100, 14) * kScale));
        QVERIFY(darkPixels(text) > 100);
        QVERIFY(mixedBlocks(text) > 30);
    }

    void markersAreCrispDiscs()
    {
        // Shape1: a red disc in a yellow outline over the blue band, drawn
        // across its 34 device pixels (the outline's stroke may stop one
        // short at the bottom); every pixel of its box is one of these three
        // colours.
        const QImage marker = devicePicture(QRect(kLightChart.topLeft() + QPoint(80, 127), QSize(17, 17)));
        QCOMPARE(marker.size(), QSize(34, 34));
        QCOMPARE(marker.pixelColor(17, 17), kRed);
        const Runs outline = rowRuns(marker, 17, kYellow);
        QCOMPARE(outline.size(), 2);
        QCOMPARE(outline.first().first, 0);
        QVERIFY(outline.last().second >= 32);
        for (int y = 0; y < marker.height(); ++y)
            for (int x = 0; x < marker.width(); ++x) {
                const QColor colour = marker.pixelColor(x, y);
                QVERIFY2(colour == kRed || colour == kYellow || colour == kBlue,
                         qPrintable(u"%1, %2"_s.arg(x).arg(y)));
            }
    }

    void detectorPictureHasDeviceResolution()
    {
        const QPixmap picture = probe().control<PictureView>("Image2")->picture();
        QCOMPARE(picture.devicePixelRatio(), qreal(kScale));
        QCOMPARE(picture.size(), QSize(97, 417) * kScale);
    }
};

MORVANE_APP_TEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
