// The chart as a widget: full redraws happen once per change, at the next
// paint; other paints copy the picture cache and do not call OnAfterDraw.

#include "soil_chart_fixture.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace morvane {
namespace {

class ChartWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpSoilChart(chart);
        test::AddBand(chart, 277.8, clBlue);
        chart.OnAfterDraw = [this](TChart* sender) {
            ++redraws;
            EXPECT_EQ(sender, &chart);
            // The new layout is in place when the notification runs.
            rowOf165 = sender->LeftAxis().CalcPosValue(165);
        };
    }

    TChart chart;
    int redraws = 0;
    int rowOf165 = 0;
};

TEST_F(ChartWidget, OneFullRedrawPerChange)
{
    struct Step {
        const char* name;
        std::function<void(TChart&)> action;
        int redrawsAfter;
    };
    const Step steps[] = {
        {"first paint",
         [](TChart& c) {
             c.show();
             QApplication::processEvents();
             c.repaint();
         },
         1},
        {"repaint from the cache", [](TChart& c) { c.repaint(); }, 1},
        {"grab from the cache", [](TChart& c) { c.grab(); }, 1},
        {"same colour again", [](TChart& c) { c.SetColor(test::Sand); c.repaint(); }, 1},
        {"three changes, one redraw",
         [](TChart& c) {
             c.SetColor(clCream);
             c.LeftAxis().Title().SetCaption(QStringLiteral("Soil depth (mm)"));
             test::AddDepthLine(c, 500, clYellow, 3);
             c.repaint();
             c.repaint();
         },
         2},
        {"pending paint events", [](TChart& c) { c.update(); QApplication::processEvents(); }, 2},
    };
    for (const Step& step : steps) {
        step.action(chart);
        EXPECT_EQ(redraws, step.redrawsAfter) << step.name;
        EXPECT_FALSE(chart.NeedsFullRedraw()) << step.name;
    }
    EXPECT_EQ(rowOf165, 135);
}

TEST_F(ChartWidget, MovingChildWidgetsInOnAfterDrawRedrawsOnce)
{
    auto* marker = new QLabel(&chart);
    marker->resize(17, 17);
    marker->setAutoFillBackground(true);
    chart.OnAfterDraw = [&](TChart* sender) {
        ++redraws;
        marker->move(80, sender->LeftAxis().CalcPosValue(165) - 8);
    };
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
    const QPixmap& cache = chart.Cache();
    EXPECT_EQ(cache.devicePixelRatio(), chart.devicePixelRatioF());
    EXPECT_EQ(cache.size(), chart.size() * chart.devicePixelRatioF());
    if (chart.devicePixelRatioF() == 1.0) {
        EXPECT_EQ(cache.toImage().convertToFormat(QImage::Format_RGB32), chart.RenderToImage());
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
    EXPECT_EQ(chart.PlotRect().Right, 200 - 6);
}

}  // namespace
}  // namespace morvane
