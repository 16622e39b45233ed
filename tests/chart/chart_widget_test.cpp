// The chart as a widget: full redraws happen once per change, at the next
// paint; other paints copy the picture cache and do not emit redrawn().

#include "soil_chart_fixture.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

class ChartWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::setUpSoilChart(chart);
        test::addBand(chart, 277.8, colours::blue);
        QObject::connect(&chart, &Chart::redrawn, [this] {
            ++redraws;
            // The new layout is in place when the signal is emitted.
            rowOf165 = chart.leftAxis().pixelOf(165);
        });
    }

    Chart chart;
    int redraws = 0;
    int rowOf165 = 0;
};

TEST_F(ChartWidget, OneFullRedrawPerChange)
{
    struct Step {
        const char* name;
        std::function<void(Chart&)> action;
        int redrawsAfter;
    };
    const Step steps[] = {
        {"first paint",
         [](Chart& c) {
             c.show();
             QApplication::processEvents();
             c.repaint();
         },
         1},
        {"repaint from the cache", [](Chart& c) { c.repaint(); }, 1},
        {"grab from the cache", [](Chart& c) { c.grab(); }, 1},
        {"same colour again", [](Chart& c) { c.setColor(colours::sand); c.repaint(); }, 1},
        {"three changes, one redraw",
         [](Chart& c) {
             c.setColor(colours::cream);
             c.leftAxis().title().setCaption(u"Soil depth (mm)"_s);
             test::addDepthLine(c, 500, colours::yellow, 3);
             c.repaint();
             c.repaint();
         },
         2},
        {"pending paint events", [](Chart& c) { c.update(); QApplication::processEvents(); }, 2},
    };
    for (const Step& step : steps) {
        step.action(chart);
        EXPECT_EQ(redraws, step.redrawsAfter) << step.name;
        EXPECT_FALSE(chart.needsFullRedraw()) << step.name;
    }
    EXPECT_EQ(rowOf165, 135);
}

TEST_F(ChartWidget, MovingChildWidgetsWhenRedrawnRedrawsOnce)
{
    auto* marker = new QLabel(&chart);
    marker->resize(17, 17);
    marker->setAutoFillBackground(true);
    QObject::disconnect(&chart, &Chart::redrawn, nullptr, nullptr);
    QObject::connect(&chart, &Chart::redrawn, [&] {
        ++redraws;
        marker->move(80, chart.leftAxis().pixelOf(165) - 8);
    });
    chart.show();
    QApplication::processEvents();
    chart.repaint();
    QApplication::processEvents();
    chart.repaint();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(marker->y(), 127);

    // The marker is painted over the chart picture.
    const QImage shown = chart.grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    EXPECT_EQ(shown.pixelColor(qRound(88 * ratio), qRound(135 * ratio)),
              marker->palette().color(QPalette::Window));
    EXPECT_EQ(redraws, 1);
}

TEST_F(ChartWidget, CacheMatchesTheRenderedImageAndTheScreenRatio)
{
    chart.show();
    QApplication::processEvents();
    chart.repaint();
    const QPixmap& cache = chart.cache();
    EXPECT_EQ(cache.devicePixelRatio(), chart.devicePixelRatioF());
    EXPECT_EQ(cache.size(), chart.size() * chart.devicePixelRatioF());
    if (chart.devicePixelRatioF() == 1.0) {
        EXPECT_EQ(cache.toImage().convertToFormat(QImage::Format_RGB32), chart.renderToImage());
    }
}

// The picture of the panel, wall and axes is kept between full redraws; after
// each change, one in a row of them, the picture a full redraw leaves must
// still be the one drawn from scratch.
TEST_F(ChartWidget, KeptBackgroundFollowsEveryChange)
{
    auto* band = static_cast<AreaSeries*>(chart.series(0));
    ColorLine& line = test::addDepthLine(chart, 500, colours::yellow, 3);
    const struct {
        const char* name;
        std::function<void()> change;
    } steps[] = {
        {"first redraw", [] {}},
        {"a new band", [&] {
             chart.removeAllSeries();
             band = test::addBand(chart, 350, colours::blue);
         }},
        {"a line moves", [&] { line.setValue(100); }},
        {"the axis title", [&] { chart.leftAxis().title().setCaption(u"Depth"_s); }},
        {"the label font", [&] { chart.leftAxis().labelsFont().setBold(true); }},
        {"the panel colour", [&] { chart.setColor(colours::cream); }},
        {"the top margin", [&] { chart.setMarginTop(5); }},
        {"the wall", [&] { chart.backWall().pen().setColor(colours::red); }},
        {"no active series: the top and right axes show", [&] { band->setActive(false); }},
        {"a series again", [&] { band->setActive(true); }},
        {"a wider panel", [&] { chart.resize(180, 401); }},
    };
    for (const auto& step : steps) {
        step.change();
        chart.redrawCache();
        EXPECT_EQ(chart.cache().toImage().convertToFormat(QImage::Format_RGB32),
                  chart.renderToImage())
            << step.name;
    }
}

TEST_F(ChartWidget, ResizingRedrawsAgain)
{
    chart.show();
    QApplication::processEvents();
    chart.repaint();
    chart.resize(200, 401);
    chart.repaint();
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(chart.plotRect().right, 200 - 6);
}

}  // namespace
}  // namespace morvane
