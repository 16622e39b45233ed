#include "soil_chart_fixture.h"

using namespace Qt::StringLiterals;

namespace morvane::test {

void setUpSoilChart(Chart& chart)
{
    chart.resize(137, 401);
    chart.setColor(colours::sand);
    chart.setMarginTop(10);

    ChartAxis& bottom = chart.bottomAxis();
    bottom.setMinMax(0, 1);
    bottom.setVisible(false);

    ChartAxis& depth = chart.leftAxis();
    depth.setMinMax(0, 600);
    depth.setInverted(true);
    depth.title().setCaption(u"Soil Depth (mm)"_s);
    depth.title().font().setHeight(13);
    depth.title().font().setBold(true);
}

AreaSeries* addBand(Chart& chart, double depth, QColor color)
{
    auto* series = new AreaSeries(&chart);
    chart.addSeries(series);
    series->addPoint(0, depth, color);
    series->addPoint(10, depth, color);
    series->setUseYOrigin(true);
    series->setYOrigin(0);
    return series;
}

ColorLine& addDepthLine(Chart& chart, double value, QColor color, int width,
                             Qt::PenCapStyle endStyle)
{
    ColorLine& line = chart.addColorLine();
    line.setAxisId(Chart::LeftAxisIndex);
    line.setValue(value);
    line.pen().setColor(color);
    line.pen().setWidth(width);
    line.pen().setEndStyle(endStyle);
    return line;
}

bool pixelIs(const QImage& image, int x, int y, QColor color)
{
    return image.pixelColor(x, y) == color;
}

namespace {

std::vector<std::pair<int, int>> Runs(int count, const std::function<bool(int)>& matches)
{
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < count; ++i) {
        if (!matches(i))
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.emplace_back(i, i);
    }
    return runs;
}

}  // namespace

std::vector<std::pair<int, int>> rowRuns(const QImage& image, int x, QColor color)
{
    return Runs(image.height(), [&](int y) { return pixelIs(image, x, y, color); });
}

std::vector<std::pair<int, int>> columnRuns(const QImage& image, int y, QColor color)
{
    return Runs(image.width(), [&](int x) { return pixelIs(image, x, y, color); });
}

}  // namespace morvane::test
