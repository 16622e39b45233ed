// series bookkeeping: point order, colours, palette colours, membership of
// a chart, freeing, and conversions through a series.

#include "soil_chart_fixture.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

TEST(AreaSeries, PointsKeptInXOrder)
{
    AreaSeries series;
    struct Row {
        double x, y;
        int index;
    };
    const Row table[] = {{5, 50, 0}, {1, 10, 0}, {9, 90, 2}, {5, 51, 2}, {-1, -10, 0}};
    for (const Row& row : table)
        EXPECT_EQ(series.addPoint(row.x, row.y), row.index) << row.x;
    EXPECT_EQ(series.xValues(), (std::vector<double>{-1, 1, 5, 5, 9}));
    EXPECT_EQ(series.yValues(), (std::vector<double>{-10, 10, 50, 51, 90}));
    EXPECT_THROW(series.addPoint(std::numeric_limits<double>::quiet_NaN(), 1), ChartException);
    EXPECT_EQ(series.count(), 5);
}

TEST(AreaSeries, PointColoursAndLabels)
{
    AreaSeries series;
    series.setSeriesColor(colours::green);
    series.addPoint(0, 1);
    series.addPoint(2, 1, u"two"_s, colours::blue);
    series.addPoint(1, 1);  // inserted between, after the colour list exists
    EXPECT_EQ(series.pointColor(0), colours::green);
    EXPECT_EQ(series.pointColor(1), colours::green);
    EXPECT_EQ(series.pointColor(2), colours::blue);
    EXPECT_EQ(series.label(2), u"two"_s);
    EXPECT_EQ(series.label(0), QString());
    series.setColorEachPoint(true);
    EXPECT_EQ(series.pointColor(0), colours::seriesPalette[0]);
    EXPECT_EQ(series.pointColor(1), colours::seriesPalette[1]);
    EXPECT_EQ(series.pointColor(2), colours::blue);
}

TEST(ChartSeriesList, PaletteColoursOnAdding)
{
    Chart chart;
    auto* first = new AreaSeries(&chart);
    auto* second = new AreaSeries(&chart);
    auto* coloured = new AreaSeries(&chart);
    coloured->setSeriesColor(colours::red);
    chart.addSeries(coloured);
    chart.addSeries(first);
    chart.addSeries(second);
    EXPECT_EQ(coloured->seriesColor(), colours::red);
    EXPECT_EQ(first->seriesColor(), colours::green);  // red is taken
    EXPECT_EQ(second->seriesColor(), colours::yellow);
    chart.addSeries(first);  // already there: nothing happens
    EXPECT_EQ(chart.seriesCount(), 3);
    EXPECT_EQ(chart.series(0), coloured);
}

TEST(ChartSeriesList, MembershipAndFreeing)
{
    Chart chart;
    Chart other;
    QPointer<AreaSeries> a = new AreaSeries;
    QPointer<AreaSeries> b = new AreaSeries;
    a->setParentChart(&chart);
    chart.addSeries(b);
    other.addSeries(a);  // moves from the first chart
    EXPECT_EQ(chart.seriesCount(), 1);
    EXPECT_EQ(other.seriesCount(), 1);
    EXPECT_EQ(a->parentChart(), &other);

    delete b.data();  // freeing a series takes it out of its chart
    EXPECT_EQ(chart.seriesCount(), 0);

    auto* c = new AreaSeries;
    other.addSeries(c);
    other.removeAllSeries();
    EXPECT_EQ(other.seriesCount(), 0);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(other.needsFullRedraw());
}

TEST(ChartSeriesList, RemoveAllSeriesOfOneClass)
{
    class TOtherSeries : public ChartSeries {
    public:
        void draw(QPainter&, const ChartRect&) const override {}
    };
    Chart chart;
    QPointer<AreaSeries> area = new AreaSeries;
    QPointer<TOtherSeries> other = new TOtherSeries;
    chart.addSeries(area);
    chart.addSeries(other);
    chart.removeAllSeries<AreaSeries>();
    EXPECT_TRUE(area.isNull());
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(chart.seriesCount(), 1);
    delete other.data();
}

TEST(ChartSeriesList, SeriesOutliveTheirChart)
{
    auto series = std::make_unique<AreaSeries>();
    {
        Chart chart;
        chart.addSeries(series.get());
    }
    EXPECT_EQ(series->parentChart(), nullptr);
    EXPECT_EQ(series->yPixelOf(100), 0);
}

TEST(ChartSeriesList, InactiveSeriesConvertsLikeTheAxis)
{
    Chart chart;
    test::setUpSoilChart(chart);
    AreaSeries* band48 = test::addBand(chart, 400, colours::skyBlue);
    test::addBand(chart, 277.8, colours::blue);
    band48->setActive(false);
    chart.renderToImage();
    for (double depth : {0.0, 150.0, 165.0, 300.0, 335.0, 600.0, -12.5, 700.0})
        EXPECT_EQ(band48->yPixelOf(depth), chart.leftAxis().pixelOf(depth)) << depth;
    EXPECT_EQ(band48->yPixelOf(335), 233);
    EXPECT_EQ(band48->xPixelOf(1), chart.plotRect().right);
}

}  // namespace
}  // namespace morvane
