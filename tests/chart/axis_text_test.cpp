// label texts, colours and font sizes.

#include "axis_label_text.h"
#include "colours.h"
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
        Chart chart;
        test::setUpSoilChart(chart);
        test::addBand(chart, 277.8, colours::blue);
        return chart.renderToImage();
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

TEST(ChartFont, PointsBecomePixelsAt96PerInch)
{
    ChartFont font;
    const std::pair<int, int> table[] = {{8, 11}, {10, 13}, {12, 16}, {-8, 11}};
    for (const auto& [points, pixels] : table) {
        font.setSize(points);
        EXPECT_EQ(font.height(), pixels) << points;
        EXPECT_EQ(font.toQFont().pixelSize(), pixels);
    }
    font.setHeight(-13);
    EXPECT_EQ(font.height(), 13);
}

TEST(ChartPen, NotifiesOnlyRealChanges)
{
    ChartPen pen;
    int changes = 0;
    pen.onChange = [&] { ++changes; };
    pen.setWidth(1);
    pen.setColor(colours::black);
    pen.setEndStyle(Qt::RoundCap);
    EXPECT_EQ(changes, 0);
    pen.setWidth(14);
    pen.setWidth(14);
    pen.setEndStyle(Qt::FlatCap);
    pen.setWidth(-3);  // stored as 0
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(pen.width(), 0);
}

}  // namespace
}  // namespace morvane
