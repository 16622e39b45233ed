// Charts set up like the soil profile charts, rendered into images and
// checked pixel by pixel.

#include "soil_chart_fixture.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

using test::pixelIs;
using test::rowRuns;
using colours::sand;
using Runs = std::vector<std::pair<int, int>>;

class SoilChartPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::setUpSoilChart(chart);
        // Like the soil charts, the chart always holds an active series on
        // its depth axis (so the top and right axes stay hidden); a band of
        // depth 0 shows nothing itself.
        test::addBand(chart, 0, colours::blue);
    }

    QImage Render()
    {
        QImage image = chart.renderToImage();
        plot = chart.plotRect();
        return image;
    }
    int Middle() const { return (plot.left + plot.right) / 2; }

    Chart chart;
    ChartRect plot;
};

TEST_F(SoilChartPixels, ColourLinesCoverTheirRows)
{
    struct Row {
        const char* name;
        double value;
        int width;
        Qt::PenCapStyle ends;
        QColor color;
        Runs rows;
    };
    const Row table[] = {
        {"applied-water bar, 25 mm", -12.5, 14, Qt::FlatCap, colours::fuchsia, {{26, 39}}},
        {"applied-water bar, 21 mm", -10.5, 12, Qt::FlatCap, colours::fuchsia, {{28, 39}}},
        {"applied depth 0: a 1-pixel line", 0, 0, Qt::FlatCap, colours::fuchsia, {{40, 40}}},
        {"root zone line", 500, 3, Qt::RoundCap, colours::yellow, {{327, 329}}},
        {"24-hour line", 400, 3, Qt::RoundCap, colours::green, {{269, 271}}},
        {"below the plot", 620, 1, Qt::RoundCap, colours::red, {{396, 396}}},
        {"outside the panel", 700, 3, Qt::RoundCap, colours::red, {}},
    };
    for (const Row& row : table) {
        Chart fresh;
        test::setUpSoilChart(fresh);
        test::addBand(fresh, 277.8, colours::blue);
        test::addDepthLine(fresh, row.value, row.color, row.width, row.ends);
        const QImage image = fresh.renderToImage();
        const ChartRect area = fresh.plotRect();
        EXPECT_EQ(rowRuns(image, (area.left + area.right) / 2, row.color), row.rows) << row.name;
    }
}

TEST_F(SoilChartPixels, FlatBarSpansThePlotExactly)
{
    test::addDepthLine(chart, -12.5, colours::fuchsia, 14, Qt::FlatCap);
    const QImage image = Render();
    for (int y = 26; y <= 39; ++y)
        EXPECT_EQ(test::columnRuns(image, y, colours::fuchsia), (Runs{{plot.left, plot.right - 1}}))
            << "row " << y;
    EXPECT_TRUE(test::columnRuns(image, 25, colours::fuchsia).empty());
    EXPECT_TRUE(test::columnRuns(image, 40, colours::fuchsia).empty());
}

TEST_F(SoilChartPixels, LineOutsideThePanelChangesNothing)
{
    const QImage without = Render();
    test::addDepthLine(chart, 700, colours::red, 3);
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
        Chart fresh;
        test::setUpSoilChart(fresh);
        test::addBand(fresh, row.depth, colours::blue);
        const QImage image = fresh.renderToImage();
        const ChartRect area = fresh.plotRect();
        for (int x : {area.left + 1, (area.left + area.right) / 2, area.right - 1}) {
            EXPECT_EQ(rowRuns(image, x, colours::blue), row.blueRows) << row.depth << " at x " << x;
            if (row.blackRow) {
                EXPECT_TRUE(pixelIs(image, x, row.blackRow, colours::black)) << row.depth;
            }
        }
        if (!row.blueRows.empty()) {
            // Clipped at the interior: the frame columns stay black.
            EXPECT_EQ(test::columnRuns(image, 100, colours::blue), (Runs{{area.left + 1, area.right - 1}}));
            EXPECT_TRUE(pixelIs(image, area.right, 100, colours::black));
            EXPECT_TRUE(pixelIs(image, area.left, 100, colours::black));
            EXPECT_TRUE(pixelIs(image, area.left + 1, 40, colours::black)) << "top frame kept";
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
        Chart fresh;
        test::setUpSoilChart(fresh);
        if (row.deepFirst)
            test::addBand(fresh, 400, colours::skyBlue);
        test::addBand(fresh, 277.8, colours::blue);
        if (!row.deepFirst)
            test::addBand(fresh, 400, colours::skyBlue);
        const QImage image = fresh.renderToImage();
        const int x = (fresh.plotRect().left + fresh.plotRect().right) / 2;
        EXPECT_EQ(rowRuns(image, x, colours::blue), row.blue) << row.name;
        EXPECT_EQ(rowRuns(image, x, colours::skyBlue), row.skyBlue) << row.name;
        EXPECT_TRUE(pixelIs(image, x, 270, colours::black)) << row.name;
    }
}

TEST_F(SoilChartPixels, InactiveSeriesDrawsNothing)
{
    test::addBand(chart, 277.8, colours::blue);
    const QImage bandOnly = Render();
    AreaSeries* band48 = test::addBand(chart, 400, colours::skyBlue);
    band48->setActive(false);
    EXPECT_EQ(Render(), bandOnly);
    band48->setActive(true);
    EXPECT_NE(Render(), bandOnly);
}

TEST_F(SoilChartPixels, backWall)
{
    QImage pattern(16, 16, QImage::Format_Mono);
    pattern.setColorCount(2);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pattern.setPixel(x, y, (x + y) % 2);
    chart.backWall().brush().setImage(pattern);
    chart.backWall().brush().setColor(colours::white);

    struct Row {
        const char* name;
        bool transparent;
        QColor interior;  // a colour found inside; sand means nothing else is
    };
    const Row table[] = {{"transparent: frame only", true, sand},
                         {"filled with the pattern", false, colours::white}};
    for (const Row& row : table) {
        chart.backWall().setTransparent(row.transparent);
        const QImage image = Render();
        const auto interior = test::columnRuns(image, 45, row.interior);
        if (row.transparent) {
            // left of the axis line, the plot interior, right of the frame.
            EXPECT_EQ(interior, (Runs{{0, plot.left - 2},
                                      {plot.left + 1, plot.right - 1},
                                      {plot.right + 1, chart.width() - 1}}))
                << row.name;
        } else {
            EXPECT_GT(interior.size(), 10u) << row.name;
            EXPECT_FALSE(test::columnRuns(image, 45, colours::silver).empty()) << row.name;
        }
        // The 1-pixel black frame on the plot rectangle's edges.
        // (the gray tick at 0 mm takes the pixel left of the frame)
        EXPECT_EQ(test::columnRuns(image, 40, colours::black), (Runs{{plot.left, plot.right}}))
            << row.name;
        EXPECT_EQ(test::columnRuns(image, 385, colours::black).back().second, plot.right) << row.name;
        EXPECT_EQ(rowRuns(image, plot.right, colours::black), (Runs{{40, 385}})) << row.name;
        EXPECT_TRUE(pixelIs(image, plot.right + 1, 45, sand)) << row.name;
    }
}

TEST_F(SoilChartPixels, DepthAxisLineTicksAndGrid)
{
    const QImage image = Render();
    const int left = plot.left;
    // The 2-pixel axis line covers the column left of the frame and the
    // frame column itself; its round ends reach one row beyond 40 .. 384.
    EXPECT_EQ(rowRuns(image, left, colours::black), (Runs{{39, 385}}));
    EXPECT_TRUE(pixelIs(image, left - 1, 45, colours::black));

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
            EXPECT_TRUE(pixelIs(image, x, row.y, colours::gray)) << row.name << " x " << x;
        EXPECT_TRUE(pixelIs(image, row.firstGray - 1, row.y, sand)) << row.name;
    }

    // Dotted grid lines at the eleven inner ticks, none at the plot edges.
    int gridRows = 0;
    for (int y = plot.top; y <= plot.bottom; ++y)
        if (pixelIs(image, left + 1, y, colours::gray))
            ++gridRows;
    EXPECT_EQ(gridRows, 11);
    EXPECT_TRUE(pixelIs(image, left + 1, 212, colours::gray));
    EXPECT_TRUE(pixelIs(image, left + 2, 212, sand));
    EXPECT_TRUE(pixelIs(image, left + 3, 212, colours::gray));
    EXPECT_TRUE(pixelIs(image, plot.right, 212, colours::black));
}

TEST_F(SoilChartPixels, LabelsAndTitleSitInTheirColumns)
{
    const QImage image = Render();
    const AxisLayout& layout = chart.leftAxis().layout();
    const QFont labelFont = chart.leftAxis().labelsFont().toQFont();
    const int height = textHeight(labelFont);
    auto inked = [&](int x0, int x1, int y0, int y1) {
        for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y)
            for (int x = x0; x < x1; ++x)
                if (!pixelIs(image, x, y, sand))
                    return true;
        return false;
    };
    for (int tick : layout.ticks)
        EXPECT_TRUE(inked(layout.labelEdge - 20, layout.labelEdge, tick - height / 2,
                          tick - height / 2 + height))
            << "label at row " << tick;
    // Between the labels and the ticks there is only the panel.
    EXPECT_FALSE(inked(layout.labelEdge, plot.left - 4, 0, image.height()));
    // The title column is 4 .. title edge, nothing left of it.
    EXPECT_TRUE(inked(4, layout.titleEdge, 150, 280));
    EXPECT_FALSE(inked(0, 4, 0, image.height()));
    EXPECT_FALSE(inked(layout.titleEdge, layout.labelEdge - 20, 0, image.height()));
}

}  // namespace
}  // namespace morvane
