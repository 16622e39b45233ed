// Label texts, colours and font sizes.

#include "axis_value_format.h"
#include "chart_colors.h"
#include "chart_font.h"
#include "chart_pen.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvane {
namespace {

TEST(AxisValueFormat, DefaultPattern)
{
    const std::pair<double, const char*> table[] = {
        {0, "0"},          {50, "50"},           {600, "600"},     {-12.5, "-12.5"},
        {1234.5, "1,234.5"}, {1234567, "1,234,567"}, {0.0004, "0"}, {-0.0004, "0"},
        {0.25, "0.25"},    {2.1239, "2.124"},    {1000, "1,000"},  {999.9999, "1,000"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"}};
    for (const auto& [value, text] : table)
        EXPECT_EQ(FormatAxisValue(value, DefaultAxisValuesFormat).toStdString(), text) << value;
}

TEST(AxisValueFormat, OtherPatterns)
{
    struct Row {
        double value;
        const char* pattern;
        const char* text;
    };
    const Row table[] = {{3, "0.00", "3.00"},   {3.14159, "0.0#", "3.14"}, {1234, "0", "1234"},
                         {7, "000", "007"},     {0.5, "#.##", ".5"},       {1234.5, "#,##0", "1,234"}};
    for (const Row& row : table)
        EXPECT_EQ(FormatAxisValue(row.value, QString::fromLatin1(row.pattern)).toStdString(),
                  row.text)
            << row.value << " " << row.pattern;
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
