// Chart layout by numbers: the plot rectangle in the bundled face, the depth
// axis conversions after a full redraw and before one, the label step and
// tick list, axis visibility, and which setters ask for a redraw.

#include "soil_chart_fixture.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

#include <QFontInfo>


using namespace Qt::StringLiterals;

namespace morvane {
namespace {

using test::setUpSoilChart;

// The faces drawn are the bundled Liberation Sans: an em of 2048 units,
// ascender 1854 and descender 434, digits 1139 units wide and the space 569.
// Hinted to whole pixels, the bold 13-pixel title font is 12 + 3 = 15 pixels
// high (11.8 and 2.8 rounded up), and in the 11-pixel (8-point) label font
// each digit is 6 pixels wide (6.1) and the space 3 (3.1). A fallback face
// gives other numbers. The plot's left edge is the margin 4, the title column
// 15, the label column "600 " 21, and 7 for the axis line and ticks: 47.
constexpr ChartRect kSoilPlot{47, 40, 133, 385};

TEST(ChartLayout, SoilChartPlotRectangleInTheBundledFace)
{
    Chart chart;
    setUpSoilChart(chart);
    test::addBand(chart, 277.8, colours::blue);
    const QFont title = chart.leftAxis().title().font().toQFont();
    const QFont labels = chart.leftAxis().labelsFont().toQFont();
    EXPECT_EQ(QFontInfo(title).family(), u"Liberation Sans"_s);
    EXPECT_TRUE(QFontInfo(title).bold());
    EXPECT_EQ(QFontInfo(labels).family(), u"Liberation Sans"_s);
    EXPECT_EQ(textHeight(title), 15);
    EXPECT_EQ(textWidth(labels, u"600 "_s), 21);

    chart.renderToImage();
    EXPECT_EQ(chart.plotRect(), kSoilPlot);
    EXPECT_EQ(chart.chartBounds(), (ChartRect{0, 0, 137, 401}));
}

TEST(ChartLayout, DepthAxisAfterFullRedraw)
{
    Chart chart;
    setUpSoilChart(chart);
    test::addBand(chart, 277.8, colours::blue);
    chart.renderToImage();
    const ChartAxis& axis = chart.leftAxis();
    EXPECT_EQ(axis.layout().scale.startPixel, 40);
    EXPECT_EQ(axis.layout().scale.endPixel, 385);
    const std::pair<double, int> pixels[] = {{0, 40},     {50, 69},   {100, 98},  {165, 135},
                                             {300, 212},  {335, 233}, {500, 328}, {600, 385},
                                             {-12.5, 33}, {620, 396}, {700, 442}};
    for (const auto& [value, pixel] : pixels)
        EXPECT_EQ(axis.pixelOf(value), pixel) << value;
    EXPECT_EQ(axis.pixelLengthOf(25), 14);
    EXPECT_EQ(axis.pixelLengthOf(20), 12);
    EXPECT_EQ(axis.layout().labelStep, 50);
    EXPECT_EQ(axis.layout().ticks, (std::vector<int>{385, 356, 328, 299, 270, 241, 212, 184,
                                                     155, 126, 98, 69, 40}));
}

TEST(ChartLayout, ConversionsAreZeroUntilLaidOut)
{
    Chart chart;
    setUpSoilChart(chart);
    test::addBand(chart, 277.8, colours::blue);
    for (double value : {0.0, 165.0, 600.0, -12.5})
        EXPECT_EQ(chart.leftAxis().pixelOf(value), 0) << value;
    EXPECT_EQ(chart.leftAxis().pixelLengthOf(25), 0);

    // The map worked out from the geometry has the display's numbers
    // already, and asking for it paints nothing and keeps the chart marked
    // for its full redraw.
    int redraws = 0;
    QObject::connect(&chart, &Chart::redrawn, [&] { ++redraws; });
    const AxisMap depth = chart.axisMap(Chart::LeftAxisIndex);
    EXPECT_EQ(depth.pixelOf(165), 135);
    EXPECT_EQ(depth.lengthOf(25), 14);
    EXPECT_EQ(chart.layOut().plot, kSoilPlot);
    EXPECT_EQ(redraws, 0);
    EXPECT_TRUE(chart.needsFullRedraw());
    EXPECT_EQ(chart.leftAxis().pixelOf(165), 0);
}

TEST(ChartLayout, AxisVisibility)
{
    struct Row {
        const char* name;
        int activeSeries;     // area series on the left and bottom axes
        int inactiveSeries;
        bool left, top, right, bottom;
    };
    const Row table[] = {
        {"no series: every axis with Visible", 0, 0, true, true, true, false},
        {"only inactive series count as none", 0, 1, true, true, true, false},
        {"an active series shows only its axes", 1, 1, true, false, false, false},
    };
    for (const Row& row : table) {
        Chart chart;
        setUpSoilChart(chart);
        for (int i = 0; i < row.activeSeries; ++i)
            test::addBand(chart, 300, colours::blue);
        for (int i = 0; i < row.inactiveSeries; ++i)
            test::addBand(chart, 300, colours::blue)->setActive(false);
        EXPECT_EQ(chart.isAxisVisible(chart.leftAxis()), row.left) << row.name;
        EXPECT_EQ(chart.isAxisVisible(chart.topAxis()), row.top) << row.name;
        EXPECT_EQ(chart.isAxisVisible(chart.rightAxis()), row.right) << row.name;
        EXPECT_EQ(chart.isAxisVisible(chart.bottomAxis()), row.bottom) << row.name;
        EXPECT_FALSE(chart.isAxisVisible(chart.depthAxis())) << row.name;
    }
}

TEST(ChartLayout, VisibleTopAndRightAxesTakeRoom)
{
    Chart chart;
    setUpSoilChart(chart);
    const ChartRect withoutSeries = chart.layOut().plot;  // no series: top and right axes show
    test::addBand(chart, 300, colours::blue);
    const ChartRect withSeries = chart.layOut().plot;
    EXPECT_EQ(withSeries.top, 40);
    EXPECT_EQ(withSeries.right, 133);
    EXPECT_GT(withoutSeries.top, withSeries.top);
    EXPECT_LT(withoutSeries.right, withSeries.right);
    EXPECT_EQ(withoutSeries.left, withSeries.left);
}

TEST(ChartProperties, SettersMarkForRedrawOnlyOnChange)
{
    Chart chart;
    setUpSoilChart(chart);
    ColorLine& line = test::addDepthLine(chart, 500, colours::yellow, 3);
    AreaSeries* band = test::addBand(chart, 277.8, colours::blue);

    struct Row {
        const char* name;
        std::function<void()> sameValue;
        std::function<void()> newValue;
    };
    const Row table[] = {
        {"chart colour", [&] { chart.setColor(colours::sand); }, [&] { chart.setColor(colours::cream); }},
        {"margin", [&] { chart.setMarginTop(10); }, [&] { chart.setMarginTop(11); }},
        {"axis inverted", [&] { chart.leftAxis().setInverted(true); },
         [&] { chart.leftAxis().setInverted(false); }},
        {"axis range", [&] { chart.leftAxis().setMinMax(0, 600); },
         [&] { chart.leftAxis().setMinMax(0, 700); }},
        {"axis title font", [&] { chart.leftAxis().title().font().setBold(true); },
         [&] { chart.leftAxis().title().font().setBold(false); }},
        {"axis grid pen", [&] { chart.leftAxis().grid().setStyle(Qt::DotLine); },
         [&] { chart.leftAxis().grid().setStyle(Qt::SolidLine); }},
        {"line value", [&] { line.setValue(500); }, [&] { line.setValue(400); }},
        {"line pen width", [&] { line.pen().setWidth(3); }, [&] { line.pen().setWidth(14); }},
        {"line active", [&] { line.setActive(true); }, [&] { line.setActive(false); }},
        {"series active", [&] { band->setActive(true); }, [&] { band->setActive(false); }},
        {"series origin", [&] { band->setYOrigin(0); }, [&] { band->setYOrigin(5); }},
        {"series pen", [&] { band->linePen().setColor(colours::black); },
         [&] { band->linePen().setColor(colours::red); }},
        {"back wall", [&] { chart.backWall().setTransparent(true); },
         [&] { chart.backWall().setTransparent(false); }},
    };
    for (const Row& row : table) {
        chart.redrawCache();
        ASSERT_FALSE(chart.needsFullRedraw()) << row.name;
        row.sameValue();
        EXPECT_FALSE(chart.needsFullRedraw()) << row.name << ": same value";
        row.newValue();
        EXPECT_TRUE(chart.needsFullRedraw()) << row.name << ": new value";
    }
    chart.redrawCache();
    band->addPoint(5, 100);
    EXPECT_TRUE(chart.needsFullRedraw()) << "adding a point";
}

}  // namespace
}  // namespace morvane
