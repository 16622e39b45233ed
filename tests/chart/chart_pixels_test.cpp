// Charts set up like the soil profile charts, rendered into images and
// checked pixel by pixel.

#include "soil_chart_fixture.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::PixelIs;
using test::RowRuns;
using test::Sand;
using Runs = std::vector<std::pair<int, int>>;

class SoilChartPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpSoilChart(chart);
        // Like the soil charts, the chart always holds an active series on
        // its depth axis (so the top and right axes stay hidden); a band of
        // depth 0 shows nothing itself.
        test::AddBand(chart, 0, clBlue);
    }

    QImage Render()
    {
        QImage image = chart.RenderToImage();
        plot = chart.PlotRect();
        return image;
    }
    int Middle() const { return (plot.Left + plot.Right) / 2; }

    TChart chart;
    TChartRect plot;
};

TEST_F(SoilChartPixels, ColourLinesCoverTheirRows)
{
    struct Row {
        const char* name;
        double value;
        int width;
        TPenEndStyle ends;
        TColor color;
        Runs rows;
    };
    const Row table[] = {
        {"applied-water bar, 25 mm", -12.5, 14, esFlat, clFuchsia, {{26, 39}}},
        {"applied-water bar, 21 mm", -10.5, 12, esFlat, clFuchsia, {{28, 39}}},
        {"applied depth 0: a 1-pixel line", 0, 0, esFlat, clFuchsia, {{40, 40}}},
        {"root zone line", 500, 3, esRound, clYellow, {{327, 329}}},
        {"24-hour line", 400, 3, esRound, clGreen, {{269, 271}}},
        {"below the plot", 620, 1, esRound, clRed, {{396, 396}}},
        {"outside the panel", 700, 3, esRound, clRed, {}},
    };
    for (const Row& row : table) {
        TChart fresh;
        test::SetUpSoilChart(fresh);
        test::AddBand(fresh, 277.8, clBlue);
        test::AddDepthLine(fresh, row.value, row.color, row.width, row.ends);
        const QImage image = fresh.RenderToImage();
        const TChartRect area = fresh.PlotRect();
        EXPECT_EQ(RowRuns(image, (area.Left + area.Right) / 2, row.color), row.rows) << row.name;
    }
}

TEST_F(SoilChartPixels, FlatBarSpansThePlotExactly)
{
    test::AddDepthLine(chart, -12.5, clFuchsia, 14, esFlat);
    const QImage image = Render();
    for (int y = 26; y <= 39; ++y)
        EXPECT_EQ(test::ColumnRuns(image, y, clFuchsia), (Runs{{plot.Left, plot.Right - 1}}))
            << "row " << y;
    EXPECT_TRUE(test::ColumnRuns(image, 25, clFuchsia).empty());
    EXPECT_TRUE(test::ColumnRuns(image, 40, clFuchsia).empty());
}

TEST_F(SoilChartPixels, LineOutsideThePanelChangesNothing)
{
    const QImage without = Render();
    test::AddDepthLine(chart, 700, clRed, 3);
    EXPECT_EQ(Render(), without);
}

TEST_F(SoilChartPixels, BandFillsThePlotInteriorDownToItsDepth)
{
    struct Row {
        double depth;
        Runs blueRows;
        int blackRow;  // the band's lower edge, or 0 when it lies outside the interior
    };
    const Row table[] = {
        {277.8, {{41, 199}}, 200}, {357.1, {{41, 244}}, 245}, {600, {{41, 384}}, 0},
        {700, {{41, 384}}, 0},     {0, {}, 0},                {-5, {}, 0},
    };
    for (const Row& row : table) {
        TChart fresh;
        test::SetUpSoilChart(fresh);
        test::AddBand(fresh, row.depth, clBlue);
        const QImage image = fresh.RenderToImage();
        const TChartRect area = fresh.PlotRect();
        for (int x : {area.Left + 1, (area.Left + area.Right) / 2, area.Right - 1}) {
            EXPECT_EQ(RowRuns(image, x, clBlue), row.blueRows) << row.depth << " at x " << x;
            if (row.blackRow) {
                EXPECT_TRUE(PixelIs(image, x, row.blackRow, clBlack)) << row.depth;
            }
        }
        if (!row.blueRows.empty()) {
            // Clipped at the interior: the frame columns stay black.
            EXPECT_EQ(test::ColumnRuns(image, 100, clBlue), (Runs{{area.Left + 1, area.Right - 1}}));
            EXPECT_TRUE(PixelIs(image, area.Right, 100, clBlack));
            EXPECT_TRUE(PixelIs(image, area.Left, 100, clBlack));
            EXPECT_TRUE(PixelIs(image, area.Left + 1, 40, clBlack)) << "top frame kept";
        }
    }
}

TEST_F(SoilChartPixels, LaterSeriesCoversEarlier)
{
    struct Row {
        const char* name;
        bool deepFirst;
        Runs blue;
        Runs skyBlue;
    };
    const Row table[] = {
        {"deep band first", true, {{41, 199}}, {{201, 269}}},
        {"deep band last", false, {}, {{41, 269}}},
    };
    for (const Row& row : table) {
        TChart fresh;
        test::SetUpSoilChart(fresh);
        if (row.deepFirst)
            test::AddBand(fresh, 400, clSkyBlue);
        test::AddBand(fresh, 277.8, clBlue);
        if (!row.deepFirst)
            test::AddBand(fresh, 400, clSkyBlue);
        const QImage image = fresh.RenderToImage();
        const int x = (fresh.PlotRect().Left + fresh.PlotRect().Right) / 2;
        EXPECT_EQ(RowRuns(image, x, clBlue), row.blue) << row.name;
        EXPECT_EQ(RowRuns(image, x, clSkyBlue), row.skyBlue) << row.name;
        EXPECT_TRUE(PixelIs(image, x, 270, clBlack)) << row.name;
    }
}

TEST_F(SoilChartPixels, InactiveSeriesDrawsNothing)
{
    test::AddBand(chart, 277.8, clBlue);
    const QImage bandOnly = Render();
    TAreaSeries* band48 = test::AddBand(chart, 400, clSkyBlue);
    band48->SetActive(false);
    EXPECT_EQ(Render(), bandOnly);
    band48->SetActive(true);
    EXPECT_NE(Render(), bandOnly);
}

TEST_F(SoilChartPixels, BackWall)
{
    QImage pattern(16, 16, QImage::Format_Mono);
    pattern.setColorCount(2);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pattern.setPixel(x, y, (x + y) % 2);
    chart.BackWall().Brush().SetImage(pattern);
    chart.BackWall().Brush().SetColor(clWhite);

    struct Row {
        const char* name;
        bool transparent;
        TColor interior;  // a colour found inside; Sand means nothing else is
    };
    const Row table[] = {{"transparent: frame only", true, Sand},
                         {"filled with the pattern", false, clWhite}};
    for (const Row& row : table) {
        chart.BackWall().SetTransparent(row.transparent);
        const QImage image = Render();
        const auto interior = test::ColumnRuns(image, 45, row.interior);
        if (row.transparent) {
            // Left of the axis line, the plot interior, right of the frame.
            EXPECT_EQ(interior, (Runs{{0, plot.Left - 2},
                                      {plot.Left + 1, plot.Right - 1},
                                      {plot.Right + 1, chart.width() - 1}}))
                << row.name;
        } else {
            EXPECT_GT(interior.size(), 10u) << row.name;
            EXPECT_FALSE(test::ColumnRuns(image, 45, clSilver).empty()) << row.name;
        }
        // The 1-pixel black frame on the plot rectangle's edges.
        // (the gray tick at 0 mm takes the pixel left of the frame)
        EXPECT_EQ(test::ColumnRuns(image, 40, clBlack), (Runs{{plot.Left, plot.Right}}))
            << row.name;
        EXPECT_EQ(test::ColumnRuns(image, 385, clBlack).back().second, plot.Right) << row.name;
        EXPECT_EQ(RowRuns(image, plot.Right, clBlack), (Runs{{40, 385}})) << row.name;
        EXPECT_TRUE(PixelIs(image, plot.Right + 1, 45, Sand)) << row.name;
    }
}

TEST_F(SoilChartPixels, DepthAxisLineTicksAndGrid)
{
    const QImage image = Render();
    const int left = plot.Left;
    // The 2-pixel axis line covers the column left of the frame and the
    // frame column itself; its round ends reach one row beyond 40 .. 384.
    EXPECT_EQ(RowRuns(image, left, clBlack), (Runs{{39, 385}}));
    EXPECT_TRUE(PixelIs(image, left - 1, 45, clBlack));

    struct Row {
        const char* name;
        int y;
        int firstGray;  // columns firstGray .. left - 1 are gray, firstGray - 1 is sand
    };
    const Row ticks[] = {{"tick at 300 mm", 212, left - 4}, {"tick at 0 mm", 40, left - 4},
                         {"tick at 600 mm", 385, left - 4}, {"minor tick", 363, left - 2},
                         {"minor tick", 47, left - 2}};
    for (const Row& row : ticks) {
        for (int x = row.firstGray; x < left; ++x)
            EXPECT_TRUE(PixelIs(image, x, row.y, clGray)) << row.name << " x " << x;
        EXPECT_TRUE(PixelIs(image, row.firstGray - 1, row.y, Sand)) << row.name;
    }

    // Dotted grid lines at the eleven inner ticks, none at the plot edges.
    int gridRows = 0;
    for (int y = plot.Top; y <= plot.Bottom; ++y)
        if (PixelIs(image, left + 1, y, clGray))
            ++gridRows;
    EXPECT_EQ(gridRows, 11);
    EXPECT_TRUE(PixelIs(image, left + 1, 212, clGray));
    EXPECT_TRUE(PixelIs(image, left + 2, 212, Sand));
    EXPECT_TRUE(PixelIs(image, left + 3, 212, clGray));
    EXPECT_TRUE(PixelIs(image, plot.Right, 212, clBlack));
}

TEST_F(SoilChartPixels, LabelsAndTitleSitInTheirColumns)
{
    const QImage image = Render();
    const TAxisLayout& layout = chart.LeftAxis().Layout();
    const QFont labelFont = chart.LeftAxis().LabelsFont().ToQFont();
    const int height = TextHeight(labelFont);
    auto inked = [&](int x0, int x1, int y0, int y1) {
        for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y)
            for (int x = x0; x < x1; ++x)
                if (!PixelIs(image, x, y, Sand))
                    return true;
        return false;
    };
    for (int tick : layout.Ticks)
        EXPECT_TRUE(inked(layout.LabelEdge - 20, layout.LabelEdge, tick - height / 2,
                          tick - height / 2 + height))
            << "label at row " << tick;
    // Between the labels and the ticks there is only the panel.
    EXPECT_FALSE(inked(layout.LabelEdge, plot.Left - 4, 0, image.height()));
    // The title column is 4 .. title edge, nothing left of it.
    EXPECT_TRUE(inked(4, layout.TitleEdge, 150, 280));
    EXPECT_FALSE(inked(0, 4, 0, image.height()));
    EXPECT_FALSE(inked(layout.TitleEdge, layout.LabelEdge - 20, 0, image.height()));
}

TEST_F(SoilChartPixels, BlankCustomTitleShowsNothing)
{
    const QImage emptyTitle = Render();
    chart.Title().SetText({QStringLiteral(" ")});
    EXPECT_EQ(Render(), emptyTitle);
    chart.Title().SetText({QStringLiteral("Soil")});
    EXPECT_NE(Render(), emptyTitle);
}

}  // namespace
}  // namespace morvane
