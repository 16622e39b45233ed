// Label texts, colours and font sizes.

#include "axis_label_text.h"
#include "chart_colors.h"
#include "chart_font.h"
#include "chart_pen.h"
#include "soil_chart_fixture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace morvane {
namespace {

TEST(AxisLabelText, WholeNumbersInPlainDigits)
{
    const std::pair<double, const char*> table[] = {
        {0, "0"},       {50, "50"},     {600, "600"},   {1234, "1234"},   {1234567, "1234567"},
        {-12.5, "-13"}, {2.5, "3"},     {0.4, "0"},     {-0.4, "0"},      {599.5, "600"},
        {-600, "-600"}, {1e15, "1000000000000000"}};
    for (const auto& [value, text] : table)
        EXPECT_EQ(axisLabelText(value).toStdString(), text) << value;
}

// The C library's number formatting follows the process locale, which Qt
// sets from the environment at start-up. The labels must not: a comma
// locale and one with a multibyte separator give the same texts, and so the
// same plot rectangle and the same pixels, as the C locale.
TEST(AxisLabelText, SameTextsAndPixelsInEveryLocale)
{
    const auto render = [] {
        TChart chart;
        test::SetUpSoilChart(chart);
        test::AddBand(chart, 277.8, clBlue);
        return chart.RenderToImage();
    };
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const QImage inC = render();
    for (const char* locale : {"de_DE.UTF-8", "ps_AF"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << locale << " is not installed (tools/setup.sh generates it)";
        std::vector<std::string> texts;
        for (double value : {0.0, 50.0, 600.0, 1234.0})
            texts.push_back(axisLabelText(value).toStdString());
        const QImage inLocale = render();
        std::setlocale(LC_ALL, saved.c_str());
        EXPECT_EQ(texts, (std::vector<std::string>{"0", "50", "600", "1234"})) << locale;
        EXPECT_TRUE(inLocale == inC) << locale;
    }
}

TEST(ChartColors, ByteOrderIsBlueGreenRed)
{
    const std::pair<TColor, QColor> table[] = {
        {10930928, QColor(240, 202, 166)}, {clRed, QColor(255, 0, 0)},
        {clBlue, QColor(0, 0, 255)},       {clSkyBlue, QColor(166, 202, 240)},
        {clFuchsia, QColor(255, 0, 255)},  {clGray, QColor(128, 128, 128)}};
    for (const auto& [color, expected] : table)
        EXPECT_EQ(ToQColor(color), expected) << color;
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    EXPECT_EQ(clSkyBlue, 0xF0CAA6);
    EXPECT_EQ(DefaultSeriesPalette.size(), 20u);
    EXPECT_EQ(DefaultSeriesPalette[17], clSkyBlue);
}

TEST(ChartFont, PointsBecomePixelsAt96PerInch)
{
    TChartFont font;
    const std::pair<int, int> table[] = {{8, 11}, {10, 13}, {12, 16}, {-8, 11}};
    for (const auto& [points, pixels] : table) {
        font.SetSize(points);
        EXPECT_EQ(font.Height(), pixels) << points;
        EXPECT_EQ(font.ToQFont().pixelSize(), pixels);
    }
    font.SetHeight(-13);
    EXPECT_EQ(font.Height(), 13);
}

TEST(ChartPen, NotifiesOnlyRealChanges)
{
    TChartPen pen;
    int changes = 0;
    pen.OnChange = [&] { ++changes; };
    pen.SetWidth(1);
    pen.SetColor(clBlack);
    pen.SetEndStyle(esRound);
    EXPECT_EQ(changes, 0);
    pen.SetWidth(14);
    pen.SetWidth(14);
    pen.SetEndStyle(esFlat);
    pen.SetWidth(-3);  // stored as 0
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(pen.Width(), 0);
}

}  // namespace
}  // namespace morvane
