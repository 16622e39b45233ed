// Chart layout by numbers: the plot rectangle, the depth axis conversions
// after a full redraw, the label step and tick list, axis visibility, and
// the checks of the axis setters.

#include "soil_chart_fixture.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvane {
namespace {

using test::SetUpSoilChart;

// The left edge the depth axis leaves: margin 4, then the title column (the
// height of the bold 13-pixel title font), the label column ("600" and a
// space in the 11-pixel label font), and 7 for the axis line and ticks.
int ExpectedPlotLeft(const TChart& chart)
{
    const TChartAxis& axis = const_cast<TChart&>(chart).LeftAxis();
    const int title = TextHeight(axis.Title().Font().ToQFont());
    const QFont labels = axis.LabelsFont().ToQFont();
    const int label = TextWidth(labels, QStringLiteral("600")) + TextWidth(labels, QStringLiteral(" "));
    return 4 + title + label + 2 + 1 + 4;
}

TEST(ChartLayout, SoilChartPlotRectangle)
{
    TChart chart;
    SetUpSoilChart(chart);
    test::AddBand(chart, 277.8, clBlue);
    chart.RenderToImage();
    const TChartRect plot = chart.PlotRect();
    EXPECT_EQ(plot.Top, 40);
    EXPECT_EQ(plot.Right, 133);
    EXPECT_EQ(plot.Bottom, 385);
    EXPECT_EQ(plot.Left, ExpectedPlotLeft(chart));
    EXPECT_EQ(chart.ChartBounds(), (TChartRect{0, 0, 137, 401}));
    // The measured fonts are real Liberation Sans, not a fallback.
    EXPECT_EQ(TextHeight(chart.LeftAxis().Title().Font().ToQFont()) > 11, true);
    EXPECT_GT(plot.Left, 20);
    EXPECT_LT(plot.Left, 60);
}

TEST(ChartLayout, DepthAxisAfterFullRedraw)
{
    TChart chart;
    SetUpSoilChart(chart);
    test::AddBand(chart, 277.8, clBlue);
    chart.RenderToImage();
    const TChartAxis& axis = chart.LeftAxis();
    EXPECT_EQ(axis.Layout().Scale.StartPixel, 40);
    EXPECT_EQ(axis.Layout().Scale.EndPixel, 385);
    const std::pair<double, int> pixels[] = {{0, 40},     {50, 69},   {100, 98},  {165, 135},
                                             {300, 212},  {335, 233}, {500, 328}, {600, 385},
                                             {-12.5, 33}, {620, 396}, {700, 442}};
    for (const auto& [value, pixel] : pixels)
        EXPECT_EQ(axis.CalcPosValue(value), pixel) << value;
    EXPECT_EQ(axis.CalcSizeValue(25), 14);
    EXPECT_EQ(axis.CalcSizeValue(20), 12);
    EXPECT_EQ(axis.Layout().LabelStep, 50);
    EXPECT_EQ(axis.Layout().Ticks, (std::vector<int>{385, 356, 328, 299, 270, 241, 212, 184,
                                                     155, 126, 98, 69, 40}));
}

TEST(ChartLayout, ConversionsAreZeroUntilLaidOut)
{
    TChart chart;
    SetUpSoilChart(chart);
    TAreaSeries* band = test::AddBand(chart, 277.8, clBlue);
    for (double value : {0.0, 165.0, 600.0, -12.5})
        EXPECT_EQ(chart.LeftAxis().CalcPosValue(value), 0) << value;
    EXPECT_EQ(chart.LeftAxis().CalcSizeValue(25), 0);
    EXPECT_EQ(band->CalcYPosValue(165), 0);

    // Laying out without painting gives the display's numbers and keeps the
    // chart marked for its full redraw.
    int redraws = 0;
    chart.OnAfterDraw = [&](TChart*) { ++redraws; };
    chart.CalculateLayout();
    EXPECT_EQ(chart.LeftAxis().CalcPosValue(165), 135);
    EXPECT_EQ(chart.LeftAxis().CalcSizeValue(25), 14);
    EXPECT_EQ(redraws, 0);
    EXPECT_TRUE(chart.NeedsFullRedraw());
    EXPECT_EQ(chart.PlotRect().Left, ExpectedPlotLeft(chart));
}

TEST(ChartLayout, AxisVisibility)
{
    struct Row {
        const char* name;
        int activeSeries;     // area series on the left and bottom axes
        int inactiveSeries;
        bool axisVisible;     // the chart's AxisVisible
        bool left, top, right, bottom;
    };
    const Row table[] = {
        {"no series: every axis with Visible", 0, 0, true, true, true, true, false},
        {"only inactive series count as none", 0, 1, true, true, true, true, false},
        {"an active series shows only its axes", 1, 1, true, true, false, false, false},
        {"AxisVisible off hides all", 1, 0, false, false, false, false, false},
    };
    for (const Row& row : table) {
        TChart chart;
        SetUpSoilChart(chart);
        chart.SetAxisVisible(row.axisVisible);
        for (int i = 0; i < row.activeSeries; ++i)
            test::AddBand(chart, 300, clBlue);
        for (int i = 0; i < row.inactiveSeries; ++i)
            test::AddBand(chart, 300, clBlue)->SetActive(false);
        EXPECT_EQ(chart.IsAxisVisible(chart.LeftAxis()), row.left) << row.name;
        EXPECT_EQ(chart.IsAxisVisible(chart.TopAxis()), row.top) << row.name;
        EXPECT_EQ(chart.IsAxisVisible(chart.RightAxis()), row.right) << row.name;
        EXPECT_EQ(chart.IsAxisVisible(chart.BottomAxis()), row.bottom) << row.name;
        EXPECT_FALSE(chart.IsAxisVisible(chart.DepthAxis())) << row.name;
    }
}

TEST(ChartLayout, VisibleTopAndRightAxesTakeRoom)
{
    TChart chart;
    SetUpSoilChart(chart);
    chart.CalculateLayout();  // no series: top and right axes show too
    const TChartRect withoutSeries = chart.PlotRect();
    test::AddBand(chart, 300, clBlue);
    chart.CalculateLayout();
    const TChartRect withSeries = chart.PlotRect();
    EXPECT_EQ(withSeries.Top, 40);
    EXPECT_EQ(withSeries.Right, 133);
    EXPECT_GT(withoutSeries.Top, withSeries.Top);
    EXPECT_LT(withoutSeries.Right, withSeries.Right);
    EXPECT_EQ(withoutSeries.Left, withSeries.Left);
}

TEST(ChartAxis, MinimumAndMaximumChecks)
{
    struct Row {
        const char* name;
        void (*apply)(TChartAxis&);
        const char* message;
    };
    const Row table[] = {
        {"minimum above maximum", [](TChartAxis& a) { a.SetMinimum(700); },
         "Axis Minimum Value must be <= Maximum"},
        {"maximum below minimum", [](TChartAxis& a) { a.SetMaximum(-1); },
         "Axis Maximum Value must be >= Minimum"},
        {"crossed pair", [](TChartAxis& a) { a.SetMinMax(5, 4); },
         "Axis Minimum Value must be <= Maximum"},
        {"NaN minimum", [](TChartAxis& a) { a.SetMinimum(std::numeric_limits<double>::quiet_NaN()); },
         "Axis Minimum Value must be a finite number"},
        {"infinite maximum",
         [](TChartAxis& a) { a.SetMaximum(std::numeric_limits<double>::infinity()); },
         "Axis Maximum Value must be a finite number"},
        {"infinite pair end",
         [](TChartAxis& a) { a.SetMinMax(0, -std::numeric_limits<double>::infinity()); },
         "Axis Maximum Value must be a finite number"},
        {"NaN increment",
         [](TChartAxis& a) { a.SetIncrement(std::numeric_limits<double>::quiet_NaN()); },
         "Axis Increment must be a finite number"},
    };
    for (const Row& row : table) {
        TChart chart;
        SetUpSoilChart(chart);
        TChartAxis& axis = chart.LeftAxis();
        try {
            row.apply(axis);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const ChartException& error) {
            EXPECT_STREQ(error.what(), row.message) << row.name;
        }
        EXPECT_EQ(axis.Minimum(), 0) << row.name;
        EXPECT_EQ(axis.Maximum(), 600) << row.name;
        EXPECT_EQ(axis.Increment(), 0) << row.name;
    }
}

TEST(ChartAxis, RangeMovesInTheSafeOrder)
{
    TChartAxis axis(TAxisPlace::Left);
    axis.SetMaximum(600);
    axis.SetMinimum(600);  // equal ends are allowed
    axis.SetMinMax(1000, 2000);
    EXPECT_EQ(axis.Minimum(), 1000);
    EXPECT_EQ(axis.Maximum(), 2000);
}

TEST(ChartAxis, AutomaticAxisFollowsActiveSeries)
{
    TChart chart;
    chart.resize(137, 401);
    TAreaSeries* series = test::AddBand(chart, 300, clBlue);
    series->SetYOrigin(-50);
    chart.CalculateLayout();
    EXPECT_EQ(chart.LeftAxis().Layout().Scale.Minimum, -50);
    EXPECT_EQ(chart.LeftAxis().Layout().Scale.Maximum, 300);
    EXPECT_EQ(chart.BottomAxis().Layout().Scale.Maximum, 10);
}

TEST(ChartProperties, SettersMarkForRedrawOnlyOnChange)
{
    TChart chart;
    SetUpSoilChart(chart);
    TColorLineTool& line = test::AddDepthLine(chart, 500, clYellow, 3);
    TAreaSeries* band = test::AddBand(chart, 277.8, clBlue);

    struct Row {
        const char* name;
        std::function<void()> sameValue;
        std::function<void()> newValue;
    };
    const Row table[] = {
        {"chart colour", [&] { chart.SetColor(test::Sand); }, [&] { chart.SetColor(clCream); }},
        {"margin", [&] { chart.SetMarginTop(10); }, [&] { chart.SetMarginTop(11); }},
        {"axis inverted", [&] { chart.LeftAxis().SetInverted(true); },
         [&] { chart.LeftAxis().SetInverted(false); }},
        {"axis range", [&] { chart.LeftAxis().SetMinMax(0, 600); },
         [&] { chart.LeftAxis().SetMinMax(0, 700); }},
        {"axis title font", [&] { chart.LeftAxis().Title().Font().SetBold(true); },
         [&] { chart.LeftAxis().Title().Font().SetBold(false); }},
        {"axis grid pen", [&] { chart.LeftAxis().Grid().SetStyle(psDot); },
         [&] { chart.LeftAxis().Grid().SetStyle(psSolid); }},
        {"line value", [&] { line.SetValue(500); }, [&] { line.SetValue(400); }},
        {"line pen width", [&] { line.Pen().SetWidth(3); }, [&] { line.Pen().SetWidth(14); }},
        {"line active", [&] { line.SetActive(true); }, [&] { line.SetActive(false); }},
        {"series active", [&] { band->SetActive(true); }, [&] { band->SetActive(false); }},
        {"series origin", [&] { band->SetYOrigin(0); }, [&] { band->SetYOrigin(5); }},
        {"series pen", [&] { band->LinePen().SetColor(clBlack); },
         [&] { band->LinePen().SetColor(clRed); }},
        {"back wall", [&] { chart.BackWall().SetTransparent(true); },
         [&] { chart.BackWall().SetTransparent(false); }},
    };
    for (const Row& row : table) {
        chart.RedrawCache();
        ASSERT_FALSE(chart.NeedsFullRedraw()) << row.name;
        row.sameValue();
        EXPECT_FALSE(chart.NeedsFullRedraw()) << row.name << ": same value";
        row.newValue();
        EXPECT_TRUE(chart.NeedsFullRedraw()) << row.name << ": new value";
    }
    chart.RedrawCache();
    band->AddXY(5, 100);
    EXPECT_TRUE(chart.NeedsFullRedraw()) << "adding a point";
}

TEST(ColorLineTool, RefusesValuesThatAreNotNumbers)
{
    TChart chart;
    TColorLineTool& line = test::AddDepthLine(chart, 500, clYellow, 3);
    for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(line.SetValue(bad), ChartException);
        EXPECT_EQ(line.Value(), 500);
    }
    EXPECT_EQ(line.Axis(), &chart.LeftAxis());
    line.SetAxisID(7);
    EXPECT_EQ(line.Axis(), nullptr);
    TChart other;
    EXPECT_THROW(line.SetAxis(&other.LeftAxis()), ChartException);
    line.SetAxis(&chart.BottomAxis());
    EXPECT_EQ(line.AxisID(), TChart::BottomAxisIndex);
}

}  // namespace
}  // namespace morvane
