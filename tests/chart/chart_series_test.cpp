// series bookkeeping: point order, colours, membership of a chart and
// freeing.

#include "soil_chart_fixture.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <limits>

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

TEST(AreaSeries, PointColours)
{
    AreaSeries series;
    series.setSeriesColor(colours::green);
    series.addPoint(0, 1);
    series.addPoint(2, 1, colours::blue);
    series.addPoint(1, 1);  // inserted between, after the colour list exists
    EXPECT_EQ(series.pointColor(0), colours::green);
    EXPECT_EQ(series.pointColor(1), colours::green);
    EXPECT_EQ(series.pointColor(2), colours::blue);
}

TEST(ChartSeriesList, MembershipAndFreeing)
{
    Chart chart;
    Chart other;
    QPointer<AreaSeries> a = new AreaSeries;
    QPointer<AreaSeries> b = new AreaSeries;
    chart.addSeries(a);
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

TEST(ChartSeriesList, SeriesOutliveTheirChart)
{
    auto series = std::make_unique<AreaSeries>();
    {
        Chart chart;
        chart.addSeries(series.get());
    }
    EXPECT_EQ(series->parentChart(), nullptr);
    EXPECT_EQ(series->verticalAxis(), nullptr);
}

}  // namespace
}  // namespace morvane
