// Series bookkeeping: point order, colours, palette colours, membership of
// a chart, freeing, and conversions through a series.

#include "soil_chart_fixture.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <limits>

namespace morvane {
namespace {

TEST(AreaSeries, PointsKeptInXOrder)
{
    TAreaSeries series;
    struct Row {
        double x, y;
        int index;
    };
    const Row table[] = {{5, 50, 0}, {1, 10, 0}, {9, 90, 2}, {5, 51, 2}, {-1, -10, 0}};
    for (const Row& row : table)
        EXPECT_EQ(series.AddXY(row.x, row.y), row.index) << row.x;
    EXPECT_EQ(series.XValues(), (std::vector<double>{-1, 1, 5, 5, 9}));
    EXPECT_EQ(series.YValues(), (std::vector<double>{-10, 10, 50, 51, 90}));
    EXPECT_THROW(series.AddXY(std::numeric_limits<double>::quiet_NaN(), 1), ChartException);
    EXPECT_EQ(series.Count(), 5);
}

TEST(AreaSeries, PointColoursAndLabels)
{
    TAreaSeries series;
    series.SetSeriesColor(clGreen);
    series.AddXY(0, 1);
    series.AddXY(2, 1, QStringLiteral("two"), clBlue);
    series.AddXY(1, 1);  // inserted between, after the colour list exists
    EXPECT_EQ(series.PointColor(0), clGreen);
    EXPECT_EQ(series.PointColor(1), clGreen);
    EXPECT_EQ(series.PointColor(2), clBlue);
    EXPECT_EQ(series.Label(2), QStringLiteral("two"));
    EXPECT_EQ(series.Label(0), QString());
    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(0), DefaultSeriesPalette[0]);
    EXPECT_EQ(series.PointColor(1), DefaultSeriesPalette[1]);
    EXPECT_EQ(series.PointColor(2), clBlue);
}

TEST(TChartSeriesList, PaletteColoursOnAdding)
{
    TChart chart;
    auto* first = new TAreaSeries(&chart);
    auto* second = new TAreaSeries(&chart);
    auto* coloured = new TAreaSeries(&chart);
    coloured->SetSeriesColor(clRed);
    chart.AddSeries(coloured);
    chart.AddSeries(first);
    chart.AddSeries(second);
    EXPECT_EQ(coloured->SeriesColor(), clRed);
    EXPECT_EQ(first->SeriesColor(), clGreen);  // red is taken
    EXPECT_EQ(second->SeriesColor(), clYellow);
    chart.AddSeries(first);  // already there: nothing happens
    EXPECT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.Series(0), coloured);
}

TEST(TChartSeriesList, MembershipAndFreeing)
{
    TChart chart;
    TChart other;
    QPointer<TAreaSeries> a = new TAreaSeries;
    QPointer<TAreaSeries> b = new TAreaSeries;
    a->SetParentChart(&chart);
    chart.AddSeries(b);
    other.AddSeries(a);  // moves from the first chart
    EXPECT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(other.SeriesCount(), 1);
    EXPECT_EQ(a->ParentChart(), &other);

    delete b.data();  // freeing a series takes it out of its chart
    EXPECT_EQ(chart.SeriesCount(), 0);

    auto* c = new TAreaSeries;
    other.AddSeries(c);
    other.RemoveAllSeries();
    EXPECT_EQ(other.SeriesCount(), 0);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(other.NeedsFullRedraw());
}

TEST(TChartSeriesList, RemoveAllSeriesOfOneClass)
{
    class TOtherSeries : public TChartSeries {
    public:
        void Draw(QPainter&, const TChartRect&) const override {}
    };
    TChart chart;
    QPointer<TAreaSeries> area = new TAreaSeries;
    QPointer<TOtherSeries> other = new TOtherSeries;
    chart.AddSeries(area);
    chart.AddSeries(other);
    chart.RemoveAllSeries<TAreaSeries>();
    EXPECT_TRUE(area.isNull());
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(chart.SeriesCount(), 1);
    delete other.data();
}

TEST(TChartSeriesList, SeriesOutliveTheirChart)
{
    auto series = std::make_unique<TAreaSeries>();
    {
        TChart chart;
        chart.AddSeries(series.get());
    }
    EXPECT_EQ(series->ParentChart(), nullptr);
    EXPECT_EQ(series->CalcYPosValue(100), 0);
}

TEST(TChartSeriesList, InactiveSeriesConvertsLikeTheAxis)
{
    TChart chart;
    test::SetUpSoilChart(chart);
    TAreaSeries* band48 = test::AddBand(chart, 400, clSkyBlue);
    test::AddBand(chart, 277.8, clBlue);
    band48->SetActive(false);
    chart.RenderToImage();
    for (double depth : {0.0, 150.0, 165.0, 300.0, 335.0, 600.0, -12.5, 700.0})
        EXPECT_EQ(band48->CalcYPosValue(depth), chart.LeftAxis().CalcPosValue(depth)) << depth;
    EXPECT_EQ(band48->CalcYPosValue(335), 233);
    EXPECT_EQ(band48->CalcXPosValue(1), chart.PlotRect().Right);
}

}  // namespace
}  // namespace morvane
