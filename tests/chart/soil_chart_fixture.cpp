#include "soil_chart_fixture.h"

namespace morvane::test {

void SetUpSoilChart(TChart& chart)
{
    chart.resize(137, 401);
    chart.SetColor(Sand);
    chart.SetBevelOuter(bvNone);
    chart.SetBevelInner(bvNone);
    chart.SetMarginTop(10);
    chart.Title().SetCustomPosition(true);
    chart.Title().SetLeft(50);
    chart.Title().SetTop(0);
    chart.Title().SetText({QString()});

    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetMinMax(0, 1);
    bottom.SetVisible(false);

    TChartAxis& depth = chart.LeftAxis();
    depth.SetAutomatic(false);
    depth.SetMinMax(0, 600);
    depth.SetInverted(true);
    depth.Title().SetCaption(QStringLiteral("Soil Depth (mm)"));
    depth.Title().Font().SetHeight(13);
    depth.Title().Font().SetBold(true);
}

TAreaSeries* AddBand(TChart& chart, double depth, TColor color)
{
    auto* series = new TAreaSeries(&chart);
    chart.AddSeries(series);
    series->AddXY(0, depth, QString(), color);
    series->AddXY(10, depth, QString(), color);
    series->SetUseYOrigin(true);
    series->SetYOrigin(0);
    return series;
}

TColorLineTool& AddDepthLine(TChart& chart, double value, TColor color, int width,
                             TPenEndStyle endStyle)
{
    TColorLineTool& line = chart.AddColorLineTool();
    line.SetAxisID(TChart::LeftAxisIndex);
    line.SetValue(value);
    line.Pen().SetColor(color);
    line.Pen().SetWidth(width);
    line.Pen().SetEndStyle(endStyle);
    return line;
}

bool PixelIs(const QImage& image, int x, int y, TColor color)
{
    return image.pixelColor(x, y) == ToQColor(color);
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

std::vector<std::pair<int, int>> RowRuns(const QImage& image, int x, TColor color)
{
    return Runs(image.height(), [&](int y) { return PixelIs(image, x, y, color); });
}

std::vector<std::pair<int, int>> ColumnRuns(const QImage& image, int y, TColor color)
{
    return Runs(image.width(), [&](int x) { return PixelIs(image, x, y, color); });
}

}  // namespace morvane::test
